#include "generate/build_puzzles.h"

#include "generate/attempt_builder.h"

namespace qm {

Outcome<GenerationRun> BuildPuzzles(const PuzzleRecord& working, const ShapeRecord& shape,
                                    const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                    RandomSource& random, Candidates& candidates, GenerationProgress* progress)
{
    const int attempts = settings.usedAttempts();
    const int wordCount = working.usedWordCount();
    for (auto& slot : candidates.Slots) slot.Score = 0;

    PuzzleGrid noFillLetters;  // the free cells hold no fill letters while a grid is generated
    noFillLetters.fill(' ');
    AttemptBuilder attempt(working, shape, settings);
    SeededRandom* const seeded = dynamic_cast<SeededRandom*>(&random);

    GenerationRun run;
    bool aborted = false;
    int& counter = run.AttemptCounter;
    do {
        ++counter;
        if (progress) progress->attemptStarting(counter);
        const int score = seeded ? attempt.build(*seeded) : attempt.build(random);
        ++run.AttemptsMade;
        if (screen.TestBadWords(attempt.letters(), noFillLetters, attempt.width(), attempt.height())) {
            --counter;
            ++run.RejectedAttempts;
        } else if (const int slot = makeRoomForAttempt(candidates, score); slot >= 0) {
            attempt.writeTo(*candidates.Slots[slot].Record, candidates.Slots[slot].PlacedFlags);
            candidates.Slots[slot].Packed = false;
        }
        // Four grids holding every word: no later attempt can do better.
        if (candidates.Slots[kCandidateSlots - 1].Score == wordCount) counter = attempts;
        if (progress && progress->abortRequested()) aborted = true;
        if (run.RejectedAttempts >= rejectedAttemptLimit(attempts)) run.RejectionLimitReached = true;
    } while (counter != attempts && !aborted && !run.RejectionLimitReached);

    // Told after the run, from the words alone, so the attempts draw what they always drew.
    run.EveryAttemptScreened = run.RejectedAttempts == run.AttemptsMade;
    if (run.EveryAttemptScreened)
        for (int slot = 1; slot <= wordCount && run.ScreenedWord == 0; ++slot)
            if (screen.spellsBadWord(working.Words[slot - 1].view())) run.ScreenedWord = slot;
    return aborted ? Outcome<GenerationRun>::cancelled(run) : Outcome<GenerationRun>::done(run);
}

}  // namespace qm
