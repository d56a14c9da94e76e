// The offensive-word screen as one component: the list of screened words and the check of every
// row, column and diagonal of a grid against it. The word list editor owns one; the generator and
// the candidate chooser use it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "collection/puzzle_record.h"
#include "generate/bad_word_list.h"

namespace qm {

class OffensiveWordScreen {
public:
    OffensiveWordScreen() = default;
    // A screen over a list built elsewhere.
    explicit OffensiveWordScreen(BadWordList list) : m_list(list) {}

    // Rebuilds the list from the built-in entries and BADLIST.TXT of the program directory.
    void GetBadList(const std::filesystem::path& programDirectory);
    // Raises the entries to capitals ('a'..'z' only), as every caller does before checking.
    void UpCaseEntries();
    // The lines of the used rectangle of the record: rows, columns and the diagonals running
    // down and up to the right. A cell shows its Letters byte, or its FillLetters byte when it
    // holds a space; a cell outside the shape shows byte 0, which stops every match.
    void BuildCheckList(const PuzzleRecord& record);
    // True when the word, or the word read backwards, runs along one of the lines. An empty word
    // matches nothing.
    bool TestBad(std::string_view word) const;
    // True when any entry of the list passes TestBad; the first hit ends the test.
    bool TestBadWords() const;

    const BadWordList& list() const { return m_list; }
    const std::vector<std::string>& checkLines() const { return m_checkLines; }

private:
    BadWordList m_list;
    std::vector<std::string> m_checkLines;
};

}  // namespace qm
