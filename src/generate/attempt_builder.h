// One creation attempt: the words of the working record placed into a fresh grid, longest first,
// each in a random allowed direction at the first start cell that fits.
//
// Everything that is the same for every attempt of a run (the orders of the words, their letter
// texts, the shape) is worked out once. The fits of a word in a direction are worked out on the
// LetterBoard once and serve every pass, since the grid does not change until the word is placed.
// The result is the grid the cell-by-cell reading of the placement rules gives for the same
// random numbers.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/direction.h"
#include "common/random_source.h"
#include "generate/generation_settings.h"
#include "generate/letter_board.h"
#include "layout/shape_record.h"

namespace qm {

class AttemptBuilder {
public:
    // working must outlive the builder; it is never changed.
    AttemptBuilder(const PuzzleRecord& working, const ShapeRecord& shape, const GenerationSettings& settings);

    // Builds a fresh attempt and gives its score, the number of words placed. Made for
    // RandomSource and SeededRandom: the seeded source called directly costs far less than a
    // call through the interface for each of the many draws of an attempt.
    template <class Source>
    int build(Source& random);

    // The attempt's grid, finished: letters in capitals, 0 outside the shape, spaces elsewhere.
    const PuzzleGrid& letters() const { return m_letters; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The attempt as a whole record: the working record with the attempt's size, grid and word
    // order (placed words alphabetically, then the excluded ones), and its placed flags.
    void writeTo(PuzzleRecord& record, std::array<bool, kMaxWords>& placedFlags) const;

private:
    template <class Source>
    void placeWord(int position, Source& random);
    template <class Source>
    bool tryPlaceWord(int position, Direction direction, int requiredCrossings, Source& random);
    const DirectionFits& fitsOf(int position, Direction direction);
    void writeWord(int position, Direction direction, int row, int column);

    const PuzzleRecord& m_working;
    DirectionSet m_allowed;
    int m_integration;
    bool m_shrink;
    int m_fullWidth, m_fullHeight;
    int m_wordCount;                 // words of the working record
    int m_placeable;                 // the non-empty ones, which come first in length order
    std::vector<int> m_lengthOrder;  // position -> slot of the working record
    std::vector<int> m_letterStart;  // position -> first of its letters in m_letterBytes
    std::vector<int> m_letterCount;
    std::vector<std::uint8_t> m_letterBytes;  // upper-cased letters of each word, spaces left out
    std::vector<int> m_letterIndex;           // the same letters numbered for the board
    PuzzleGrid m_emptyGrid;                   // the finished grid of an attempt that placed nothing
    static constexpr int kMostLetters = 30;   // a word holds at most 30 characters
    struct ScanPlan {
        int rowOffsetRange, columnOffsetRange;
    };
    // By letter count and direction code - 1.
    std::array<std::array<ScanPlan, kDirectionCount>, kMostLetters + 1> m_plans{};
    std::array<DirectionRanges, kMostLetters + 1> m_ranges{};
    // By letter count: the allowed directions with start cells, bit code - 1.
    std::array<unsigned, kMostLetters + 1> m_searchable{};
    // When the first pass asks for crossings, every allowed direction is searched before a word
    // can do without them, so all are searched at once.
    bool m_searchAllAtOnce = false;

    // State of the attempt being built.
    std::unique_ptr<LetterBoard> m_board;
    AllDirectionFits m_fits;
    unsigned m_fitsKnown = 0;  // bit d-1: m_fits[d-1] holds the current word's fits
    std::vector<std::uint8_t> m_placed;
    std::vector<std::int16_t> m_startCell, m_endCell;
    PuzzleGrid m_letters;
    int m_width = 0, m_height = 0;
    int m_score = 0;
};

}  // namespace qm
