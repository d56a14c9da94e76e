// Two copies of the program on one collection: each holds its own working copy and list, and a
// change the other made under its feet is refused, never written over a puzzle nobody touched.
#include <gtest/gtest.h>

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
    const StoreOutcome stored = StoreWorkingCopy(editing, first);
    EXPECT_EQ(stored.end, StoreOutcome::End::CannotSave);
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

// One program saving twice replaces its own first save.
TEST_F(TwoWindows, ASecondSaveOfTheSameCopyGoesThrough)
{
    WorkingCopy editing;
    ASSERT_TRUE(loadForModify(editing, first, 1));
    editing.record->Title.assign("Brown bears");
    ASSERT_EQ(StoreWorkingCopy(editing, first).end, StoreOutcome::End::Stored);
    editing.record->Title.assign("Grizzlies");
    ASSERT_EQ(StoreWorkingCopy(editing, first).end, StoreOutcome::End::Stored);
    EXPECT_EQ(second.ListPuzzles().PuzzleEntries[1].title, "Grizzlies");
}

}  // namespace
}  // namespace qm
