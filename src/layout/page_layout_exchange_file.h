// The .PAG file that moves one page layout between installations: "PAG1.0" and the
// 28868-byte record.
#pragma once

#include <filesystem>

#include "collection/page_layout_record.h"
#include "common/file_faults.h"
#include "common/result.h"

namespace qm {

inline constexpr std::size_t kPageLayoutExchangeFileSize = 6 + kPageLayoutSize;

// CannotOpen when the file cannot be created.
Status writePageLayoutExchangeFile(const std::filesystem::path& path, const PageLayoutRecord& layout,
                                   const FileFaults& faults = noFileFaults());

// CannotOpen when the file cannot be opened; BadContent when it is shorter than 28874 bytes or
// does not start with "PAG" in capitals. The version text is not checked.
Result<PageLayoutRecord> readPageLayoutExchangeFile(const std::filesystem::path& path,
                                                    const FileFaults& faults = noFileFaults());

}  // namespace qm
