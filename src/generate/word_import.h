// The rules of the editor's word and clue import: the list a text file gives, the checks of Ok
// and the filling of the grid rows with the chosen lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/refusal.h"
#include "generate/word_list_form.h"
#include "generate/word_text_mode.h"

namespace qm {

// A line of the file counts up to this many characters; the rest is not read.
inline constexpr std::size_t kImportLineLimit = 255;

// The lines the import lists: each line of the file cut to 255 characters and trimmed, blank
// lines left out, in the list's alphabetical order.
std::vector<std::string> importListLines(const std::vector<std::string>& fileLines);

// The question asked when the selected lines would take the words past 330, e.g. "Too many
// words selected.  Last 5 words will not be used.  Continue?"; nothing when they fit.
std::optional<Refusal> tooManyWordsQuestion(int wordsPresent, int linesSelected);

// Puts the selected lines, in list order, into the first rows 1..329 that fit the mode, while
// the words counted from those already present stay below 330: a word into the first row
// without a word; a clue, or a word with its clue split at the first separator, into the first
// row without word and clue. Texts are trimmed; a line no row fits is skipped. Gives the number
// of lines put in.
int importLines(WordListRows& rows, const std::vector<std::string>& selectedLines, WordTextMode mode, char separator);

}  // namespace qm
