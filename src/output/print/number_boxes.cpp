#include "output/print/number_boxes.h"

#include <charconv>

#include "common/text_rules.h"

namespace qm {

std::optional<int> typedInteger(std::string_view text)
{
    text = trimmed(text);
    // from_chars takes a minus sign but not a plus sign.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

OptionNumber readOptionNumber(std::string_view text)
{
    if (const auto value = typedInteger(text)) return OptionNumber{*value, false};
    return OptionNumber{1, true};
}

std::optional<int> readCopyCount(std::string_view text)
{
    const auto value = typedInteger(text);
    if (!value || *value <= 0) return std::nullopt;
    return value;
}

}  // namespace qm
