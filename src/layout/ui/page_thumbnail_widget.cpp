#include "layout/ui/page_thumbnail_widget.h"

#include <QPainter>

#include "layout/gui/page_thumbnail.h"

namespace qm {

PageThumbnailWidget::PageThumbnailWidget(QWidget* parent) : QWidget(parent) {}

void PageThumbnailWidget::showLayout(const PageLayoutRecord& layout)
{
    m_layout = layout;
    update();
}

void PageThumbnailWidget::clear()
{
    m_layout.reset();
    update();
}

void PageThumbnailWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    if (m_layout)
        DrawTheBox(painter, rect(), *m_layout, face);
    else
        painter.fillRect(rect(), face);
}

}  // namespace qm
