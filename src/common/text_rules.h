// Small text rules shared by every subsystem: trimming, leading numbers, grouped numbers and
// the names given to copies.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Removes leading and trailing blanks (spaces and control characters, as the platform's trim).
std::string_view trimmed(std::string_view text);
std::string trimmedCopy(std::string_view text);

// The whole number formed by the digits at the start of the text, after leading blanks when
// skipBlanks is set; nullopt when there is no digit. Saturates instead of overflowing.
std::optional<std::int64_t> leadingNumber(std::string_view text, bool skipBlanks = true);

// A number in decimal with "," between groups of three digits: 1,234,567.
std::string groupedNumber(std::int64_t value);

// The name of a copy: "Name" becomes "Name (2)", "Name (n)" becomes "Name (n+1)"; the result is
// cut to limit characters.
std::string MakeCopyName(std::string_view name, std::size_t limit);

// The lines of a text, each ending at CR LF, LF or CR (files come from any system); a line end at
// the very end of the text starts no further line.
std::vector<std::string_view> textLines(std::string_view text);

// ASCII-only case-insensitive comparison, as the platform's text compare for file names.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// True when the path's extension, dot included, equals the given one in any letter case.
bool hasExtension(std::string_view path, std::string_view extension);

}  // namespace qm
