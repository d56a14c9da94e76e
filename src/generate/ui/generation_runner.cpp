#include "generate/ui/generation_runner.h"

#include <optional>

#include <QGuiApplication>

#include "generate/create_candidates.h"
#include "generate/ui/creation_attempts_dialog.h"

namespace qm {
namespace {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

Outcome<GenerationRun> runGeneration(QWidget* parent, const UiStyle& style, const PuzzleRecord& working,
                                     const ShapeRecord& shape, const GenerationSettings& settings,
                                     const OffensiveWordScreen& screen, Candidates& candidates, RandomSource* random)
{
    RunRandom run(random);
    random = &run.source();

    // The packing search takes seconds, so it always gets the dialog and its Abort.
    if (settings.usedAttempts() == 1 && !settings.PlaceEveryWord) {
        const WaitCursor waiting;
        return BuildPuzzles(working, shape, settings, screen, *random, candidates);
    }
    TCreationAttempts dialog(
        style, settings.usedAttempts(),
        [&](GenerationProgress& attempts, PackingProgress& packing) {
            return CreateCandidates(working, shape, settings, screen, *random, candidates, &attempts, &packing);
        },
        parent);
    dialog.exec();
    return dialog.outcome();
}

}  // namespace qm
