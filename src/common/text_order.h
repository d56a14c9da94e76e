// The order and equality of record texts (Windows-1252) in the program's sorted lists: letters
// compare without regard to case, and accented letters sort beside their plain letters.
#pragma once

#include <algorithm>
#include <string_view>
#include <vector>

namespace qm {

// Negative, zero or positive as a sorts before, with or after b. Only texts that are equal
// byte for byte compare as zero.
int compareListedText(std::string_view a, std::string_view b);

// Sorts entries into list order by the text textOf gives; equal texts keep their order.
template <typename Entry, typename TextOf>
void sortByListedText(std::vector<Entry>& entries, TextOf textOf)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [&](const Entry& a, const Entry& b) { return compareListedText(textOf(a), textOf(b)) < 0; });
}

// Equal apart from letter case, as a list's search for an exact entry.
bool equalsIgnoringLetterCase(std::string_view a, std::string_view b);

}  // namespace qm
