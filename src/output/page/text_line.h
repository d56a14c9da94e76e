// One line of text in its box: the puzzle title and the bonus question.
#pragma once

#include <string_view>

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

// Prints the text (cut to 255 characters) aligned in the box and centred vertically, shrinking
// the font with Make It Fit until it fits (down to 2 points; a line that still does not fit
// raises no warning); then the border.
void DoTextLine(ReportTarget& target, const PageObject& object, const PageBox& box, std::string_view text);

}  // namespace qm
