// The grid of an attempt as bit rows, for the placement search: per letter the cells holding it
// and the cells it cannot use (outside the shape or holding another letter). From them the
// conflict-free start cells of a word in one direction, with their crossing counts, come out of
// a few vector operations over several start rows at once instead of a test of every cell.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/direction.h"
#include "layout/shape_record.h"

namespace qm {

using BitRow = std::uint64_t;  // bit c-1 stands for column c

// The start cells of a word in one direction that keep every letter inside the rectangle.
struct StartRange {
    int rowFirst, rowLast, columnFirst, columnLast;  // 1-based, empty when first > last
    bool empty() const { return rowFirst > rowLast || columnFirst > columnLast; }
};

inline constexpr int kMostCrossingsDemanded = 4;
// Room past the last start row for the rows a vector operation covers beyond it.
inline constexpr int kFitRows = kGridStride + 8;

// The start cells of a word in one direction, a table element a start row from firstRow on.
struct DirectionFits {
    int firstRow = 0;  // 0-based
    std::array<BitRow, kFitRows> conflictFree;
    // atLeast[n-1]: the conflict-free start cells with at least n crossings; meaningful only
    // where conflictFree is not 0.
    std::array<std::array<BitRow, kFitRows>, kMostCrossingsDemanded> atLeast;
    // Whether any start cell meets a demand for crossings, by demand + 2 (demands -2..4).
    std::array<bool, kMostCrossingsDemanded + 3> anyAccepted;

    // The start cells of a row (0-based) accepted under the demand: -2 no crossing, -1 at most
    // one, 0 any, n at least n.
    BitRow accepted(int row, int demand) const
    {
        const int at = row - firstRow;
        const BitRow free = conflictFree[at];
        switch (demand) {
        case -2:
            return free & ~atLeast[0][at];
        case -1:
            return free & ~atLeast[1][at];
        case 0:
            return free;
        default:
            return free & atLeast[demand - 1][at];
        }
    }
};

using DirectionRanges = std::array<StartRange, kDirectionCount>;      // by direction code - 1
using AllDirectionFits = std::array<DirectionFits, kDirectionCount>;  // by direction code - 1

class LetterBoard {
public:
    // Letters are numbered 0..letterCount-1 by the caller. The fits come out the same with or
    // without wide vectors; these are used only where the processor has them.
    LetterBoard(int letterCount, int width, int height, const ShapeRecord& shape,
                bool wideVectors = wideVectorsAvailable());

    static bool wideVectorsAvailable();

    // Back to a grid without letters.
    void clear();
    // Puts the letter into the cell (0-based row and column).
    void write(int row, int column, int letter);

    // The fits of the word (letter numbers) in each direction of the set (bit code - 1), each in
    // its start range, which must not be empty. One call for several directions shares the work
    // they have in common.
    void findFits(unsigned directions, const int* letters, int length, const DirectionRanges& ranges,
                  AllDirectionFits& fits) const;

    // Per letter, its table rows: the grid rows, then rows that only vector reads past the last
    // start row reach.
    static constexpr int kTableRows = kGridStride + 14;

    // The tables of one row width, letter-major: letter * kTableRows + row.
    template <class Row>
    struct Tables {
        std::vector<Row> conflicts, letters;
    };

private:
    template <class Row>
    void clearTables(Tables<Row>& tables);
    template <class Row>
    void writeTables(Tables<Row>& tables, int row, int column, int letter);

    int m_letterCount;
    // Grids up to 32 columns keep a row in 32 bits, so that a vector operation covers twice the
    // start rows.
    bool m_narrow;
    bool m_wideVectors;
    std::array<BitRow, kGridStride> m_outsideShape{};
    std::array<BitRow, kGridStride> m_blocked{};
    Tables<std::uint32_t> m_narrowTables;
    Tables<std::uint64_t> m_wideTables;
};

}  // namespace qm
