#include "layout/gui/page_design_drawing.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPen>

#include "common/gui/qt_color.h"
#include "layout/gui/page_thumbnail.h"
#include "layout/page_object_geometry.h"
#include "layout/page_ruler.h"

namespace qm {
namespace {

constexpr int kFarOffPage = 100000;

int heldCoordinate(std::int32_t value) { return std::clamp<std::int32_t>(value, -kFarOffPage, kFarOffPage); }

QString kindLabel(PageObjectKind kind)
{
    switch (kind) {
    case PageObjectKind::Title:
        return "Title";
    case PageObjectKind::Puzzle:
        return "Puzzle";
    case PageObjectKind::Words:
        return "Word List";
    case PageObjectKind::Bonus:
        return "Bonus Question";
    case PageObjectKind::Text:
        return "Text";
    case PageObjectKind::Rectangle:
        return "Rectangle";
    case PageObjectKind::Circle:
        return "Circle";
    case PageObjectKind::Bitmap:
        break;
    }
    return {};
}

// `width` nested outlines, each one pixel further inside; the right and bottom edges of the
// rectangle are left out, as the page's own rectangles exclude them.
void drawNestedOutlines(QPainter& painter, QRect box, int width, const QColor& color, bool ellipse)
{
    painter.setPen(QPen(color, 0));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < std::clamp(width, 0, 100) && box.width() > 1 && box.height() > 1; ++i) {
        const QRect outline = box.adjusted(0, 0, -1, -1);
        ellipse ? painter.drawEllipse(outline) : painter.drawRect(outline);
        box.adjust(1, 1, -1, -1);
    }
}

void drawDottedOutline(QPainter& painter, const QRect& box, bool ellipse)
{
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const QRect outline = box.adjusted(0, 0, -1, -1);
    ellipse ? painter.drawEllipse(outline) : painter.drawRect(outline);
}

void drawBorder(QPainter& painter, const PageObject& object, const QRect& box, bool ellipse)
{
    if (static_cast<bool>(object.UseBorder))
        drawNestedOutlines(painter, box, object.BorderWidth, toQColor(object.BorderColor), ellipse);
    else
        drawDottedOutline(painter, box, ellipse);
}

// The label loses characters from its end until it fits the object's width.
void drawLabel(QPainter& painter, const QRect& box, QString label)
{
    const QFontMetrics metrics(painter.font());
    while (!label.isEmpty() && metrics.horizontalAdvance(label) > box.width()) label.chop(1);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, label);
}

void drawColumnLines(QPainter& painter, const QRect& box, int columns)
{
    if (columns < 2) return;
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    const int step = box.width() / columns;
    for (int i = 1; i < std::min(columns, 1000); ++i)
        painter.drawLine(box.left() + i * step, box.top(), box.left() + i * step, box.bottom());
}

}  // namespace

QImage bitmapPlaceholder(QSize size)
{
    QImage image(size.expandedTo(QSize(1, 1)).boundedTo(QSize(4000, 4000)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    painter.setFont(QFont("Arial", 9));
    painter.drawText(image.rect(), Qt::AlignCenter, "Bitmap");
    return image;
}

QColor designerKindColor(PageObjectKind kind)
{
    // The word search kinds as in the thumbnails; the designer shows text lighter and shapes white.
    switch (kind) {
    case PageObjectKind::Title:
    case PageObjectKind::Puzzle:
    case PageObjectKind::Words:
    case PageObjectKind::Bonus:
        return thumbnailColor(static_cast<std::int16_t>(kind));
    case PageObjectKind::Text:
        return toQColor(0x00C0C0C0);
    case PageObjectKind::Bitmap:
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        break;
    }
    return Qt::white;
}

QRect designerRect(const PageBounds& b)
{
    return QRect(QPoint(heldCoordinate(b.Left), heldCoordinate(b.Top)),
                 QPoint(heldCoordinate(b.Right) - 1, heldCoordinate(b.Bottom) - 1));
}

void DrawAnObject(QPainter& painter, const PageLayoutRecord& layout, const PageObject& object,
                  const BitmapPictureLookup& pictures)
{
    const auto kind = object.kind();
    if (!kind) return;
    const QRect box = designerRect(object.Bounds);
    if (box.width() < 1 || box.height() < 1) return;
    painter.save();
    if (*kind == PageObjectKind::Bitmap) {
        QImage picture = pictures ? pictures(object) : QImage();
        if (picture.isNull()) picture = bitmapPlaceholder(box.size());
        painter.drawImage(box, picture);
        if (static_cast<bool>(object.UseBorder))
            drawNestedOutlines(painter, box, object.BorderWidth, toQColor(object.BorderColor), false);
        if (object.TileBitmap()) drawDottedOutline(painter, QRect(0, 0, layout.PixelWidth, layout.PixelHeight), false);
    } else if (*kind == PageObjectKind::Circle) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(static_cast<bool>(object.FillInShape) ? toQColor(object.FillColor) : QColor(Qt::white));
        painter.drawEllipse(box.adjusted(0, 0, -1, -1));
        drawBorder(painter, object, box, true);
        drawLabel(painter, box, kindLabel(*kind));
    } else {
        const bool filled = *kind == PageObjectKind::Rectangle && static_cast<bool>(object.FillInShape);
        painter.fillRect(box, filled ? toQColor(object.FillColor) : designerKindColor(*kind));
        if (*kind == PageObjectKind::Puzzle) {
            painter.setPen(QPen(Qt::black, 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box.adjusted(0, 0, -1, -1));
        } else {
            drawBorder(painter, object, box, false);
        }
        if (*kind == PageObjectKind::Words) drawColumnLines(painter, box, object.Columns);
        drawLabel(painter, box, kindLabel(*kind));
    }
    painter.restore();
}

void DrawObjects(QPainter& painter, const PageLayoutRecord& layout, const BitmapPictureLookup& pictures)
{
    painter.fillRect(QRect(0, 0, layout.PixelWidth, layout.PixelHeight), Qt::white);
    painter.setFont(QFont("Arial", 9));
    for (int k = 0; k < usedObjectCount(layout); ++k) DrawAnObject(painter, layout, layout.Objects[k], pictures);
}

void drawSelectionHandles(QPainter& painter, const PageBounds& bounds)
{
    const PageBounds held{heldCoordinate(bounds.Left), heldCoordinate(bounds.Top), heldCoordinate(bounds.Right),
                          heldCoordinate(bounds.Bottom)};
    for (const HandleSquare& handle : selectionHandles(held))
        painter.fillRect(QRect(handle.left, handle.top, HandleSquare::kSize, HandleSquare::kSize), Qt::black);
}

void drawRuler(QPainter& painter, Qt::Orientation orientation, int length, double units, int pixelsPerUnit, bool inches)
{
    const bool across = orientation == Qt::Horizontal;
    const QRect area = across ? QRect(0, 0, length, kRulerThickness) : QRect(0, 0, kRulerThickness, length);
    painter.save();
    painter.fillRect(area, toQColor(0x000000FF));
    painter.setPen(Qt::black);
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    QFont font("Arial");
    font.setPointSize(8);
    painter.setFont(font);
    const int inner = kRulerThickness;
    for (const RulerTick& tick : rulerTicks(units, pixelsPerUnit, inches)) {
        if (across)
            painter.drawLine(tick.position, tick.start, tick.position, inner);
        else
            painter.drawLine(tick.start, tick.position, inner, tick.position);
        if (tick.label == 0) continue;
        const QString label = QString::number(tick.label);
        const QFontMetrics metrics(font);
        const QPoint at = across ? QPoint(tick.position - 3, 1) : QPoint(2, tick.position - 6);
        painter.drawText(at + QPoint(0, metrics.ascent()), label);
    }
    painter.restore();
}

}  // namespace qm
