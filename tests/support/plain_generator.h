// The generation run read literally, as the reference the fast generator is held against: every
// cell of every start cell examined, bubble sorts, whole-record copies, the screen searching each
// line for each entry. Slow, and meant to be.
#pragma once

#include "generate/build_puzzles.h"

namespace qm::test {

// The same contract as BuildPuzzles, except that it works in the working record itself and puts
// it back when the run ends.
Outcome<GenerationRun> plainBuildPuzzles(PuzzleRecord& working, const ShapeRecord& shape,
                                         const GenerationSettings& settings, const BadWordList& badWords,
                                         RandomSource& random, Candidates& candidates);

}  // namespace qm::test
