// The page layout a new puzzle starts with.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>

#include "collection/puzzle_record.h"

namespace qm {

// Record defaultPage of QZFPAGE.DAT in the program directory (record 0 when that number is
// not below the record count), or the built-in layout when the file cannot be opened or holds
// no records.
std::array<std::uint8_t, kPageLayoutSize> loadDefaultPageLayout(const std::filesystem::path& programDirectory,
                                                                int defaultPage);

}  // namespace qm
