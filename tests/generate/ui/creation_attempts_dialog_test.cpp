// The progress dialog of a generation run and the way the editor starts a run, on the real
// generator: design and scale, the lines it shows, Abort after the attempt in progress, Ok, and
// the single attempt under the wait cursor.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include "generate/generation_fixtures.h"
#include "generate/ui/creation_attempts_dialog.h"
#include "generate/ui/generation_run_hooks.h"
#include "generate/ui/generation_runner.h"

namespace qm {
namespace {

using test::cancelButton;
using test::FinishedDialogWatch;
using test::HookedRandom;
using test::openDialog;
using test::workingRecord;

// The leftmost dark pixel of the band of rows [top, bottom) of the picture, or -1.
int leftmostInk(const QImage& image, int top, int bottom)
{
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (image.pixelColor(x, y).lightness() < 100) return x;
    return -1;
}

class CreationAttemptsTest : public ::testing::Test {
protected:
    CreationAttemptsTest()
    {
        working = test::overfullWorkingRecord();
        shape = test::fullShape(6, 6);
        settings.Attempts = 40;
    }

    UiStyle style;
    std::unique_ptr<PuzzleRecord> working;
    ShapeRecord shape;
    GenerationSettings settings;
    OffensiveWordScreen screen{builtInBadWords()};
    Candidates candidates;
};

TEST_F(CreationAttemptsTest, DesignAndScale)
{
    struct Case {
        double scale;
        QSize client;
        QRect button;
        int fontPixels, buttonFontPixels;
    };
    const Case cases[] = {
        {1.0, {323, 106}, {125, 76, 80, 21}, 19, 12},
        {1.25, {404, 133}, {156, 95, 100, 26}, 24, 15},
        {2.0, {646, 212}, {250, 152, 160, 42}, 38, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.scale);
        style.scale = c.scale;
        TCreationAttempts dialog(style, 3,
                                 [](GenerationProgress&, PackingProgress&) { return Outcome<GenerationRun>{}; });
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), "Building Puzzles");
        EXPECT_EQ(dialog.size(), c.client);
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
        EXPECT_EQ(dialog.font().pixelSize(), c.fontPixels);
        QPushButton* button = cancelButton(dialog);
        EXPECT_EQ(button->text(), "&Abort");
        EXPECT_EQ(button->geometry(), c.button);
        EXPECT_EQ(button->font().pixelSize(), c.buttonFontPixels);
        EXPECT_TRUE(dialog.attemptLine().isEmpty());
        EXPECT_TRUE(dialog.completionLine().isEmpty());
    }
}

TEST_F(CreationAttemptsTest, ARunShowsEachAttemptThenCompletedAndOk)
{
    style.scale = 1.25;
    QStringList attemptLines;
    int lastBarValue = -1;
    bool barRose = true;
    HookedRandom random(7, [&](std::size_t) {
        TCreationAttempts* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        if (attemptLines.isEmpty() || attemptLines.back() != dialog->attemptLine())
            attemptLines << dialog->attemptLine();
        const int value = dialog->findChild<QProgressBar*>("Progress")->value();
        barRose = barRose && value >= lastBarValue;
        lastBarValue = value;
    });
    bool checked = false;
    FinishedDialogWatch watch([&](TCreationAttempts& dialog) {
        checked = true;
        EXPECT_EQ(dialog.attemptLine(), "Creation Attempt #40");
        EXPECT_EQ(dialog.completionLine(), "Completed");
        EXPECT_EQ(cancelButton(dialog)->text(), "&Ok");
        EXPECT_FALSE(dialog.findChild<QProgressBar*>("Progress")->isVisible());
        const QImage picture = dialog.grab().toImage();
        // The lines are drawn by their top left corners at the scaled design positions.
        EXPECT_NEAR(leftmostInk(picture, 25, 50), 94, 3);   // 75 x 1.25
        EXPECT_NEAR(leftmostInk(picture, 56, 85), 144, 3);  // 115 x 1.25
    });
    const Outcome<GenerationRun> outcome =
        runGeneration(nullptr, style, *working, shape, settings, screen, candidates, &random);
    EXPECT_TRUE(checked);
    EXPECT_NE(outcome.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(outcome.value.AttemptCounter, 40);
    EXPECT_GT(candidates.Slots[3].Score, 0);
    EXPECT_EQ(attemptLines.front(), "Creation Attempt #1");
    EXPECT_EQ(attemptLines.back(), "Creation Attempt #40");
    EXPECT_TRUE(barRose);
    EXPECT_EQ(openDialog(), nullptr);  // Ok closed it

    // The run with the dialog gives what the same run without one gives.
    Candidates direct;
    SeededRandom same(7);
    BuildPuzzles(*working, shape, settings, screen, same, direct);
    for (int slot = 0; slot < kCandidateSlots; ++slot) {
        EXPECT_EQ(candidates.Slots[slot].Score, direct.Slots[slot].Score);
        EXPECT_EQ(test::recordBytes(*candidates.Slots[slot].Record), test::recordBytes(*direct.Slots[slot].Record));
    }
}

// A click in the middle of attempt 3 is honoured once that attempt is complete: the candidates
// are those of a run of 3 attempts.
TEST_F(CreationAttemptsTest, AbortTakesEffectAfterTheAttemptInProgress)
{
    int drawsInAttemptThree = 0;
    bool clicked = false;
    HookedRandom random(11, [&](std::size_t) {
        TCreationAttempts* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        if (dialog->attemptLine() != "Creation Attempt #3") return;
        if (++drawsInAttemptThree == 5 && !clicked) {
            clicked = true;
            QTest::mouseClick(cancelButton(*dialog), Qt::LeftButton);
            EXPECT_EQ(cancelButton(*dialog)->text(), "&Abort");
            EXPECT_TRUE(dialog->isVisible());
            // Closing the window during the run asks for the abort too; it stays open.
            QTest::keyClick(dialog, Qt::Key_Escape);
            EXPECT_TRUE(dialog->isVisible());
        }
    });
    bool checked = false;
    FinishedDialogWatch watch([&](TCreationAttempts& dialog) {
        checked = true;
        EXPECT_EQ(dialog.attemptLine(), "Aborted on creation Attempt #3");
        EXPECT_TRUE(dialog.completionLine().isEmpty());
        EXPECT_EQ(cancelButton(dialog)->text(), "&Ok");
        EXPECT_EQ(dialog.findChild<QProgressBar*>("Progress")->value(), 3);
        const QImage picture = dialog.grab().toImage();
        EXPECT_NEAR(leftmostInk(picture, 20, 40), 25, 3);
    });
    const Outcome<GenerationRun> outcome =
        runGeneration(nullptr, style, *working, shape, settings, screen, candidates, &random);
    ASSERT_TRUE(clicked);
    EXPECT_TRUE(checked);
    EXPECT_EQ(outcome.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(outcome.value.AttemptCounter, 3);
    EXPECT_GT(drawsInAttemptThree, 5);  // the attempt went on after the click

    GenerationSettings three = settings;
    three.Attempts = 3;
    Candidates direct;
    SeededRandom same(11);
    BuildPuzzles(*working, shape, three, screen, same, direct);
    for (int slot = 0; slot < kCandidateSlots; ++slot) {
        EXPECT_EQ(candidates.Slots[slot].Score, direct.Slots[slot].Score);
        if (direct.Slots[slot].Score > 0) {
            EXPECT_EQ(test::recordBytes(*candidates.Slots[slot].Record), test::recordBytes(*direct.Slots[slot].Record));
        }
    }
}

TEST_F(CreationAttemptsTest, ASingleAttemptRunsWithoutTheDialogUnderTheWaitCursor)
{
    settings.Attempts = 1;
    bool sawWaitCursor = true;
    bool sawDialog = false;
    HookedRandom random(3, [&](std::size_t) {
        sawWaitCursor = sawWaitCursor && QGuiApplication::overrideCursor() &&
                        QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        sawDialog = sawDialog || QApplication::activeModalWidget() != nullptr;
    });
    const Outcome<GenerationRun> outcome =
        runGeneration(nullptr, style, *working, shape, settings, screen, candidates, &random);
    EXPECT_TRUE(sawWaitCursor);
    EXPECT_FALSE(sawDialog);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(outcome.value.AttemptCounter, 1);
    EXPECT_GT(candidates.Slots[0].Score, 0);
    EXPECT_EQ(candidates.Slots[1].Score, 0);
}

// The packing search takes seconds: even after a single attempt it runs in the dialog, which
// shows the words placed as they grow.
TEST_F(CreationAttemptsTest, PlaceEveryWordRunsInTheDialogAndShowsTheWordsPlaced)
{
    settings.Attempts = 1;
    settings.PlaceEveryWord = true;
    settings.PackingSeconds = 1;
    // The search draws random numbers of its own, so the dialog is read while it lets events in.
    QStringList lines;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, [&] {
        if (TCreationAttempts* dialog = openDialog(); dialog && !lines.contains(dialog->attemptLine()))
            lines << dialog->attemptLine();
    });
    reader.start(1);
    SeededRandom random(3);
    FinishedDialogWatch watch([](TCreationAttempts& dialog) { EXPECT_EQ(dialog.completionLine(), "Completed"); });
    const Outcome<GenerationRun> outcome =
        runGeneration(nullptr, style, *working, shape, settings, screen, candidates, &random);
    EXPECT_EQ(outcome.kind, Ending::Kind::Done);
    EXPECT_FALSE(lines.filter(QRegularExpression("^Placing words: \\d of 8$")).isEmpty())
        << lines.join("|").toStdString();
    EXPECT_GT(candidates.Slots[0].Score, 0);
}

// Four grids holding every word end the run early; the dialog then shows the last number asked for.
TEST_F(CreationAttemptsTest, AnEarlyEndShowsTheLastAttemptNumber)
{
    working = workingRecord({"horse", "zebra"}, 9, 9);
    shape = test::fullShape(9, 9);
    int attemptsStarted = 0;
    HookedRandom random(5, [&](std::size_t) {
        attemptsStarted = std::max(attemptsStarted, openDialog()->attemptLine().mid(18).toInt());
    });
    FinishedDialogWatch watch([](TCreationAttempts& dialog) {
        EXPECT_EQ(dialog.attemptLine(), "Creation Attempt #40");
        EXPECT_EQ(dialog.completionLine(), "Completed");
    });
    const Outcome<GenerationRun> outcome =
        runGeneration(nullptr, style, *working, shape, settings, screen, candidates, &random);
    EXPECT_EQ(attemptsStarted, 4);
    EXPECT_EQ(outcome.value.AttemptsMade, 4);
}

// Without a random source of its own the run draws from the clock and still ends.
TEST_F(CreationAttemptsTest, ARunWithoutDirectionsEndsWithEmptySlots)
{
    settings.Allowed.fill(false);
    FinishedDialogWatch watch([](TCreationAttempts& dialog) { EXPECT_EQ(dialog.completionLine(), "Completed"); });
    const Outcome<GenerationRun> outcome = runGeneration(nullptr, style, *working, shape, settings, screen, candidates);
    EXPECT_EQ(outcome.value.AttemptCounter, 40);
    for (const auto& slot : candidates.Slots) EXPECT_EQ(slot.Score, 0);
}

}  // namespace
}  // namespace qm
