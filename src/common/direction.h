// The eight directions a word may run in, clockwise from Up; the code order is also the order in
// which the generator tries them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qm {

enum class Direction : std::uint8_t { Up = 1, UpRight, Right, DownRight, Down, DownLeft, Left, UpLeft };

inline constexpr int kDirectionCount = 8;

// The allowed directions, indexed by direction code - 1.
using DirectionSet = std::array<bool, kDirectionCount>;

constexpr int directionCode(Direction direction) { return static_cast<int>(direction); }
constexpr Direction directionOfCode(int code) { return static_cast<Direction>(code); }

struct DirectionStep {
    int row;
    int column;
};

constexpr DirectionStep directionStep(Direction direction)
{
    constexpr std::array<DirectionStep, kDirectionCount> steps{{
        {-1, 0},
        {-1, +1},
        {0, +1},
        {+1, +1},
        {+1, 0},
        {+1, -1},
        {0, -1},
        {-1, -1},
    }};
    return steps[directionCode(direction) - 1];
}

// "Up", "UpRight", .. "UpLeft".
std::string_view directionName(Direction direction);
// The direction of an exact name, or nullopt.
std::optional<Direction> directionFromName(std::string_view name);

// The directions of a comma-separated list of exact names ("Right, Down"); unknown holds the
// first name that is none (an empty one too).
struct NamedDirections {
    DirectionSet allowed{};
    std::optional<std::string> unknown;
};
NamedDirections directionsFromNames(std::string_view names);

}  // namespace qm
