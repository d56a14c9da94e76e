#include "generate/ui/generation_runner.h"

#include <optional>

#include <QGuiApplication>

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

    if (settings.usedAttempts() == 1) {
        const WaitCursor waiting;
        return BuildPuzzles(working, shape, settings, screen, *random, candidates);
    }
    TCreationAttempts dialog(
        style, settings.usedAttempts(),
        [&](GenerationProgress& progress) {
            return BuildPuzzles(working, shape, settings, screen, *random, candidates, &progress);
        },
        parent);
    dialog.exec();
    return dialog.outcome();
}

}  // namespace qm
