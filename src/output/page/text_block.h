// The free text of a Text object: words wrapped into the box's width, paragraphs kept, shrunk
// with Make It Fit.
#pragma once

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

inline constexpr std::size_t kMaxTextLines = 100;

// Prints the object's text as wrapped lines from the top of its box; returns true when it did
// not all fit (TextOverflow): a word wider than the box (the lines before it print), more than
// 100 lines or more lines than the box holds (the first ones print). A blank text fits anywhere.
bool DoText(ReportTarget& target, const PageObject& object, const PageBox& box);

}  // namespace qm
