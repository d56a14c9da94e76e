// The word list of a Words/Clues object printing words: entries in columns, shrunk with Make It
// Fit.
#pragma once

#include "collection/page_layout_record.h"
#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "output/page/output_settings.h"
#include "output/page/report_target.h"

namespace qm {

// Prints the entries of words 1..printCount in NumColumns columns, as many as fit; returns true
// when not all of them fit (WordsOverflow). Without Make It Fit an entry wider than its column
// leaves its line empty and is no overflow; a box lower than one line holds no entry.
bool DoWords(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
             int printCount, const PrintOptions& options, RandomSource& random);

}  // namespace qm
