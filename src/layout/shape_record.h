// One puzzle shape: a name, a size and a 50 x 50 mask of the cells that may hold letters.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "collection/puzzle_record.h"
#include "common/stored_text.h"

namespace qm {

// A stored width or height brought into the 50 x 50 mask; a negative one counts as 0.
inline int usedShapeSize(std::int16_t stored) { return std::clamp<int>(stored, 0, kGridStride); }

struct ShapeRecord {
    static constexpr std::size_t kSize = 2555;

    StoredText<50> Name;
    std::int16_t Width = 30;
    std::int16_t Height = 30;
    // Row-major, 50 bytes a row, numbered like the puzzle grid: cell n is byte n-1.
    // 1 = the cell belongs to the shape; 0 = outside it.
    PuzzleGrid Mask{};

    int usedWidth() const { return usedShapeSize(Width); }
    int usedHeight() const { return usedShapeSize(Height); }
    // Only the byte 1 puts a cell into the shape; any other value a broken file holds is outside.
    bool inShape(int cell) const { return Mask[cell - 1] == 1; }
    bool inShape(int row, int column) const { return inShape(cellNumber(row, column)); }
    void setCell(int row, int column, bool on) { Mask[cellNumber(row, column) - 1] = on ? 1 : 0; }
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

// The name the shape of a stored puzzle is listed under.
inline constexpr const char* kCurrentPuzzleShapeName = "<Current Puzzle>";

// The shape a stored puzzle was made with, rebuilt from its grid: a cell belongs to the shape
// exactly when its letter byte is not 0. Named "<Current Puzzle>".
ShapeRecord shapeOfPuzzle(const PuzzleRecord& puzzle);

}  // namespace qm
