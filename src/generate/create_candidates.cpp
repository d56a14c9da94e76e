#include "generate/create_candidates.h"

namespace qm {

Outcome<GenerationRun> CreateCandidates(const PuzzleRecord& working, const ShapeRecord& shape,
                                        const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                        RandomSource& random, Candidates& candidates, GenerationProgress* attempts,
                                        PackingProgress* packing)
{
    Outcome<GenerationRun> run = BuildPuzzles(working, shape, settings, screen, random, candidates, attempts);
    if (!settings.PlaceEveryWord || run.kind == Ending::Kind::Cancelled || run.value.EveryAttemptScreened) return run;
    const PackingLimits limits{std::chrono::seconds(settings.usedPackingSeconds())};
    if (PackCandidates(working, shape, settings, screen, random, limits, candidates, packing).kind ==
        Ending::Kind::Cancelled)
        return Outcome<GenerationRun>::cancelled(run.value);
    return run;
}

}  // namespace qm
