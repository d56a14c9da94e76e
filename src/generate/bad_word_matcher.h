// The offensive-word screen in one pass over the grid: every entry and its reversal compiled
// into one automaton that walks each row, column and diagonal once. It finds exactly what the
// line-by-line search of OffensiveWordScreen finds, at a small part of its cost, which matters to
// the generator that screens every attempt.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "collection/puzzle_record.h"
#include "generate/bad_word_list.h"

namespace qm {

class BadWordMatcher {
public:
    // The entries are taken as they are; callers raise them to capitals first.
    explicit BadWordMatcher(const BadWordList& list);

    // True when an entry, read forwards or backwards, runs along a row, a column or a diagonal
    // of the width x height rectangle. A cell shows its letters byte, or its fill byte when the
    // letters byte is a space.
    bool occursIn(const PuzzleGrid& letters, const PuzzleGrid& fill, int width, int height) const;
    bool occursIn(const PuzzleRecord& record) const
    {
        return occursIn(record.Letters, record.FillLetters, record.usedWidth(), record.usedHeight());
    }

private:
    void addPattern(const std::uint8_t* begin, std::size_t length, int step);
    void buildTransitions();
    bool lineMatches(const PuzzleGrid& letters, const PuzzleGrid& fill, int cell, int step, int length) const;

    // Bytes that occur in no entry share class 0, which always leads back to the start state.
    std::array<std::uint16_t, 256> m_class{};
    int m_classes = 1;
    // Trie edges while building, then the full transition table: state * m_classes + class.
    std::vector<std::int32_t> m_next;
    std::vector<std::uint8_t> m_accepting;
};

}  // namespace qm
