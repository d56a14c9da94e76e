#include "output/export_entries.h"

#include "output/jpeg_writer.h"
#include "output/number_boxes.h"

namespace qm {
namespace {

std::optional<int> wholeNumberWithin(std::string_view text, int lowest, int highest)
{
    const auto value = typedInteger(text);
    if (!value || *value < lowest || *value > highest) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> ParsePictureWidth(std::string_view text) { return wholeNumberWithin(text, 1, kWidestPicture); }

std::optional<int> ParseJpegQuality(std::string_view text)
{
    return wholeNumberWithin(text, kLowestJpegQuality, kHighestJpegQuality);
}

}  // namespace qm
