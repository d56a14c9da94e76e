// The largest puzzle the benchmarks print: the 330 words of the benchmark list, each with a clue
// of a usual length, generated once on a 30 x 30 grid on the clue-sheet layout.
#pragma once

#include <memory>

#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"

namespace qm::bench {

// Stored as the chooser stores it, the words that did not fit listed behind the placed ones.
std::unique_ptr<PuzzleRecord> largestPuzzle();

// The clues in two columns with the answer key.
PrintOptions cluesWithAnswerKey();

}  // namespace qm::bench
