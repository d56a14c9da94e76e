// Rectangle and Circle objects: an optional fill and the border.
#pragma once

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

// With the fill flag, a rectangle filled with the fill colour or an ellipse drawn and filled in
// it; then the border.
void DoRect(ReportTarget& target, const PageObject& object, const PageBox& box);

}  // namespace qm
