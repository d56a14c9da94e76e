// Plays a page file onto a Qt painter: the one drawing of a page, for the preview, the printer,
// PDF files and pictures alike.
#pragma once

#include <QPainter>

#include "output/page/page_file.h"

namespace qm {

// Paints the sheet white, then every operation of the page in order, clipped to the sheet. The
// sheet's top-left corner lies at the painter's origin and an inch is pixelsPerInch of the
// painter's units. Coordinates keep their precision down to the device; lines are one page
// pixel wide (at least one device pixel); text is drawn at the width the page was measured with.
void paintPage(QPainter& painter, const PageFile& page, double pixelsPerInch);

}  // namespace qm
