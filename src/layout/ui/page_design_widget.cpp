#include "layout/ui/page_design_widget.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

namespace qm {
namespace {

PixelPoint pixelPoint(QPoint point) { return {point.x(), point.y()}; }

Qt::CursorShape cursorShape(DragType type)
{
    switch (type) {
    case DragType::TopLeft:
    case DragType::BottomRight:
        return Qt::SizeFDiagCursor;
    case DragType::TopRight:
    case DragType::BottomLeft:
        return Qt::SizeBDiagCursor;
    case DragType::Top:
    case DragType::Bottom:
        return Qt::SizeVerCursor;
    case DragType::Left:
    case DragType::Right:
        return Qt::SizeHorCursor;
    case DragType::Move:
        return Qt::OpenHandCursor;
    case DragType::None:
        break;
    }
    return Qt::ArrowCursor;
}

}  // namespace

PageDesignWidget::PageDesignWidget(PageDesigner& designer, BitmapPictureLookup pictures, QWidget* parent)
    : QWidget(parent),
      m_designer(designer),
      m_pictures(std::move(pictures))
{
    setObjectName("PageImage");
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    refreshPage();
}

void PageDesignWidget::refreshPage()
{
    setFixedSize(m_designer.layout().PixelWidth, m_designer.layout().PixelHeight);
    setCursorFor(m_hoverDrag);
    update();
}

void PageDesignWidget::setCursorFor(DragType type)
{
    setCursor(m_designer.armedTool() ? Qt::CrossCursor : cursorShape(type));
}

void PageDesignWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawObjects(painter, m_designer.layout(), m_pictures);
    const int selected = m_designer.selected();
    if (!selected) return;
    const PageBounds& bounds = m_designer.object(selected).Bounds;
    drawSelectionHandles(painter, bounds);
    if (m_travel && m_drag != DragType::None) {
        const PageBounds outline = draggedBounds(bounds, m_drag, m_travel->x(), m_travel->y());
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
        painter.drawRect(designerRect(outline));
    }
}

void PageDesignWidget::mousePressEvent(QMouseEvent* event)
{
    if (m_press) return;
    m_press = event->position().toPoint();
    m_button = event->button();
    m_drag = m_button == Qt::LeftButton ? m_designer.dragTypeAt(pixelPoint(*m_press)) : DragType::None;
    if (m_drag == DragType::Move) setCursor(Qt::ClosedHandCursor);
}

void PageDesignWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (m_press && m_drag != DragType::None) {
        m_travel = at - *m_press;
        update();
        return;
    }
    m_hoverDrag = m_designer.dragTypeAt(pixelPoint(at));
    setCursorFor(m_hoverDrag);
}

void PageDesignWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_press || event->button() != m_button) return;
    const QPoint press = *m_press;
    const QPoint release = event->position().toPoint();
    const DragType drag = m_drag;
    m_press.reset();
    m_travel.reset();
    m_drag = DragType::None;
    if (m_button == Qt::RightButton) {
        const int k = objectClicked(m_designer.layout(), pixelPoint(press), pixelPoint(release));
        if (k) {
            m_designer.select(k);
            const PageBounds& bounds = m_designer.object(k).Bounds;
            emit changed();
            emit contextMenuRequested(k, mapToGlobal(QPoint(bounds.Left, bounds.Top)));
        }
        return;
    }
    if (m_button != Qt::LeftButton) return;
    if (m_designer.armedTool()) {
        m_designer.createObject(pixelPoint(press));
    } else if (drag != DragType::None && release != press) {
        const QPoint travel = release - press;
        m_designer.dragObject(m_designer.selected(), drag, travel.x(), travel.y());
    } else {
        m_designer.select(objectClicked(m_designer.layout(), pixelPoint(press), pixelPoint(release)));
    }
    m_hoverDrag = m_designer.dragTypeAt(pixelPoint(release));
    setCursorFor(m_hoverDrag);
    emit changed();
}

void PageDesignWidget::keyPressEvent(QKeyEvent* event)
{
    const int selected = m_designer.selected();
    if (!selected) return QWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Delete) {
        m_designer.deleteObject(selected);
        emit changed();
        return;
    }
    // One pixel, or with Shift one tenth of a unit.
    const int step = event->modifiers() & Qt::ShiftModifier ? std::max(1, m_designer.pixelsPerUnit() / 10) : 1;
    QPoint travel;
    switch (event->key()) {
    case Qt::Key_Left:
        travel = {-step, 0};
        break;
    case Qt::Key_Right:
        travel = {step, 0};
        break;
    case Qt::Key_Up:
        travel = {0, -step};
        break;
    case Qt::Key_Down:
        travel = {0, step};
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    m_designer.dragObject(selected, DragType::Move, travel.x(), travel.y());
    emit changed();
}

}  // namespace qm
