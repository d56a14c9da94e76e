// The Change Fonts menu of the print options: one entry for each object that prints text, and
// the chosen font written back into the object.
#pragma once

#include <string>
#include <vector>

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

// The menu has room for this many entries; the ones no object fills are hidden.
inline constexpr int kFontMenuEntries = 21;

struct FontMenuEntry {
    int object = 0;       // index into the layout's Objects
    std::string caption;  // the object's name and " Font", Windows-1252

    bool operator==(const FontMenuEntry&) const = default;
};

// The Title, Puzzle, Words/Clues, Bonus question and Text objects in layout order.
std::vector<FontMenuEntry> fontMenuEntries(const PageLayoutRecord& layout);

// Writes name (cut to the field), size, colour and styles into the object's font.
void setObjectFont(PageObject& object, const FontSpec& font);

}  // namespace qm
