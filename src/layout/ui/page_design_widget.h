// The designer's page image (PageImage): draws the layout being designed and turns the mouse and
// the keys into the designer's commands: placing the armed object, selecting, moving and sizing
// with an outline that follows the mouse, nudging with the arrow keys.
#pragma once

#include <optional>

#include <QPoint>
#include <QWidget>

#include "layout/gui/page_design_drawing.h"
#include "layout/page_designer.h"

namespace qm {

class PageDesignWidget : public QWidget {
    Q_OBJECT
public:
    PageDesignWidget(PageDesigner& designer, BitmapPictureLookup pictures, QWidget* parent = nullptr);

    // Takes the page's pixel size after a change.
    void refreshPage();
    // What a drag from the mouse's place would do; also sets the cursor.
    DragType dragTypeUnderMouse() const { return m_hoverDrag; }

signals:
    // The layout or the selection changed.
    void changed();
    // A right-button release over object k; global is where its top-left corner is on screen.
    void contextMenuRequested(int k, QPoint global);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setCursorFor(DragType type);

    PageDesigner& m_designer;
    BitmapPictureLookup m_pictures;
    std::optional<QPoint> m_press;
    Qt::MouseButton m_button = Qt::NoButton;
    DragType m_drag = DragType::None;
    DragType m_hoverDrag = DragType::None;
    std::optional<QPoint> m_travel;  // the mouse travel the drag outline shows
};

}  // namespace qm
