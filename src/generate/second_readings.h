// Second readings: a placed word that can be read in the grid somewhere other than where it was
// placed, forwards or backwards along a row, a column or a diagonal. A child who finds such a copy
// is told it is wrong, so the random fill is redrawn until the fill letters make none.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "generate/word_automaton.h"

namespace qm {

struct SecondReadings {
    int total = 0;
    int usingFill = 0;  // those running through a free cell: another fill can take them away
};

// The placed words of a generated grid (words 1..WordCount with their StartCell and EndCell) and
// the word letters, read once; the fill letters are given to each count. A reading whose cells
// all lie inside the placement of a placed word (its own, or CAT inside CATS) is no second
// reading; the same word on the same cells counts once, whichever way it reads.
class SecondReadingScan {
public:
    explicit SecondReadingScan(const PuzzleRecord& record);

    // The second readings of the grid whose free cells hold these letters.
    SecondReadings count(const PuzzleGrid& fill) const;
    // The second readings made of word letters alone, as on a grid not yet filled.
    int bareCount() const;

private:
    void coverPlacement(int startCell, int endCell, int length);

    PuzzleGrid m_letters;
    int m_width, m_height;
    WordAutomaton m_words;            // each distinct letter text and its reversal, tagged by the text
    std::vector<int> m_lengthOfText;  // by tag
    // By line step (as kGridLineSteps) and cell: the most cells from this one on, in the
    // direction of that step, that lie inside one placement holding this cell.
    std::array<std::array<std::uint8_t, kGridCells>, 4> m_coveredAhead{};
};

// The letters a word occupies in the grid: its spaces left out, every letter raised.
std::string gridLetterText(std::string_view word);

}  // namespace qm
