#include "common/text_rules.h"

#include <algorithm>
#include <limits>

namespace qm {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

}  // namespace

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string trimmedCopy(std::string_view text) { return std::string(trimmed(text)); }

std::optional<std::int64_t> leadingNumber(std::string_view text, bool skipBlanks)
{
    std::size_t pos = 0;
    if (skipBlanks)
        while (pos < text.size() && text[pos] == ' ') ++pos;
    if (pos >= text.size() || !isDigit(text[pos])) return std::nullopt;
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        const int digit = text[pos] - '0';
        value = value > (kMax - digit) / 10 ? kMax : value * 10 + digit;
    }
    return value;
}

std::string groupedNumber(std::int64_t value)
{
    const bool negative = value < 0;
    // Work on the unsigned magnitude so the smallest value has a representation.
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out.push_back(',');
        out.push_back(digits[i]);
    }
    return negative ? "-" + out : out;
}

std::string MakeCopyName(std::string_view name, std::size_t limit)
{
    const std::string_view base = trimmed(name);
    std::string result;
    const std::size_t open = base.find('(');
    bool renumbered = false;
    if (!base.empty() && base.back() == ')' && open != std::string_view::npos) {
        const std::string_view inside = base.substr(open + 1, base.size() - open - 2);
        const auto number = leadingNumber(inside);
        if (number && *number > 0) {
            const std::int64_t next = *number == std::numeric_limits<std::int64_t>::max() ? *number : *number + 1;
            result = std::string(base.substr(0, open)) + "(" + std::to_string(next) + ")";
            renumbered = true;
        }
    }
    if (!renumbered) result = std::string(base) + " (2)";
    if (result.size() > limit) result.resize(limit);
    return result;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

bool hasExtension(std::string_view path, std::string_view extension)
{
    return path.size() >= extension.size() &&
           equalsIgnoringCase(path.substr(path.size() - extension.size()), extension);
}

std::vector<std::string_view> textLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        pos = end + (crLf ? 2 : 1);
    }
    return lines;
}

}  // namespace qm
