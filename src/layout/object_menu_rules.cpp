#include "layout/object_menu_rules.h"

#include "collection/page_layout_record.h"

namespace qm {

std::set<ObjectCommand> disabledCommands(std::int16_t kind)
{
    using C = ObjectCommand;
    const auto known = knownKind(kind);
    if (!known) return {C::Properties, C::Border, C::Fill, C::ChangeText, C::TextAlignment, C::TextFont, C::LoadBitmap};
    switch (*known) {
    case PageObjectKind::Title:
    case PageObjectKind::Bonus:
        return {C::ChangeText, C::LoadBitmap, C::Fill};
    case PageObjectKind::Puzzle:
        return {C::ChangeText, C::TextAlignment, C::LoadBitmap, C::Border, C::Fill};
    case PageObjectKind::Words:
        return {C::ChangeText, C::TextAlignment, C::LoadBitmap, C::Fill};
    case PageObjectKind::Text:
        return {C::LoadBitmap, C::Fill};
    case PageObjectKind::Bitmap:
        return {C::TextFont, C::ChangeText, C::TextAlignment, C::Fill};
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        return {C::Properties, C::ChangeText, C::TextFont, C::TextAlignment, C::LoadBitmap};
    }
    return {};
}

}  // namespace qm
