// The sheets a page layout can name: the Windows paper codes and their portrait sizes.
#pragma once

#include <optional>
#include <string_view>

namespace qm {

enum class PaperCode : int {
    Custom = 0,
    Letter = 1,
    Legal = 5,
    Executive = 7,
    A4 = 9,
    A5 = 11,
    B5 = 13,  // JIS B5
};

enum class Orientation { Portrait, Landscape };

// Inches.
struct PaperSize {
    double width = 0;
    double height = 0;

    bool operator==(const PaperSize&) const = default;
};

// The code of a layout's paper name, compared exactly; any other name is a custom size.
PaperCode paperCodeForName(std::string_view name);

// The portrait sheet of a standard code; nothing for Custom.
std::optional<PaperSize> standardPaperSize(PaperCode code);

// The sheet as it lies in the orientation.
PaperSize orientedPaperSize(PaperSize portrait, Orientation orientation);

}  // namespace qm
