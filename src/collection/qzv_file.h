// A single-puzzle file of the previous program version (*.QZV): the letters "QZV", a length
// byte N, N bytes of text no one reads, then one OldPuzzleRecord.
#pragma once

#include <filesystem>

#include "collection/old_puzzle_record.h"
#include "common/file_faults.h"
#include "common/result.h"

namespace qm {

inline constexpr std::string_view kQzvSignature = "QZV";

// The record of the file. CannotOpen when the file cannot be opened; BadContent when the
// signature differs or the file ends before the record does. Bytes behind the record are ignored.
Result<OldPuzzleRecord> readQzvFile(const std::filesystem::path& path, const FileFaults& faults = noFileFaults());

}  // namespace qm
