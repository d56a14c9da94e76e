// How the page layout designer draws its page and rulers: every object in the colour of its kind
// with its label, borders, column lines and pictures, the selection handles, and the ticks.
#pragma once

#include <functional>

#include <QImage>
#include <QPainter>
#include <QRect>

#include "collection/page_layout_record.h"

namespace qm {

// The picture a Bitmap object shows: its loaded file, or a null image for the placeholder.
using BitmapPictureLookup = std::function<QImage(const PageObject&)>;

// The white picture with a black frame and "Bitmap" centred that stands for a missing picture.
QImage bitmapPlaceholder(QSize size);

// The colour an object of the kind is drawn in on the designer's page.
QColor designerKindColor(PageObjectKind kind);

// A stored rectangle as a QRect, its edges held well outside any page so nothing overflows.
QRect designerRect(const PageBounds& bounds);

// Fills the page (PixelWidth x PixelHeight from the top-left of the painter) white and draws
// objects 1..N in slot order.
void DrawObjects(QPainter& painter, const PageLayoutRecord& layout, const BitmapPictureLookup& pictures);
void DrawAnObject(QPainter& painter, const PageLayoutRecord& layout, const PageObject& object,
                  const BitmapPictureLookup& pictures);

// The eight black handles around a rectangle.
void drawSelectionHandles(QPainter& painter, const PageBounds& bounds);

// A ruler along the page's width (horizontal) or height, `length` pixels long and 29 thick.
void drawRuler(QPainter& painter, Qt::Orientation orientation, int length, double units, int pixelsPerUnit,
               bool inches);

}  // namespace qm
