// The grid of an attempt as bit rows, for the placement search: per letter the cells holding it
// and the cells it cannot use (outside the shape or holding another letter). From them the
// conflict-free start cells of a word in one direction, with their crossing counts, come out of
// a few word-wide operations a row instead of a test of every cell.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "collection/puzzle_record.h"
#include "generate/direction.h"
#include "layout/shape_record.h"

namespace qm {

using BitRow = std::uint64_t;  // bit c-1 stands for column c

// The start cells of a word in one direction that keep every letter inside the rectangle.
struct StartRange {
    int rowFirst, rowLast, columnFirst, columnLast;  // 1-based, empty when first > last
    bool empty() const { return rowFirst > rowLast || columnFirst > columnLast; }
};

inline constexpr int kMostCrossingsDemanded = 4;

// The start cells of a word in one direction. Each word of the tables holds one start row, or
// two neighbouring ones (the second in the high half), from firstRow on.
struct DirectionFits {
    int firstRow = 0;   // 0-based
    int pairShift = 0;  // 1 when a word holds two rows
    std::array<BitRow, kGridStride> conflictFree;
    // atLeast[n-1]: the conflict-free start cells with at least n crossings; meaningful only
    // where conflictFree is not 0.
    std::array<std::array<BitRow, kGridStride>, kMostCrossingsDemanded> atLeast;
    // Whether any start cell meets a demand for crossings, by demand + 2 (demands -2..4).
    std::array<bool, kMostCrossingsDemanded + 3> anyAccepted;

    // The start cells of a row (0-based) accepted under the demand: -2 no crossing, -1 at most
    // one, 0 any, n at least n.
    BitRow accepted(int row, int demand) const
    {
        const int offset = row - firstRow;
        const int word = offset >> pairShift;
        const BitRow free = conflictFree[word];
        BitRow starts = 0;
        switch (demand) {
        case -2:
            starts = free & ~atLeast[0][word];
            break;
        case -1:
            starts = free & ~atLeast[1][word];
            break;
        case 0:
            starts = free;
            break;
        default:
            starts = free & atLeast[demand - 1][word];
            break;
        }
        const int half = (offset & pairShift) * 32;
        return (starts >> half) & (pairShift ? 0xFFFFFFFFu : ~BitRow(0));
    }
};

class LetterBoard {
public:
    // Letters are numbered 0..letterCount-1 by the caller.
    LetterBoard(int letterCount, int width, int height, const ShapeRecord& shape);

    // Back to a grid without letters.
    void clear();
    // Puts the letter into the cell (0-based row and column).
    void write(int row, int column, int letter);
    // The cells of a row holding letters.
    BitRow lettersOfRow(int row) const { return m_blocked[row] & ~m_outsideShape[row]; }

    // The fits of the word (letter numbers) in the direction; range must not be empty.
    void findFits(Direction direction, const int* letters, int length, const StartRange& range,
                  DirectionFits& fits) const;

private:
    template <int kRowsPerWord, int kRowStep, int kColumnStep>
    void findFitsIn(const std::vector<BitRow>& conflictTable, const std::vector<BitRow>& letterTable,
                    const int* letters, int length, const StartRange& range, DirectionFits& fits) const;

    int m_letterCount;
    int m_height;
    // Grids up to 32 columns also keep every two neighbouring rows in one word (row q in the low
    // half, row q+1 in the high half), so that one operation serves two start rows.
    bool m_pairRows;
    std::array<BitRow, kGridStride> m_outsideShape{};
    std::array<BitRow, kGridStride> m_blocked{};
    // row * letter count + letter.
    std::vector<BitRow> m_letterRows, m_conflictRows;
    std::vector<BitRow> m_letterPairs, m_conflictPairs;
};

}  // namespace qm
