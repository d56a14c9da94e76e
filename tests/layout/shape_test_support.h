// Shapes for the layout tests, drawn as rows of '#' and '.'.
#pragma once

#include <string>
#include <vector>

#include "layout/shape_picture.h"
#include "layout/shape_record.h"
#include "support/record_images.h"

namespace qm::test {

inline ShapeRecord decodeShape(const std::vector<std::uint8_t>& bytes)
{
    ShapeRecord shape;
    decodeShapeRecord(std::span<const std::uint8_t, ShapeRecord::kSize>(bytes.data(), ShapeRecord::kSize), shape);
    return shape;
}

inline ShapeRecord shapeOf(const std::vector<std::string>& rows, std::string_view name = "Test")
{
    return decodeShape(shapeImage(name, rows).bytes());
}

inline std::vector<std::string> rowsOf(const ShapeRecord& shape) { return shapeRows(shape, '#', '.'); }

}  // namespace qm::test
