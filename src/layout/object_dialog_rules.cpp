#include "layout/object_dialog_rules.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "common/text_rules.h"
#include "layout/page_designer_messages.h"
#include "layout/shape_editor.h"

namespace qm {
namespace {

namespace M = PageDesignerMessages;

std::int32_t clampedPixels(double value)
{
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

}  // namespace

std::optional<double> completeDecimal(std::string_view text)
{
    text = trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5) return lower;
    if (fraction > 0.5) return lower + 1;
    return std::fmod(lower, 2) == 0 ? lower : lower + 1;
}

std::string unitFieldText(std::int64_t pixels, int pixelsPerUnit)
{
    char buffer[64];
    const double value = static_cast<double>(pixels) / pixelsPerUnit;
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

SizeLocationTexts sizeLocationTexts(const PageBounds& b, int p)
{
    return {unitFieldText(b.Left, p), unitFieldText(b.Top, p),
            unitFieldText(static_cast<std::int64_t>(b.Right) - b.Left, p),
            unitFieldText(static_cast<std::int64_t>(b.Bottom) - b.Top, p)};
}

std::variant<PageBounds, FieldRefusal> boundsFromFields(const SizeLocationTexts& texts, int p)
{
    const auto left = completeDecimal(texts.left);
    if (!left || *left < 0) return FieldRefusal{SizeLocationField::Left, M::InvalidLeft};
    const auto top = completeDecimal(texts.top);
    if (!top || *top < 0) return FieldRefusal{SizeLocationField::Top, M::InvalidTop};
    const auto width = completeDecimal(texts.width);
    if (!width || *width <= 0) return FieldRefusal{SizeLocationField::Width, M::InvalidWidth};
    const auto height = completeDecimal(texts.height);
    if (!height || *height <= 0) return FieldRefusal{SizeLocationField::Height, M::InvalidHeight};

    PageBounds bounds;
    bounds.Left = clampedPixels(roundHalfEven(*left * p));
    bounds.Top = clampedPixels(roundHalfEven(*top * p));
    bounds.Right = clampedPixels(bounds.Left + roundHalfEven(*width * p));
    bounds.Bottom = clampedPixels(bounds.Top + roundHalfEven(*height * p));
    return bounds;
}

bool placesOffPage(const PageBounds& bounds, int pixelWidth, int pixelHeight)
{
    return !(bounds.Left < pixelWidth && bounds.Top < pixelHeight);
}

std::optional<int> positiveWholeField(std::string_view text)
{
    const int value = sizeFieldValue(text);
    if (value <= 0) return std::nullopt;
    return value;
}

}  // namespace qm
