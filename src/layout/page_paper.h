// The paper sizes the designer offers and the checks of a custom page size.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "collection/page_layout_record.h"
#include "common/refusal.h"

namespace qm {

// The Paper Size list, in its order.
inline constexpr std::array<std::string_view, 7> kPaperNames = {"Letter", "Legal",     "A4",    "A5",
                                                                "B5",     "Executive", "Custom"};
inline constexpr std::string_view kCustomPaper = "Custom";

struct PaperSpec {
    double width = 0;  // portrait
    double height = 0;
    bool inches = true;
    bool warns = false;  // some printers may not print it
};

// The portrait size and unit of a listed paper; nothing for Custom and for unknown names.
std::optional<PaperSpec> standardPaper(std::string_view name);

// Chooses a paper by name: a listed paper sets its size (exchanged in landscape) and unit,
// leaving the object rectangles as they are; Custom keeps the size. Gives whether the choice
// earns the odd-size warning (A5, B5, Executive, Custom). An unknown name changes nothing.
bool choosePaper(PageLayoutRecord& layout, std::string_view name);

// Portrait or landscape: the width and height are exchanged when the orientation changes.
void setOrientation(PageLayoutRecord& layout, bool portrait);

enum class PageSide { Width, Height };

// The number a size field starts with after trimming (decimal point, C locale); nothing when it
// starts with none.
std::optional<double> leadingDecimal(std::string_view text);

// A custom width of 3..18 in or 7..46 cm, or height of 4..18 in or 10..46 cm, bounds included;
// nothing when the text holds no number in range.
std::optional<double> customPageSize(std::string_view text, PageSide side, bool inches);

// "Width must be between 3 and 18 inches.  Please re-enter width." and its three siblings.
Refusal customSizeRefusal(PageSide side, bool inches);

// A size as the size fields show it: two decimals, with a point.
std::string sizeFieldText(double size);

}  // namespace qm
