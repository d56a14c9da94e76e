#include "output/export_entries.h"

#include <charconv>

#include "common/text_rules.h"
#include "output/jpeg_writer.h"

namespace qm {
namespace {

std::optional<int> wholeNumberWithin(std::string_view text, int lowest, int highest)
{
    text = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> ParsePictureWidth(std::string_view text) { return wholeNumberWithin(text, 1, kWidestPicture); }

std::optional<int> ParseJpegQuality(std::string_view text)
{
    return wholeNumberWithin(text, kLowestJpegQuality, kHighestJpegQuality);
}

}  // namespace qm
