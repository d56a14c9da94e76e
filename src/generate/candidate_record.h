// The record of a finished grid as the chooser gets it: the working record with the grid's size
// and letters, its placed words first and the excluded ones behind them, each group alphabetical.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "collection/puzzle_record.h"

namespace qm {

// Where one word of the working record stands in a finished grid.
struct WordPlacement {
    bool placed = false;
    // Of a word left out, whatever the record should keep in its slot.
    std::int16_t startCell = 0;
    std::int16_t endCell = 0;
};

struct FinishedGrid {
    const PuzzleGrid& letters;  // capitals, 0 outside the shape, spaces elsewhere
    int width;
    int height;
};

// Shrink: trailing rows at the bottom and columns at the right that hold no word letter go, down
// to row 1 and column 1, which always stay.
void shrinkToLetters(const PuzzleGrid& letters, int& width, int& height);

// placements holds one entry for each word of the working record (slot i at element i-1);
// the entries of empty words are not read. WordCount becomes the number of placed words; the
// empty words stay behind all others in list order, keeping the working record's cells.
void writeCandidateRecord(const PuzzleRecord& working, std::span<const WordPlacement> placements,
                          const FinishedGrid& grid, PuzzleRecord& record, std::array<bool, kMaxWords>& placedFlags);

}  // namespace qm
