// The numbered clues of a Words/Clues object: wrapped clues in columns beside their numbers,
// shrunk with Make It Fit.
#pragma once

#include "collection/page_layout_record.h"
#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"
#include "output/page/report_target.h"

namespace qm {

// Prints clues 1..printCount in NumColumns columns, as many as fit in order; returns true when
// not all of them fit (CluesOverflow). A clue with a word wider than its column, or taller than a
// column, ends the clues printed; a box lower than one line holds no clue.
bool DoClues(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
             int printCount, const PrintOptions& options);

}  // namespace qm
