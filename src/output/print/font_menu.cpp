#include "output/print/font_menu.h"

#include <algorithm>

#include "output/page/object_font.h"

namespace qm {
namespace {

bool printsText(PageObjectKind kind)
{
    switch (kind) {
    case PageObjectKind::Title:
    case PageObjectKind::Puzzle:
    case PageObjectKind::Words:
    case PageObjectKind::Bonus:
    case PageObjectKind::Text:
        return true;
    case PageObjectKind::Bitmap:
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        return false;
    }
    return false;
}

}  // namespace

std::vector<FontMenuEntry> fontMenuEntries(const PageLayoutRecord& layout)
{
    std::vector<FontMenuEntry> entries;
    for (int k = 0; k < usedObjectCount(layout) && static_cast<int>(entries.size()) < kFontMenuEntries; ++k) {
        const PageObject& object = layout.Objects[static_cast<std::size_t>(k)];
        if (const auto kind = object.kind(); kind && printsText(*kind))
            entries.push_back(FontMenuEntry{k, object.Name.text() + " Font"});
    }
    return entries;
}

void setObjectFont(PageObject& object, const FontSpec& font)
{
    object.FontName.assign(font.Name);
    object.FontSize = static_cast<std::int16_t>(std::clamp(font.Size, kMinFontSize, kMaxFontSize));
    object.FontColor = static_cast<std::int32_t>(font.FontColor);
    object.FontStyle[0] = font.Bold;
    object.FontStyle[1] = font.Italic;
    object.FontStyle[2] = font.Underline;
    object.FontStyle[3] = font.StrikeOut;
}

}  // namespace qm
