// The main window's client area: silver, with the background bitmap tiled over it when the
// setting is on.
#pragma once

#include <QPixmap>
#include <QWidget>

namespace qm {

class BackgroundArea : public QWidget {
public:
    explicit BackgroundArea(QWidget* parent = nullptr);

    void setTile(QPixmap tile) { m_tile = std::move(tile); }
    void setTiled(bool tiled);
    bool tiled() const { return m_tiled; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_tile;
    bool m_tiled = false;
};

}  // namespace qm
