#include "layout/ui/shape_preview_widget.h"

#include <QPainter>

#include "layout/gui/shape_drawing.h"

namespace qm {

ShapePreviewWidget::ShapePreviewWidget(QWidget* parent) : QWidget(parent) {}

void ShapePreviewWidget::showShape(const ShapeRecord& shape)
{
    m_shape = shape;
    update();
}

void ShapePreviewWidget::clear()
{
    m_shape.reset();
    update();
}

void ShapePreviewWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    if (m_shape)
        DrawTheBox(painter, size(), *m_shape, face);
    else
        painter.fillRect(rect(), face);
}

}  // namespace qm
