// Where a page object lies on the sheet, where an aligned line starts in it, and its border.
#pragma once

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

// Wider borders and grid lines than this many pixels are drawn this wide: a broken record must
// not draw for ever.
inline constexpr int kMaxLineWidthPixels = 50;

// The object's rectangle in inches (design units times scale); edges stored the wrong way round
// are put in order.
PageBox objectBox(const PageObject& object, double scale);

// The x where a line of the given width starts: left (alignment 1 and anything unknown), centred
// (2) or right (3).
double alignedX(const PageObject& object, const PageBox& box, double textWidth);

// The box moved inwards by whole device pixels on every side (outwards when negative).
PageBox pixelInset(const ReportTarget& target, const PageBox& box, int pixels);

// One move-to and four line-to calls around the box.
void drawBoxOutline(ReportTarget& target, const PageBox& box);

// Border width outlines, each one device pixel further out; a Circle's are ellipses, each drawn
// as two arcs. Nothing when the object has no border.
void drawBorder(ReportTarget& target, const PageObject& object, const PageBox& box);

// The ellipse inscribed in the box as its upper and its lower half.
void drawEllipseOutline(ReportTarget& target, const PageBox& box);

}  // namespace qm
