#include "output/export/export_entries.h"

#include "output/export/jpeg_writer.h"
#include "output/print/number_boxes.h"
#include "output/print/print_options.h"

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
