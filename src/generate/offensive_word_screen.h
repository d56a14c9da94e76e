// The offensive-word screen, the one the generator and the fill letters use: every entry and its
// reversal compiled into one automaton that walks each row, column and diagonal of the grid once,
// so a screen costs one table look-up a cell whatever the length of the list.
#pragma once

#include <string_view>

#include "collection/puzzle_record.h"
#include "generate/bad_word_list.h"
#include "generate/word_automaton.h"

namespace qm {

class OffensiveWordScreen {
public:
    // The list as read (built-in entries and BADLIST.TXT); its entries are raised to capitals
    // here, as grid letters are capitals and the screen compares bytes exactly.
    explicit OffensiveWordScreen(const BadWordList& list);

    // True when an entry, read forwards or backwards, runs along a row, a column or a diagonal
    // of the width x height rectangle. A cell shows its letters byte, or its fill byte when the
    // letters byte is a space.
    // An empty entry matches nothing; a cell outside the shape (byte 0) stops every match.
    bool TestBadWords(const PuzzleGrid& letters, const PuzzleGrid& fill, int width, int height) const;
    bool TestBadWords(const PuzzleRecord& record) const
    {
        return TestBadWords(record.Letters, record.FillLetters, record.usedWidth(), record.usedHeight());
    }
    // True when the word as a grid holds it (its spaces left out, its letters raised as
    // UpCaseLetter raises them) holds an entry, forwards or backwards: every grid that places the
    // word is rejected.
    bool spellsBadWord(std::string_view word) const;

private:
    WordAutomaton m_entries;
};

}  // namespace qm
