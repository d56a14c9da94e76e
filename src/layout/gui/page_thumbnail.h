// The thumbnail of a page layout: the page in white on the button face, each object a block
// in the colour of its kind. The layout list, the word list editor and the print options all
// draw it with this one function.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "collection/page_layout_record.h"

namespace qm {

// The colours of the kinds, also shown in the legend of the layout list: Title yellow, Puzzle
// maroon, Words teal, Bonus fuchsia, Text, Rectangle and Circle grey, Bitmap white. Invalid
// for a kind the thumbnail skips.
QColor thumbnailColor(std::int16_t kind);

// Draws the thumbnail into area: fills it with the button face colour, the page as large as fits
// from its top left corner, objects 1..ObjectCount in slot order. A page without pixel size
// shows as the button face alone.
void DrawTheBox(QPainter& painter, const QRect& area, const PageLayoutRecord& layout);

// The same with the button face colour given, for drawing outside the application's palette.
void DrawTheBox(QPainter& painter, const QRect& area, const PageLayoutRecord& layout, const QColor& buttonFace);

}  // namespace qm
