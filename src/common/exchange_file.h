// Files that carry one record between installations: a three-letter signature, a
// three-character version text, then the raw record.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "common/file_faults.h"
#include "common/result.h"

namespace qm {

struct ExchangeFormat {
    std::string_view signature;  // three letters, compared with letter case
    std::string_view version;    // three characters, written but never checked
    std::size_t recordSize = 0;
};

// Gives the record. CannotOpen when the file cannot be opened; BadContent when it ends before
// the record is complete or its signature differs. Bytes behind the record are ignored.
Result<std::vector<std::uint8_t>> readExchangeFile(const std::filesystem::path& path, const ExchangeFormat& format,
                                                   const FileFaults& faults = noFileFaults());

// Writes signature, version and record. CannotOpen when the file cannot be created. The file
// is replaced whole, so a write that fails keeps the file that was there before.
Status writeExchangeFile(const std::filesystem::path& path, const ExchangeFormat& format,
                         std::span<const std::uint8_t> record, const FileFaults& faults = noFileFaults());

}  // namespace qm
