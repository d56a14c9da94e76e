// What the word list, the clues and the text blocks share: their smallest fitted size, the column
// count, the place of an entry and the baseline of a row.
#pragma once

#include <algorithm>

#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"

namespace qm {

// Make It Fit shrinks lists and text blocks down to this size.
inline constexpr int kSmallestListFontSize = 3;

// Where an entry of a list is printed: its first row and its column, both from 1.
struct ListPlace {
    int row = 1;
    int column = 1;
};

// NumColumns below 1 counts as 1; more columns than words can never be filled.
inline int usedColumns(const PrintOptions& options) { return std::clamp(options.NumColumns, 1, kMaxWords); }

// The baseline of row (from 1) of rows lineHeight high from top: a fifth of a line above the
// row's bottom.
inline double rowBaseline(double top, int row, double lineHeight) { return top + row * lineHeight - 0.2 * lineHeight; }

}  // namespace qm
