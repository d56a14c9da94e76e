// One puzzle shape: a name, a size and a 50 x 50 mask of the cells that may hold letters.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "collection/puzzle_record.h"
#include "common/stored_text.h"

namespace qm {

struct ShapeRecord {
    static constexpr std::size_t kSize = 2555;

    StoredText<50> Name;
    std::int16_t Width = 30;
    std::int16_t Height = 30;
    // Row-major, 50 bytes a row, numbered like the puzzle grid: cell n is byte n-1.
    // 1 = the cell belongs to the shape; 0 = outside it.
    PuzzleGrid Mask{};

    int usedWidth() const { return std::clamp<int>(Width, 0, kGridStride); }
    int usedHeight() const { return std::clamp<int>(Height, 0, kGridStride); }
    bool inShape(int cell) const { return Mask[cell - 1] != 0; }
};

namespace ShapeRecordOffsets {
inline constexpr std::size_t Name = 0;
inline constexpr std::size_t Width = 51;
inline constexpr std::size_t Height = 53;
inline constexpr std::size_t Mask = 55;
}  // namespace ShapeRecordOffsets

void decodeShapeRecord(std::span<const std::uint8_t, ShapeRecord::kSize> image, ShapeRecord& shape);
void encodeShapeRecord(const ShapeRecord& shape, std::span<std::uint8_t, ShapeRecord::kSize> image);

// The shape "New Layout": 30 x 30 with every one of the 2500 mask bytes set.
ShapeRecord makeNewShape();

}  // namespace qm
