// The JSON form of a PuzzleRecord, with the field names of the record.
#pragma once

#include "cli/cli_support.h"
#include "collection/page_layout_record.h"
#include "collection/puzzle_record.h"

namespace qm::cli {

// The header fields by name and Objects, the objects 1..ObjectCount (clamped to 20) with their
// fields by name: Bounds as [Left, Top, Right, Bottom], Text up to its terminator.
Json pageLayoutHeaderJson(const PageLayoutRecord& layout);
Json pageLayoutJson(const PageLayoutRecord& layout);

// Texts are decoded to UTF-8 and cut to their field size, counts clamped to their ranges;
// the grids are 50 strings of 50 characters each.
Json puzzleRecordJson(const PuzzleRecord& record);

}  // namespace qm::cli
