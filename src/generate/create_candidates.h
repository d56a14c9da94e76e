// What Create runs: the attempts and, with "Place Every Word" on, the packing search over the
// candidates they kept. With it off this is the attempts alone.
#pragma once

#include "generate/build_puzzles.h"
#include "generate/packing_search.h"

namespace qm {

// A run aborted during the attempts skips the search; one aborted during the search ends
// Cancelled with the candidates it has. A run whose every attempt the screen rejected is not
// searched either: its words themselves spell what the screen holds.
Outcome<GenerationRun> CreateCandidates(const PuzzleRecord& working, const ShapeRecord& shape,
                                        const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                        RandomSource& random, Candidates& candidates,
                                        GenerationProgress* attempts = nullptr, PackingProgress* packing = nullptr);

}  // namespace qm
