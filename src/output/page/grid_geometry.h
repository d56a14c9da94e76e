// The cells of the letter grid on the sheet: square, and centred in the Puzzle object's box along
// its longer side; and the cells of the shape.
#pragma once

#include <cstdint>
#include <functional>

#include "collection/puzzle_record.h"
#include "output/page/report_target.h"

namespace qm {

struct GridGeometry {
    double left = 0;
    double top = 0;
    double cellWidth = 0;
    double cellHeight = 0;

    // The box of the cell in row r, column q (both from 1).
    PageBox cell(int row, int column) const
    {
        return {left + (column - 1) * cellWidth, top + (row - 1) * cellHeight, left + column * cellWidth,
                top + row * cellHeight};
    }
};

// columns and rows are at least 1.
inline GridGeometry gridGeometry(const PageBox& box, int columns, int rows)
{
    GridGeometry grid{box.left, box.top, box.width() / columns, box.height() / rows};
    if (grid.cellWidth < grid.cellHeight) {
        grid.cellHeight = grid.cellWidth;
        grid.top += (box.height() - rows * grid.cellWidth) / 2;
    } else if (grid.cellHeight < grid.cellWidth) {
        grid.cellWidth = grid.cellHeight;
        grid.left += (box.width() - columns * grid.cellHeight) / 2;
    }
    return grid;
}

// Calls visit with the row, column and Letters byte of every cell of the shape inside the grid's
// used width and height.
inline void forEachShapeCell(const PuzzleRecord& record, const std::function<void(int, int, std::uint8_t)>& visit)
{
    for (int row = 1; row <= record.usedHeight(); ++row)
        for (int column = 1; column <= record.usedWidth(); ++column) {
            const std::uint8_t letter = record.Letters[cellNumber(row, column) - 1];
            if (letter != 0) visit(row, column, letter);
        }
}

}  // namespace qm
