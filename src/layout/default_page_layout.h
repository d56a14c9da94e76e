// The page layout a new puzzle starts with.
#pragma once

#include <filesystem>

#include "collection/page_layout_record.h"

namespace qm {

// LoadPageLayout with the Default Page setting: record defaultPage of QZFPAGE.DAT in the
// program directory (record 0 when that number is negative or not below the record count), or
// the built-in layout when the file cannot be opened or holds no records.
PageLayoutRecord loadDefaultPageLayout(const std::filesystem::path& programDirectory, int defaultPage);

}  // namespace qm
