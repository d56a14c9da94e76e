#include "output/print/ui/page_view_widget.h"

#include <cmath>

#include <QPainter>

#include "output/page/gui/page_painter.h"
#include "output/print/preview_zoom.h"

namespace qm {

PageViewWidget::PageViewWidget(const PageFile& page, QWidget* parent) : QWidget(parent), m_page(page)
{
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, ground.color(QPalette::Dark));
    setPalette(ground);
    setMinimumSize(sizeHint());
}

void PageViewWidget::setZoom(double zoom)
{
    m_zoom = limitedZoom(zoom);
    // The scroll area makes the widget at least this large and fills the rest of the view.
    setMinimumSize(sizeHint());
    update();
}

double PageViewWidget::dotsPerInch() const { return logicalDpiX(); }

int PageViewWidget::pagePixelWidth() const { return pagePixels(m_zoom, m_page.size.width, dotsPerInch()); }

QSizeF PageViewWidget::sheetPixels() const
{
    const double pixelsPerInch = dotsPerInch() * m_zoom / 100;
    return QSizeF(m_page.size.width * pixelsPerInch, m_page.size.height * pixelsPerInch);
}

QSize PageViewWidget::sizeHint() const
{
    const QSizeF sheet = sheetPixels() * (1 + 2 * kPreviewMargin);
    // Down: a page zoomed to fill the view must not call for scroll bars.
    return QSize(static_cast<int>(std::floor(sheet.width())), static_cast<int>(std::floor(sheet.height())));
}

void PageViewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The sheet in the middle of the widget, which is at least as large as the sheet and margins.
    const QSizeF sheet = sheetPixels();
    painter.translate(std::round((width() - sheet.width()) / 2), std::round((height() - sheet.height()) / 2));
    paintPage(painter, m_page, dotsPerInch() * m_zoom / 100);
}

}  // namespace qm
