// The lines along which a word can be read in a grid: every row, column and diagonal of the used
// rectangle, each walked one way (a word read the other way is found by its reversal).
#pragma once

#include <algorithm>

#include "collection/puzzle_record.h"

namespace qm {

// One line: its first cell (0-based grid index), the index step to the next cell and its cells.
struct GridLine {
    int first = 0;
    int step = 1;
    int length = 0;
};

// The four steps of the lines: along a row, down a column, down to the right, up to the right.
inline constexpr int kGridLineSteps[] = {1, kGridStride, kGridStride + 1, 1 - kGridStride};

// Calls visit(line) for each line of the width x height rectangle (clamped to the grid) until
// it returns true; gives true when one did.
template <typename Visit>
bool anyGridLine(int width, int height, Visit visit)
{
    width = std::clamp(width, 0, kGridStride);
    height = std::clamp(height, 0, kGridStride);
    auto index = [](int row, int column) { return row * kGridStride + column; };
    for (int row = 0; row < height; ++row)
        if (visit(GridLine{index(row, 0), 1, width})) return true;
    for (int column = 0; column < width; ++column)
        if (visit(GridLine{index(0, column), kGridStride, height})) return true;
    // Down to the right, from row 0 and from column 0.
    for (int column = 0; column < width; ++column)
        if (visit(GridLine{index(0, column), kGridStride + 1, std::min(height, width - column)})) return true;
    for (int row = 1; row < height; ++row)
        if (visit(GridLine{index(row, 0), kGridStride + 1, std::min(height - row, width)})) return true;
    // Up to the right, from the last row and from column 0.
    for (int column = 0; column < width; ++column)
        if (visit(GridLine{index(height - 1, column), 1 - kGridStride, std::min(height, width - column)})) return true;
    for (int row = 0; row + 1 < height; ++row)
        if (visit(GridLine{index(row, 0), 1 - kGridStride, std::min(row + 1, width)})) return true;
    return false;
}

}  // namespace qm
