#include "common/direction.h"

#include <algorithm>

#include "common/text_rules.h"

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

NamedDirections directionsFromNames(std::string_view names)
{
    NamedDirections named;
    while (!names.empty()) {
        const std::size_t comma = std::min(names.find(','), names.size());
        const std::string_view name = trimmed(names.substr(0, comma));
        names.remove_prefix(std::min(comma + 1, names.size()));
        const auto direction = directionFromName(name);
        if (!direction) {
            named.unknown = std::string(name);
            break;
        }
        named.allowed[directionCode(*direction) - 1] = true;
    }
    return named;
}

}  // namespace qm
