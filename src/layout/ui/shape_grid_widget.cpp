#include "layout/ui/shape_grid_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "layout/gui/shape_drawing.h"

namespace qm {

ShapeGridWidget::ShapeGridWidget(const ShapeEditor& editor, QWidget* parent) : QWidget(parent), m_editor(editor)
{
    setCursor(Qt::PointingHandCursor);
}

int ShapeGridWidget::cellSize() const
{
    return editorCellSize(width(), height(), m_editor.shape().usedWidth(), m_editor.shape().usedHeight());
}

void ShapeGridWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawGrid(painter, size(), m_editor.shape(), palette().color(QPalette::Button));
}

void ShapeGridWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) m_leftPress = at;
    if (event->button() == Qt::RightButton) m_rightPress = at;
}

void ShapeGridWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && m_leftPress) {
        const QPoint press = *std::exchange(m_leftPress, std::nullopt);
        emit leftClicked(press, at);
    }
    if (event->button() == Qt::RightButton && m_rightPress) {
        const QPoint press = *std::exchange(m_rightPress, std::nullopt);
        emit rightClicked(press, at);
    }
}

}  // namespace qm
