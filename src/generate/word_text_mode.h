// What a word and clue text file holds, one entry a line: the three choices of the editor's
// import and export, and the grid rows they work on.
#pragma once

#include <optional>
#include <string_view>

#include "common/text_rules.h"

namespace qm {

enum class WordTextMode { Words = 1, Clues = 2, WordsAndClues = 3 };

// Import and export look at grid rows 1..329 only: row 330 is neither filled nor listed.
inline constexpr int kWordTextRows = 329;

// The mode a stored option names, or the given one when the option holds no mode. Without clues
// only words are offered.
inline WordTextMode wordTextModeOf(int option, bool useClues, WordTextMode otherwise)
{
    if (!useClues) return WordTextMode::Words;
    if (option < 1 || option > 3) return otherwise;
    return static_cast<WordTextMode>(option);
}

// The separator the one-character edit gives: its character once trimmed, or nothing when blank.
inline std::optional<char> separatorOf(std::string_view editText)
{
    const std::string_view separator = trimmed(editText);
    if (separator.empty()) return std::nullopt;
    return separator.front();
}

}  // namespace qm
