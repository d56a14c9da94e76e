// "Place Every Word": a search that goes on where the random attempts stop. From each kept
// candidate it places the words left out, shifting or removing placed words to make room, under
// the attempts' rules: the allowed directions, the shape, crossings only on equal letters, the
// word integration (0 and 1 as limits, above that a liking for crossings) and the screen.
#pragma once

#include <chrono>
#include <cstdint>

#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "generate/candidates.h"
#include "generate/generation_settings.h"
#include "generate/offensive_word_screen.h"
#include "layout/shape_record.h"

namespace qm {

// What a window showing the search gets to do; the search calls it many times a second.
class PackingProgress {
public:
    virtual ~PackingProgress() = default;
    // The best grid found so far places placed of the total words.
    virtual void packingProgress(int placed, int total) = 0;
    // True ends the search at once, keeping the best grids found.
    virtual bool stopRequested() = 0;
};

struct PackingLimits {
    std::chrono::milliseconds time{std::chrono::seconds(kDefaultPackingSeconds)};
    // Above 0, the search also ends after this many moves: bounded so, its result depends on the
    // random numbers alone, not on the speed of the machine.
    std::int64_t moves = 0;
    // How many start grids are searched side by side; 0: as many as the machine has cores.
    int threads = 0;
};

struct PackingRun {
    int Searches = 0;   // one for each start grid
    int GridsKept = 0;  // packed grids that entered the candidates
    std::int64_t Moves = 0;
};

// Each kept candidate, or an empty grid when the attempts kept none, starts one search of an
// equal share of the time (a search that places every word hands the rest of its share on);
// several search side by side on threads of their own, but only the calling thread calls
// progress.
// Every grid that places more words than its start is ranked into the candidates as an attempt
// is, marked Packed. An aborted run ends Cancelled with the grids it kept.
Outcome<PackingRun> PackCandidates(const PuzzleRecord& working, const ShapeRecord& shape,
                                   const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                   RandomSource& random, const PackingLimits& limits, Candidates& candidates,
                                   PackingProgress* progress = nullptr);

}  // namespace qm
