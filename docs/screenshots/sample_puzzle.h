// The sample collection's first puzzle and its printed page, which several makers show.
#pragma once

#include <memory>

#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"
#include "output/page/page_file.h"
#include "output/page/text_metrics.h"

namespace qm::screenshots {

std::unique_ptr<PuzzleRecord> samplePuzzle();

// The page the status window makes of the puzzle with the options, its words scrambled from the
// seed; a page that warns or fails stops the maker.
PageFile samplePage(const PuzzleRecord& puzzle, const PrintOptions& options, const TextMetrics& metrics, int seed);

}  // namespace qm::screenshots
