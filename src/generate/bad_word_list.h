// The list of screened words: the built-in entries and those of the user's BADLIST.TXT.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>

#include "common/stored_text.h"

namespace qm {

inline constexpr int kBuiltInBadWords = 58;
inline constexpr int kMaxBadWords = 120;
inline constexpr const char* kBadListFileName = "BADLIST.TXT";

using BadWord = StoredText<15>;

struct BadWordList {
    // Entry i (1-based) is element i-1; entries 1..58 are the built-in ones.
    std::array<BadWord, kMaxBadWords> Entries{};
    std::int32_t Count = 0;

    int usedCount() const { return std::clamp<int>(Count, 0, kMaxBadWords); }
};

// The built-in entries, in lower case.
BadWordList builtInBadWords();

// The built-in entries followed by the first lines of BADLIST.TXT in the program directory, one
// entry a line cut to 15 characters, until the list holds 120. A missing or unreadable file
// leaves the built-in entries alone. A file in UTF-8 is taken in the record code page.
BadWordList GetBadList(const std::filesystem::path& programDirectory);

// Every entry with 'a'..'z' raised to capitals and nothing else changed: grid letters are
// capitals, and the screen compares bytes exactly.
BadWordList upCasedBadWords(const BadWordList& list);

}  // namespace qm
