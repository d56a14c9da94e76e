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

// The lines of a file's text that hold a word. With a separator, a line splits at its first
// separator into word and clue; a line without one is a word alone. Lines whose word is blank are
// left out.
std::vector<WordFileLine> wordFileLines(std::string_view text, std::optional<char> separator);

// Reads the file (Windows-1252, or UTF-8 as Linux editors write it) and splits it as above.
Result<std::vector<WordFileLine>> readWordFile(const std::filesystem::path& path, std::optional<char> separator);

}  // namespace qm
