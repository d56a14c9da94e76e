// Moving one shape out of and into the shape file through a .LAY file.
#pragma once

#include <filesystem>
#include <optional>

#include "layout/shape_file.h"
#include "layout/shape_messages.h"

namespace qm {

// Writes the shape to a .LAY file; refused with "Shape could not be exported." when the file
// cannot be created.
ShapeOutcome exportShape(const ShapeRecord& shape, const std::filesystem::path& exchangeFile);

struct ShapeImport {
    ShapeOutcome outcome;
    // The shape read, also when the shape file then refused it.
    std::optional<ShapeRecord> shape;
    // The record index it was appended at, when it was.
    int index = -1;
};

// Reads a .LAY file and appends its shape to the shape file, creating that when missing. The
// name is not made unique.
ShapeImport importShape(ShapeFile shapes, const std::filesystem::path& exchangeFile);

}  // namespace qm
