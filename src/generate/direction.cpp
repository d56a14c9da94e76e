#include "generate/direction.h"

namespace qm {
namespace {

constexpr std::array<std::string_view, kDirectionCount> kNames{
    "Up", "UpRight", "Right", "DownRight", "Down", "DownLeft", "Left", "UpLeft",
};

}  // namespace

std::string_view directionName(Direction direction) { return kNames[directionCode(direction) - 1]; }

std::optional<Direction> directionFromName(std::string_view name)
{
    for (int code = 1; code <= kDirectionCount; ++code)
        if (kNames[code - 1] == name) return directionOfCode(code);
    return std::nullopt;
}

}  // namespace qm
