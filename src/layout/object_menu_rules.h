// Which commands of the designer's context menu an object of each kind offers.
#pragma once

#include <cstdint>
#include <set>

namespace qm {

enum class ObjectCommand {
    SizePosition,
    Properties,
    Border,
    Fill,
    ChangeText,
    TextAlignment,
    TextFont,
    LoadBitmap,
    Delete,
    BringToFront,
    SendToBack,
};

// The commands disabled for a stored kind. A Bitmap offers Properties for its Tile Bitmap
// choice; a kind no writer makes offers only Size & Position, Delete and the stacking commands.
std::set<ObjectCommand> disabledCommands(std::int16_t kind);

}  // namespace qm
