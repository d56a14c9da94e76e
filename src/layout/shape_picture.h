// Shapes as text pictures: one line a row, one character a cell.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "layout/shape_record.h"

namespace qm {

// Reads a picture: a first line "Name: <name>", then the rows, '#' for a cell of the shape and
// '.' for one outside it, all rows equally long (1..50 rows of 1..50 cells). Blank lines and
// lines starting with ';' are skipped. A picture that breaks these rules gives BadContent with
// the line at fault; source names the picture in that message.
Result<ShapeRecord> parseShapePicture(std::string_view text, const std::filesystem::path& source);

// The rows 1..Height of the mask, each columns 1..Width, as the characters given; the sizes are
// clamped to the 50 x 50 mask first.
std::vector<std::string> shapeRows(const ShapeRecord& shape, char inside, char outside);

}  // namespace qm
