#include "layout/page_paper.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "common/text_rules.h"

namespace qm {
namespace {

struct SizeRange {
    int lowest;
    int highest;
};

SizeRange customRange(PageSide side, bool inches)
{
    if (side == PageSide::Width) return inches ? SizeRange{3, 18} : SizeRange{7, 46};
    return inches ? SizeRange{4, 18} : SizeRange{10, 46};
}

}  // namespace

std::optional<PaperSpec> standardPaper(std::string_view name)
{
    if (name == "Letter") return PaperSpec{8.5, 11, true, false};
    if (name == "Legal") return PaperSpec{8.5, 14, true, false};
    if (name == "A4") return PaperSpec{21, 29.7, false, false};
    if (name == "A5") return PaperSpec{14.8, 21, false, true};
    if (name == "B5") return PaperSpec{18.2, 25.7, false, true};
    if (name == "Executive") return PaperSpec{7.25, 10.5, true, true};
    return std::nullopt;
}

bool choosePaper(PageLayoutRecord& layout, std::string_view name)
{
    if (name == kCustomPaper) {
        layout.PaperName.assign(name);
        return true;
    }
    const auto paper = standardPaper(name);
    if (!paper) return false;
    layout.PaperName.assign(name);
    layout.PageWidth = paper->width;
    layout.PageHeight = paper->height;
    layout.Inches = paper->inches;
    if (!static_cast<bool>(layout.Portrait)) std::swap(layout.PageWidth, layout.PageHeight);
    return paper->warns;
}

void setOrientation(PageLayoutRecord& layout, bool portrait)
{
    if (static_cast<bool>(layout.Portrait) == portrait) return;
    layout.Portrait = portrait;
    std::swap(layout.PageWidth, layout.PageHeight);
}

std::optional<double> leadingDecimal(std::string_view text)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) return std::nullopt;
    return value;
}

std::optional<double> customPageSize(std::string_view text, PageSide side, bool inches)
{
    const auto value = leadingDecimal(text);
    const SizeRange range = customRange(side, inches);
    // Written so that a number that is no number (nan) fails too.
    if (!value || !(*value >= range.lowest && *value <= range.highest)) return std::nullopt;
    return value;
}

Refusal customSizeRefusal(PageSide side, bool inches)
{
    const SizeRange range = customRange(side, inches);
    const std::string what = side == PageSide::Width ? "width" : "height";
    const std::string name = side == PageSide::Width ? "Width" : "Height";
    return Refusal{name + " must be between " + std::to_string(range.lowest) + " and " + std::to_string(range.highest) +
                   (inches ? " inches" : " centimeters") + ".  Please re-enter " + what + "."};
}

std::string sizeFieldText(double size)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::fixed, 2);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

}  // namespace qm
