// The offensive-word screen read plainly, line by line: every row, column and diagonal of the
// grid as a string, searched for each entry and its reversal. A test oracle for the program's
// one-pass screen, and the screen of the plain reading of the generator.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "collection/puzzle_record.h"
#include "generate/bad_word_list.h"

namespace qm::test {

class PlainScreen {
public:
    // Raises the entries to capitals, as the program's screen does.
    explicit PlainScreen(const BadWordList& list);

    // The lines of the used rectangle of the record: rows, columns and the diagonals running
    // down and up to the right. A cell shows its Letters byte, or its FillLetters byte when it
    // holds a space; a cell outside the shape shows byte 0, which stops every match.
    void BuildCheckList(const PuzzleRecord& record);
    // True when the word, or the word read backwards, runs along one of the lines. An empty word
    // matches nothing.
    bool TestBad(std::string_view word) const;
    // True when any entry of the list passes TestBad.
    bool TestBadWords() const;

    const std::vector<std::string>& checkLines() const { return m_checkLines; }

private:
    BadWordList m_list;
    std::vector<std::string> m_checkLines;
};

// Builds the lines of the record and tests every entry.
bool plainScreenFinds(const BadWordList& list, const PuzzleRecord& record);

}  // namespace qm::test
