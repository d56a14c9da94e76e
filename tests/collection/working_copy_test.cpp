#include "collection/working_copy.h"

#include <gtest/gtest.h>

#include "collection/puzzle_record_codec.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::TempDir;

class WorkingCopyActions : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Record 1 has placed words, a title with a copy number and a bonus question.
        test::ImageBuilder second = test::puzzleImage("Animals", "Quiz (4)");
        second.i16(PuzzleRecordOffsets::WordCount, 2)
            .text(PuzzleRecordOffsets::Words, "CAT")
            .text(PuzzleRecordOffsets::Words + 31, "DOG")
            .byte(PuzzleRecordOffsets::Placed, 1)
            .byte(PuzzleRecordOffsets::Placed + 1, 1)
            .byte(PuzzleRecordOffsets::Generated, 1)
            .text(PuzzleRecordOffsets::BonusQuestion, "Why?");
        test::writeFile(path, test::puzzleImage("Animals", "First").str() + second.str());
        copy.RecordIndex = 7;
        copy.IsNewPuzzle = true;
        copy.record->Title = "Unsaved";
    }

    TempDir dir;
    std::filesystem::path path = dir / "SCHOOL.QZ3";
    CollectionFile collection{path};
    WorkingCopy copy;
};

TEST_F(WorkingCopyActions, ModifyReplacesTheStoredRecord)
{
    ASSERT_TRUE(loadForModify(copy, collection, 1));
    EXPECT_FALSE(copy.IsNewPuzzle);
    EXPECT_EQ(copy.RecordIndex, 1);
    EXPECT_EQ(copy.record->Title.text(), "Quiz (4)");
    EXPECT_TRUE(copy.record->Placed[0]);
}

TEST_F(WorkingCopyActions, CopyIsAppendedUnderItsCopyNameWithNoWordPlaced)
{
    ASSERT_TRUE(loadForCopy(copy, collection, 1));
    EXPECT_TRUE(copy.IsNewPuzzle);
    EXPECT_EQ(copy.record->Title.text(), "Quiz (5)");
    for (const StoredBool& placed : copy.record->Placed) EXPECT_FALSE(placed);
    // Everything else stays as read.
    EXPECT_EQ(copy.record->WordCount, 2);
    EXPECT_EQ(copy.record->Words[1].text(), "DOG");
    EXPECT_TRUE(copy.record->Generated);
    EXPECT_EQ(copy.record->BonusQuestion.text(), "Why?");
}

TEST_F(WorkingCopyActions, CopyNameIsCutToTheTitleField)
{
    test::writeFile(path, test::puzzleImage("A", std::string(35, 'x')).str());
    ASSERT_TRUE(loadForCopy(copy, collection, 0));
    EXPECT_EQ(copy.record->Title.text(), std::string(35, 'x'));  // " (2)" does not fit
    test::writeFile(path, test::puzzleImage("A", "Quiz (0)").str());
    ASSERT_TRUE(loadForCopy(copy, collection, 0));
    EXPECT_EQ(copy.record->Title.text(), "Quiz (0) (2)");
}

TEST_F(WorkingCopyActions, PrintKeepsTheSaveFlags)
{
    ASSERT_TRUE(loadForPrint(copy, collection, 1));
    EXPECT_TRUE(copy.IsNewPuzzle);
    EXPECT_EQ(copy.RecordIndex, 7);
    EXPECT_TRUE(copy.record->Generated);
}

TEST_F(WorkingCopyActions, AFailedReadLeavesTheWorkingCopyAsItWas)
{
    const Status missingRecord = loadForModify(copy, collection, 2);
    ASSERT_FALSE(missingRecord);
    EXPECT_EQ(missingRecord.failure().kind, FailureKind::NoSuchRecord);
    const Status missingFile = loadForCopy(copy, CollectionFile(dir / "NONE.QZ3"), 0);
    ASSERT_FALSE(missingFile);
    EXPECT_EQ(missingFile.failure().kind, FailureKind::CannotOpen);
    EXPECT_TRUE(copy.IsNewPuzzle);
    EXPECT_EQ(copy.RecordIndex, 7);
    EXPECT_EQ(copy.record->Title.text(), "Unsaved");
}

TEST_F(WorkingCopyActions, NewPuzzleStartsEmptyWithTheLayout)
{
    ASSERT_TRUE(loadForModify(copy, collection, 1));
    PageLayoutRecord layout = makeBuiltInPageLayout();
    layout.Objects[19].Unused[27] = 0x24;
    startNewPuzzle(copy, layout);
    EXPECT_TRUE(copy.IsNewPuzzle);
    EXPECT_EQ(copy.record->WordCount, 0);
    EXPECT_TRUE(copy.record->Words[0].empty());
    EXPECT_FALSE(copy.record->Placed[0]);
    EXPECT_FALSE(copy.record->Generated);
    EXPECT_TRUE(copy.record->Title.empty());
    EXPECT_TRUE(copy.record->BonusQuestion.empty());
    EXPECT_EQ(copy.record->Layout, layout);
}

// A window works on a copy and hands it back: every field comes along, and the record is its own.
TEST_F(WorkingCopyActions, ACopyCarriesEveryFieldAndARecordOfItsOwn)
{
    ASSERT_TRUE(loadForModify(copy, collection, 1));
    copy.reselect.set("Animals", "Quiz (4)");
    WorkingCopy copied = copyOf(copy);
    EXPECT_FALSE(copied.IsNewPuzzle);
    EXPECT_EQ(copied.RecordIndex, 1);
    EXPECT_FALSE(copied.loadedBytes.empty());
    EXPECT_EQ(copied.loadedBytes, copy.loadedBytes);
    EXPECT_TRUE(copied.reselect.requested);
    EXPECT_EQ(copied.reselect.title, "Quiz (4)");
    std::vector<std::uint8_t> original(PuzzleRecord::kSize), copiedBytes(PuzzleRecord::kSize);
    encodePuzzleRecord(*copy.record, MutablePuzzleRecordImage(original.data(), PuzzleRecord::kSize));
    encodePuzzleRecord(*copied.record, MutablePuzzleRecordImage(copiedBytes.data(), PuzzleRecord::kSize));
    EXPECT_EQ(copiedBytes, original);
    copied.record->Title = "Changed";
    EXPECT_EQ(copy.record->Title.text(), "Quiz (4)");
}

}  // namespace
}  // namespace qm
