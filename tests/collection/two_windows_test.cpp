// Two copies of the program on one collection: each holds its own working copy and list, and a
// change the other made under its feet is refused, never written over a puzzle nobody touched.
#include <atomic>
#include <chrono>
#include <latch>
#include <thread>

#include <gtest/gtest.h>

#include "common/binary_file.h"

#include "collection/working_copy.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::collectionImage;
using test::readFile;
using test::TempDir;

class TwoWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::writeFile(path, collectionImage({{"Zoo", "Lions"}, {"Zoo", "Bears"}, {"Zoo", "Owls"}}));
    }

    TempDir dir;
    std::filesystem::path path = dir / "SCHOOL.QZ3";
    CollectionFile first{path};
    CollectionFile second{path};
};

// The first edits Owls (record 2) while the second deletes Bears: Owls now stands at 1, and
// whatever stands at 2 (nothing here) must not be replaced.
TEST_F(TwoWindows, ADeleteUnderTheFeetOfAReplaceIsRefused)
{
    WorkingCopy editing;
    ASSERT_TRUE(loadForModify(editing, first, 2));
    ASSERT_TRUE(second.DeleteListedPuzzle(1, "Bears", "Zoo"));
    test::writeFile(path, readFile(path) + test::puzzleImage("Zoo", "Untouched").str());
    const std::string before = readFile(path);

    editing.record->Title.assign("Owls edited");
    const Outcome<int> stored = StoreWorkingCopy(editing, first);
    EXPECT_EQ(stored.kind, Ending::Kind::Refused);
    EXPECT_EQ(stored.refusal.message, kChangedByAnotherProgram);
    EXPECT_EQ(readFile(path), before);
}

TEST_F(TwoWindows, ADeleteOfAListedPuzzleThatMovedIsRefused)
{
    const PuzzleList listed = first.ListPuzzles();
    ASSERT_TRUE(second.DeletePuzzle(0));
    const std::string before = readFile(path);
    const PuzzleEntry& bears = listed.PuzzleEntries[1];
    const Status deleted = first.DeleteListedPuzzle(bears.recordIndex(), bears.title, "Zoo");
    ASSERT_FALSE(deleted);
    EXPECT_EQ(deleted.failure().kind, FailureKind::ChangedElsewhere);
    EXPECT_EQ(readFile(path), before);
}

// The last puzzle, loaded or listed before another program deleted an earlier one, is now past
// the end of the file: that too is a change by another program, not a failure of the disk.
TEST_F(TwoWindows, ALastPuzzleThatMovedPastTheEndIsRefusedAsChanged)
{
    const PuzzleList listed = first.ListPuzzles();
    WorkingCopy editing;
    ASSERT_TRUE(loadForModify(editing, first, 2));
    ASSERT_TRUE(second.DeletePuzzle(0));
    const std::string before = readFile(path);

    const PuzzleEntry& last = listed.PuzzleEntries[2];
    const Status deleted = first.DeleteListedPuzzle(last.recordIndex(), last.title, "Zoo");
    ASSERT_FALSE(deleted);
    EXPECT_EQ(deleted.failure().kind, FailureKind::ChangedElsewhere);
    editing.record->Title.assign("Owls edited");
    EXPECT_EQ(StoreWorkingCopy(editing, first).refusal.message, kChangedByAnotherProgram);
    EXPECT_EQ(readFile(path), before);
}

// Both edit Bears; the first to save wins, and the other's save is refused rather than written
// over it.
TEST_F(TwoWindows, TheLaterOfTwoSavesOfOnePuzzleIsRefused)
{
    WorkingCopy mine;
    WorkingCopy theirs;
    ASSERT_TRUE(loadForModify(mine, first, 1));
    ASSERT_TRUE(loadForModify(theirs, second, 1));
    theirs.record->Title.assign("Polar bears");
    ASSERT_EQ(StoreWorkingCopy(theirs, second).kind, Ending::Kind::Done);
    const std::string saved = readFile(path);

    mine.record->Title.assign("Brown bears");
    const Outcome<int> stored = StoreWorkingCopy(mine, first);
    EXPECT_EQ(stored.kind, Ending::Kind::Refused);
    EXPECT_EQ(stored.refusal.message, kChangedByAnotherProgram);
    EXPECT_EQ(readFile(path), saved);
}

// While another program holds the collection for a write, a delete waits for it instead of
// moving records under its feet, and goes on once the other lets go.
TEST_F(TwoWindows, AWriteWaitsForTheOtherProgramsLock)
{
    auto held = BinaryFile::open(path, BinaryFile::Mode::ReadWrite);
    ASSERT_TRUE(held);
    ASSERT_TRUE(held->lock(true));
    const std::string before = readFile(path);
    std::latch waiting(1);
    std::atomic<bool> startedWaiting = false;
    std::atomic<bool> done = false;
    // Patience enough for any machine: the wait ends when the other program lets go.
    CollectionFile deleter(path, {std::chrono::minutes(1), [&](bool isWaiting) {
                                      if (isWaiting && !startedWaiting.exchange(true)) waiting.count_down();
                                  }});
    std::thread deleting([&] {
        EXPECT_TRUE(deleter.DeleteListedPuzzle(0, "Lions", "Zoo"));
        done = true;
    });
    waiting.wait();
    EXPECT_FALSE(done);
    EXPECT_EQ(readFile(path), before);
    ASSERT_TRUE(held->close());
    deleting.join();
    EXPECT_TRUE(done);
    EXPECT_EQ(first.ListPuzzles().PuzzleEntries.size(), 2u);
}

// A lock the other program keeps past the wait refuses the save as a change by another program
// instead of leaving the window waiting without end.
TEST_F(TwoWindows, ASaveRefusesALockKeptPastTheWait)
{
    WorkingCopy editing;
    ASSERT_TRUE(loadForModify(editing, first, 1));
    auto held = BinaryFile::open(path, BinaryFile::Mode::ReadWrite);
    ASSERT_TRUE(held);
    ASSERT_TRUE(held->lock(true));
    const std::string before = readFile(path);
    CollectionFile impatient(path, {std::chrono::milliseconds(100), {}});
    editing.record->Title.assign("Brown bears");
    const Outcome<int> stored = StoreWorkingCopy(editing, impatient);
    EXPECT_EQ(stored.kind, Ending::Kind::Refused);
    EXPECT_EQ(stored.refusal.message, kChangedByAnotherProgram);
    EXPECT_EQ(readFile(path), before);
}

// One program saving twice replaces its own first save.
TEST_F(TwoWindows, ASecondSaveOfTheSameCopyGoesThrough)
{
    WorkingCopy editing;
    ASSERT_TRUE(loadForModify(editing, first, 1));
    editing.record->Title.assign("Brown bears");
    ASSERT_EQ(StoreWorkingCopy(editing, first).kind, Ending::Kind::Done);
    editing.record->Title.assign("Grizzlies");
    ASSERT_EQ(StoreWorkingCopy(editing, first).kind, Ending::Kind::Done);
    EXPECT_EQ(second.ListPuzzles().PuzzleEntries[1].title, "Grizzlies");
}

}  // namespace
}  // namespace qm
