// A generation run: the requested number of creation attempts, each screened for offensive words,
// the four best kept as the candidates.
#pragma once

#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "generate/candidates.h"
#include "generate/generation_settings.h"
#include "generate/offensive_word_screen.h"
#include "layout/shape_record.h"

namespace qm {

// What a window showing the progress of a run gets to do; the run calls it between attempts.
class GenerationProgress {
public:
    virtual ~GenerationProgress() = default;
    // Attempt number attemptNumber is about to be made (a rejected attempt's number comes again).
    virtual void attemptStarting(int attemptNumber) = 0;
    // After each attempt: true ends the run, keeping the candidates found so far.
    virtual bool abortRequested() = 0;
};

// Attempts the screen rejects do not count, so a word list in which a word itself holds a
// screened word would never reach its number of attempts. A run ends once it has rejected
// this many attempts, with the candidates it has.
constexpr int rejectedAttemptLimit(int attempts) { return 100 + 10 * attempts; }

// The counters of a run. A run the user aborts ends Cancelled, with the candidates found so far;
// any other run is Done, even one that kept no candidate.
struct GenerationRun {
    int AttemptCounter = 0;  // the attempt number the progress dialog shows at the end
    bool RejectionLimitReached = false;
    int AttemptsMade = 0;  // rejected ones included
    int RejectedAttempts = 0;
    // The screen rejected every attempt made, so the run kept no candidate.
    bool EveryAttemptScreened = false;
    // Then the first word of the working record (1..WordCount) that spells a screened word by
    // itself, or 0 when none does and the crossings of the words spelled them.
    int ScreenedWord = 0;
};

// One run over the words of the working record (its Width, Height, WordCount, Words and Clues),
// inside the mask of the shape, each attempt put to the offensive-word screen. The four slots are
// emptied (Score 0) and refilled; the working record is only read. progress may be null (a single
// attempt is made without a dialog).
Outcome<GenerationRun> BuildPuzzles(const PuzzleRecord& working, const ShapeRecord& shape,
                                    const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                    RandomSource& random, Candidates& candidates,
                                    GenerationProgress* progress = nullptr);

}  // namespace qm
