#include "layout/gui/page_thumbnail.h"

#include <algorithm>
#include <cmath>

#include <QGuiApplication>
#include <QPalette>
#include <QPen>

#include "common/gui/qt_color.h"

namespace qm {
namespace {

// A stored coordinate times scale, truncated. Coordinates far off the page are held a little
// outside the image, so the arithmetic never overflows and the painter clips the rest.
int scaledCoordinate(std::int32_t stored, double scale, int limit)
{
    const double value = std::trunc(static_cast<double>(stored) * scale);
    return static_cast<int>(std::clamp(value, -1.0, static_cast<double>(limit) + 1.0));
}

// A frame on the outermost pixels of the rectangle whose right and bottom edges are left out.
void drawFrame(QPainter& painter, const QRect& box, Qt::PenStyle style)
{
    if (box.width() < 1 || box.height() < 1) return;
    painter.setPen(QPen(Qt::black, 0, style));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

void drawColumnLines(QPainter& painter, const QRect& box, int columns)
{
    if (columns < 2) return;
    const int step = box.width() / columns;
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    // With columns wider than the box every line lands on its left edge: one is enough.
    const int lines = step > 0 ? columns - 1 : 1;
    for (int i = 1; i <= lines; ++i) {
        const int x = box.left() + i * step;
        painter.drawLine(x, box.top(), x, box.top() + box.height());
    }
}

}  // namespace

QColor thumbnailColor(std::int16_t kind)
{
    switch (knownKind(kind).value_or(PageObjectKind{})) {
    case PageObjectKind::Title:
        return toQColor(0x0000FFFF);
    case PageObjectKind::Puzzle:
        return toQColor(0x00000080);
    case PageObjectKind::Words:
        return toQColor(0x00808000);
    case PageObjectKind::Bonus:
        return toQColor(0x00FF00FF);
    case PageObjectKind::Text:
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        return toQColor(0x00808080);
    case PageObjectKind::Bitmap:
        return Qt::white;
    }
    return QColor();
}

void DrawTheBox(QPainter& painter, const QRect& area, const PageLayoutRecord& layout)
{
    DrawTheBox(painter, area, layout, QGuiApplication::palette().color(QPalette::Button));
}

void DrawTheBox(QPainter& painter, const QRect& area, const PageLayoutRecord& layout, const QColor& buttonFace)
{
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(QPoint(0, 0), area.size()), buttonFace);
    if (layout.PixelWidth > 0 && layout.PixelHeight > 0) {
        const double scale = std::min(static_cast<double>(area.width()) / layout.PixelWidth,
                                      static_cast<double>(area.height()) / layout.PixelHeight);
        const QRect page(0, 0, static_cast<int>(layout.PixelWidth * scale),
                         static_cast<int>(layout.PixelHeight * scale));
        painter.fillRect(page, Qt::white);
        const int limit = std::max(area.width(), area.height());
        for (int k = 0; k < usedObjectCount(layout); ++k) {
            const PageObject& object = layout.Objects[k];
            const QColor color = thumbnailColor(object.Kind);
            if (!color.isValid()) continue;
            const QRect box(QPoint(scaledCoordinate(object.Bounds.Left, scale, limit),
                                   scaledCoordinate(object.Bounds.Top, scale, limit)),
                            QPoint(scaledCoordinate(object.Bounds.Right, scale, limit) - 1,
                                   scaledCoordinate(object.Bounds.Bottom, scale, limit) - 1));
            const auto kind = object.kind();
            if (kind == PageObjectKind::Circle) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(color);
                painter.drawEllipse(box);
                continue;
            }
            painter.fillRect(box, color);
            if (kind == PageObjectKind::Bitmap)
                drawFrame(painter, object.TileBitmap() ? page : box, Qt::DotLine);
            else
                drawFrame(painter, box, Qt::SolidLine);
            if (kind == PageObjectKind::Words) drawColumnLines(painter, box, object.Columns);
        }
    }
    painter.restore();
}

}  // namespace qm
