// Word and clue text files: one word a line, or a word and its clue on one line split at the
// separator character. The command-line tool reads its words here, as the editor's import does.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"

namespace qm {

// Texts are Windows-1252 bytes, as typed into the editor's rows: not yet trimmed or cut.
struct WordFileLine {
    std::string word;
    std::string clue;
};

// The lines of a text file in the record code page. The file may be Windows-1252 (as Windows
// programs write it), UTF-8 (as Linux editors write it) or UTF-16 with a byte order mark; a
// character the code page has no byte for becomes "?", and the lines that held one are noted.
struct WordFileText {
    std::vector<std::string> lines;
    std::vector<int> unstorableLines;  // line numbers from 1, in order
};
WordFileText wordFileText(std::string_view contents);
Result<WordFileText> readWordFileText(const std::filesystem::path& path);

// A line split at its first separator into word and clue; a line without one is a word alone.
WordFileLine splitWordLine(std::string_view line, std::optional<char> separator);

// The lines of a file's text that hold a word, split as above. Lines whose word is blank are
// left out.
std::vector<WordFileLine> wordFileLines(std::string_view text, std::optional<char> separator);

// A whole word file read and split, with the lines that held characters the code page lacks.
struct WordFile {
    std::vector<WordFileLine> lines;
    std::vector<int> unstorableLines;
};
Result<WordFile> readWordFile(const std::filesystem::path& path, std::optional<char> separator);

}  // namespace qm
