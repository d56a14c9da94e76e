// The print options a page layout brings with it: each time a layout is taken up for printing,
// its word list's columns and its letter grid's lower-case and grid flags reset the options the
// user may then change.
#pragma once

#include "collection/page_layout_record.h"
#include "output/page/output_settings.h"

namespace qm {

// NumColumns to 3, then, object by object in layout order, LowerCase and UseGrid from a Puzzle
// object and NumColumns from a Words object; a layout without them leaves those as they were.
void ApplyLayoutOptions(PrintOptions& options, const PageLayoutRecord& layout);

// The columns a word or clue list can be printed in: at least one.
inline bool validColumnCount(int columns) { return columns > 0; }

// The widths a picture of the page can be asked for: a whole number of at least 1 that its box
// of four characters holds.
inline constexpr int kMostPictureWidth = 9999;
inline bool validPictureWidth(int pixels) { return pixels >= 1 && pixels <= kMostPictureWidth; }

}  // namespace qm
