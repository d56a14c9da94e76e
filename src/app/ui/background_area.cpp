#include "app/ui/background_area.h"

#include <QPainter>

namespace qm {

BackgroundArea::BackgroundArea(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
}

void BackgroundArea::setTiled(bool tiled)
{
    m_tiled = tiled;
    update();
}

void BackgroundArea::paintEvent(QPaintEvent*)
{
    // Tiles start at the top-left corner, row by row; the last ones in a row or column are cut.
    if (!m_tiled || m_tile.width() <= 0 || m_tile.height() <= 0) return;
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_tile);
}

}  // namespace qm
