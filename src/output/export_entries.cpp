#include "output/export_entries.h"

#include "output/jpeg_writer.h"
#include "output/number_boxes.h"
#include "output/print_options.h"

namespace qm {
namespace {

std::optional<int> typedNumberThat(std::string_view text, bool (*valid)(int))
{
    const auto value = typedInteger(text);
    if (!value || !valid(*value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<int> ParsePictureWidth(std::string_view text) { return typedNumberThat(text, validPictureWidth); }

std::optional<int> ParseJpegQuality(std::string_view text) { return typedNumberThat(text, isJpegQuality); }

}  // namespace qm
