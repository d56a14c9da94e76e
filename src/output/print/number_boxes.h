// What the number boxes of the print options, the copies dialog and the preview count as.
#pragma once

#include <optional>
#include <string_view>

namespace qm {

// A whole number typed into a box: blanks around it, an optional sign, decimal digits and
// nothing else. Nothing for any other text and for a number beyond an int.
std::optional<int> typedInteger(std::string_view text);

// The columns, first-letters and last-letters boxes: a box that does not hold a number counts
// as 1 and is emptied, so an empty box means 1.
struct OptionNumber {
    int value = 1;
    bool emptyTheBox = false;
};
OptionNumber readOptionNumber(std::string_view text);

// The copies box: a number of 1 or more, else nothing (the entry is refused).
std::optional<int> readCopyCount(std::string_view text);

}  // namespace qm
