// The Building Puzzles dialog of a run of 40 attempts at the 800 x 600 screen size, in the middle
// of the run and completed, and of a run at 640 x 480 aborted during its third attempt.
#include <QTest>

#include "generate/bad_word_list.h"
#include "generate/generation_fixtures.h"
#include "generate/ui/generation_run_hooks.h"
#include "generate/ui/generation_runner.h"
#include "screenshots.h"

namespace qm::screenshots {
namespace {

using test::cancelButton;
using test::FinishedDialogWatch;
using test::HookedRandom;
using test::openDialog;

// A run of 40 attempts that goes the full length.
struct Run {
    UiStyle style;
    std::unique_ptr<PuzzleRecord> working = test::overfullWorkingRecord();
    ShapeRecord shape = test::fullShape(6, 6);
    GenerationSettings settings;
    OffensiveWordScreen screen{builtInBadWords()};
    Candidates candidates;

    Run() { settings.Attempts = 40; }
    void start(RandomSource& random)
    {
        runGeneration(nullptr, style, *working, shape, settings, screen, candidates, &random);
    }
};

}  // namespace

void takeCreationAttemptsScreenshots(ScreenshotFolder& folder)
{
    {
        Run run;
        run.style.scale = 1.25;
        QString shownLine;
        bool shotRunning = false;
        HookedRandom random(7, [&](std::size_t) {
            TCreationAttempts* dialog = openDialog();
            if (!dialog || dialog->attemptLine() == shownLine) return;
            shownLine = dialog->attemptLine();
            if (shownLine != "Creation Attempt #25") return;
            folder.save(*dialog, "creation-attempts-running.png");
            shotRunning = true;
        });
        bool shotCompleted = false;
        FinishedDialogWatch watch([&](TCreationAttempts& dialog) {
            folder.save(dialog, "creation-attempts.png");
            shotCompleted = true;
        });
        run.start(random);
        require(shotRunning && shotCompleted, "the run of 40 attempts did not show its dialog");
    }
    {
        Run run;
        int drawsInAttemptThree = 0;
        HookedRandom random(11, [&](std::size_t) {
            TCreationAttempts* dialog = openDialog();
            if (dialog && dialog->attemptLine() == "Creation Attempt #3" && ++drawsInAttemptThree == 5)
                QTest::mouseClick(cancelButton(*dialog), Qt::LeftButton);
        });
        bool shotAborted = false;
        FinishedDialogWatch watch([&](TCreationAttempts& dialog) {
            folder.save(dialog, "creation-attempts-aborted.png");
            shotAborted = true;
        });
        run.start(random);
        require(shotAborted, "the aborted run did not show its dialog");
    }
}

}  // namespace qm::screenshots
