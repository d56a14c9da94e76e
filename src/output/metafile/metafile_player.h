// Plays a page file onto a metafile canvas: the same page the preview shows, in whole pixels.
#pragma once

#include "output/metafile/metafile_canvas.h"
#include "output/page/page_file.h"

namespace qm {

// The font height in pixels of a point size at 96 pixels per inch.
std::int32_t metafileFontHeight(int points);

// Fills the sheet white, then draws every operation of the page but its pictures (a metafile
// keeps no pictures). Each pen, brush and font is made when a drawing first needs it and
// deleted when the next one replaces it, so the object table never holds more than two of each.
void PlayPageOnMetafile(const PageFile& page, MetafileCanvas& canvas);

}  // namespace qm
