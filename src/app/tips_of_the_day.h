// The tips of the Tip of the Day: a text file the program ships beside itself, one tip a
// paragraph, and where the tips start at the next showing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr const char* kTipsFileName = "tips.txt";
// Longer paragraphs are not tips the dialog can show whole; they are left out.
inline constexpr std::size_t kLongestTip = 300;  // characters
// A larger file is not a tips file.
inline constexpr std::uintmax_t kLargestTipsFile = 256 * 1024;
// Shown when the tips file is missing or holds no tip.
inline constexpr const char* kFallbackTip =
    "Help | Contents (Ctrl+K) explains how to make, print and share word-search puzzles.";

// The tips of a tips file's text (UTF-8): paragraphs separated by blank lines, their lines joined
// by a blank (two after the end of a sentence). Lines starting with # are comments. A paragraph
// that is too long or holds control characters is left out.
std::vector<std::string> parseTips(std::string_view text);

// The tips of the file, read in UTF-8, UTF-16 or Windows-1252; never empty: a file that is
// missing, unreadable, too large or without a tip gives the fallback tip alone.
std::vector<std::string> loadTips(const std::filesystem::path& file);

// The tip to show first: the stored Next Tip setting, which may hold any number, wrapped into
// the list of count tips.
std::size_t firstTip(int nextTip, std::size_t count);

// The Next Tip setting after the tip at index shown was the last one seen.
int nextTipAfter(std::size_t shown, std::size_t count);

}  // namespace qm
