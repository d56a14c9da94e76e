#include "layout/ui/page_ruler_widget.h"

#include <QPainter>

#include "layout/gui/page_design_drawing.h"
#include "layout/page_ruler.h"

namespace qm {

PageRulerWidget::PageRulerWidget(const PageDesigner& designer, Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent),
      m_designer(designer),
      m_orientation(orientation)
{
    setObjectName(orientation == Qt::Horizontal ? "RulerTop" : "RulerLeft");
    refreshRuler();
}

void PageRulerWidget::refreshRuler()
{
    const PageLayoutRecord& layout = m_designer.layout();
    if (m_orientation == Qt::Horizontal)
        setFixedSize(layout.PixelWidth, kRulerThickness);
    else
        setFixedSize(kRulerThickness, layout.PixelHeight);
    update();
}

void PageRulerWidget::paintEvent(QPaintEvent*)
{
    const PageLayoutRecord& layout = m_designer.layout();
    const bool across = m_orientation == Qt::Horizontal;
    QPainter painter(this);
    drawRuler(painter, m_orientation, across ? layout.PixelWidth : layout.PixelHeight,
              across ? layout.PageWidth : layout.PageHeight, m_designer.pixelsPerUnit(),
              static_cast<bool>(layout.Inches));
}

}  // namespace qm
