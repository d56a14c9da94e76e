// The JSON form of a PuzzleRecord, with the field names of the record.
#pragma once

#include "cli/cli_support.h"
#include "collection/puzzle_record.h"

namespace qm::cli {

// Texts are decoded to UTF-8 and cut to their field size, counts clamped to their ranges;
// the grids are 50 strings of 50 characters each.
Json puzzleRecordJson(const PuzzleRecord& record);

}  // namespace qm::cli
