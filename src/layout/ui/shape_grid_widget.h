// The drawing image of the shape editor (Img): draws the grid of the shape being edited and
// turns a press and release of one mouse button into a command on the cells under them.
#pragma once

#include <optional>

#include <QPoint>
#include <QWidget>

#include "layout/shape_editor.h"

namespace qm {

class ShapeGridWidget : public QWidget {
    Q_OBJECT
public:
    ShapeGridWidget(const ShapeEditor& editor, QWidget* parent = nullptr);

    int cellSize() const;

signals:
    // Released over any place after being pressed over the image: the editor decides whether
    // the two points name the same cell.
    void leftClicked(QPoint press, QPoint release);
    void rightClicked(QPoint press, QPoint release);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const ShapeEditor& m_editor;
    std::optional<QPoint> m_leftPress;
    std::optional<QPoint> m_rightPress;
};

}  // namespace qm
