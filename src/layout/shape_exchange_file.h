// The .LAY file that moves one shape between installations: "LAY1.0" and the 2555-byte record.
#pragma once

#include <filesystem>

#include "common/file_faults.h"
#include "common/result.h"
#include "layout/shape_record.h"

namespace qm {

inline constexpr std::size_t kShapeExchangeFileSize = 6 + ShapeRecord::kSize;

// CannotOpen when the file cannot be created.
Status writeShapeExchangeFile(const std::filesystem::path& path, const ShapeRecord& shape,
                              const FileFaults& faults = noFileFaults());

// CannotOpen when the file cannot be opened; BadContent when it is shorter than 2561 bytes or
// does not start with "LAY" in capitals. The version text is not checked.
Result<ShapeRecord> readShapeExchangeFile(const std::filesystem::path& path, const FileFaults& faults = noFileFaults());

}  // namespace qm
