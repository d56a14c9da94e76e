// Puzzles written as readable text, from which the build makes the sample collection: the words
// and clues, where the puzzle goes, and how it is generated, so the same text and seed always
// give the same grid.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
#include "generate/generation_settings.h"
#include "generate/word_list_form.h"

namespace qm {

// Lines of "Key: value" (blank lines and lines starting with ';' are skipped), then the words:
//   Category: Animals          Title: Farm Animals         Bonus: Which animal gives wool?
//   Shape: 1                   (a record of the shape file, from 0)
//   Layout: 0                  (a record of the page layout file, from 0)
//   Attempts: 1..999           Integration: 0..6 (default 6)        Shrink: yes | no
//   Directions: Right, Down    (default all eight)                  Seed: 12345
//   Phrase: TEXT               (the hidden phrase; without it the free cells get random letters)
//   Words:                     then one "WORD: clue" a line to the end of the text
// Texts are Windows-1252 bytes. Anything else gives BadContent with the line at fault; source
// names the text in that message.
struct PuzzleDescription {
    WordListForm form;  // title, category, bonus question, rows and the Attempts text
    GenerationSettings settings;
    int shapeIndex = 0;
    int layoutIndex = 0;
    std::uint64_t seed = 0;
    std::optional<std::string> phrase;
};

Result<PuzzleDescription> parsePuzzleDescription(std::string_view text, const std::filesystem::path& source);

}  // namespace qm
