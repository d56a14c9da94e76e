// Puzzles and shapes of the previous program version: the old record read at its offsets, the
// conversion, .QZV files and the start-up conversion of the old data files.
#include <cerrno>

#include <gtest/gtest.h>

#include "app/old_data_conversion.h"
#include "collection/old_puzzle_record.h"
#include "collection/puzzle_transfer.h"
#include "support/planned_file_faults.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::oldPuzzleImage;
using test::OldWord;
using test::qzvFileImage;
using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kOldRecord = 10809;
constexpr std::size_t kRecord = PuzzleRecord::kSize;

PageLayoutRecord layoutNamed(const char* name)
{
    PageLayoutRecord layout;
    layout.Name = name;
    return layout;
}

// A puzzle of the previous version on a 5 x 5 grid: three words placed, and behind the word
// count a fourth slot that still holds a word of an earlier list.
test::ImageBuilder zooImage()
{
    return oldPuzzleImage("A Day at the Zoo with the Animals of the Savannah", 5,
                          {"LIONX", "QAPEW", "EMUZT", "KQRST", "UVWXY"},
                          {{"LION", 1, 4}, {"APE", 52, 54}, {"EMU", 101, 103}, {"STALE", 7, 9}}, 3);
}

class OldPuzzleTest : public ::testing::Test {
protected:
    OldPuzzleImport importQzv(const std::string& contents)
    {
        writeFile(qzv, contents);
        return importOldPuzzle(qzv, layout, working, collection);
    }

    std::unique_ptr<PuzzleRecord> stored(int index) const
    {
        auto record = collection.ReadPuzzle(index);
        return record ? std::move(*record) : nullptr;
    }

    TempDir dir;
    std::filesystem::path qzv = dir / "ZOO.QZV";
    CollectionFile collection{dir / "SCHOOL.QZ3"};
    PageLayoutRecord layout = layoutNamed("Letter worksheet");
    WorkingCopy working;
};

TEST_F(OldPuzzleTest, AQzvPuzzleIsConvertedFieldByFieldAndAppended)
{
    writeFile(collection.path(), test::collectionImage({{"Birds", "Owls"}}));
    working.record->HiddenPhraseUsed = true;
    working.record->FillLetters.fill('Z');
    working.IsNewPuzzle = false;

    const OldPuzzleImport imported = importQzv(qzvFileImage("Made by QMaze 2.0", zooImage()));
    ASSERT_TRUE(imported.outcome.ok()) << imported.outcome.failure.describe();
    EXPECT_EQ(imported.recordIndex, 1);
    EXPECT_TRUE(working.reselect.requested);
    EXPECT_EQ(working.reselect.category, "Version 2.0 Puzzles");
    EXPECT_EQ(working.reselect.title, "A Day at the Zoo with the Animals o");

    const auto record = stored(1);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->VersionTag.text(), "3.0g");
    EXPECT_EQ(record->Title.text(), "A Day at the Zoo with the Animals o");  // cut to 35
    EXPECT_EQ(record->Category.text(), "Version 2.0 Puzzles");
    EXPECT_TRUE(record->BonusQuestion.empty());
    EXPECT_EQ(record->Width, 5);
    EXPECT_EQ(record->Height, 5);
    EXPECT_EQ(record->WordCount, 3);
    EXPECT_EQ(std::string(record->Letters.begin(), record->Letters.begin() + 5), "LIONX");
    EXPECT_EQ(std::string(record->Letters.begin() + 200, record->Letters.begin() + 205), "UVWXY");
    EXPECT_EQ(record->Letters[5], 0);  // outside the 5 x 5 grid the old bytes are zero
    // The old grid fills the empty cells too, not what the working copy held before.
    EXPECT_EQ(record->FillLetters, record->Letters);
    EXPECT_EQ(record->Words[0].text(), "LION");
    EXPECT_EQ(record->Words[2].text(), "EMU");
    EXPECT_EQ(record->StartCell[1], 52);
    EXPECT_EQ(record->EndCell[1], 54);
    EXPECT_TRUE(record->Words[3].empty());  // behind the word count: emptied, not placed
    for (int i = 0; i < kMaxWords; ++i) {
        EXPECT_EQ(static_cast<bool>(record->Placed[i]), i < 3) << i;
        EXPECT_TRUE(record->Clues[i].empty()) << i;
    }
    EXPECT_TRUE(record->Generated);
    EXPECT_FALSE(record->HiddenPhraseUsed);
    EXPECT_TRUE(record->Layout == layout);
    // The puzzle already there is untouched.
    EXPECT_EQ(readFile(collection.path()).substr(0, kRecord), test::puzzleImage("Birds", "Owls").str());
}

TEST_F(OldPuzzleTest, ABrokenQzvFileIsRefusedAndNothingIsWritten)
{
    const std::string whole = qzvFileImage("abc", zooImage());
    struct Case {
        const char* what;
        std::string contents;
        const char* message;
    } cases[] = {
        {"empty", "", "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"two bytes", "QZ", "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"signature only", "QZV", "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"lower-case signature", "qzv" + whole.substr(3), "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"one byte short", whole.substr(0, whole.size() - 1),
         "Puzzle file is corrupt or incompatible.  Import aborted."},
        {"text longer than the file", qzvFileImage(std::string(255, 'x'), zooImage()).substr(0, 3 + 1 + 255 + 10000),
         "Puzzle file is corrupt or incompatible.  Import aborted."},
    };
    for (const Case& c : cases) {
        const OldPuzzleImport imported = importQzv(c.contents);
        EXPECT_EQ(imported.outcome.kind, CommandOutcome::Kind::Refused) << c.what;
        EXPECT_EQ(imported.outcome.refusal.message, c.message) << c.what;
        EXPECT_FALSE(std::filesystem::exists(collection.path())) << c.what;
    }
    std::filesystem::remove(qzv);
    const OldPuzzleImport missing = importOldPuzzle(qzv, layout, working, collection);
    EXPECT_EQ(missing.outcome.refusal.message, "Puzzle could not be imported.");
    EXPECT_FALSE(working.reselect.requested);
}

TEST_F(OldPuzzleTest, BytesBehindTheRecordAreIgnored)
{
    const OldPuzzleImport imported = importQzv(qzvFileImage("", zooImage()) + "trailing");
    ASSERT_TRUE(imported.outcome.ok());
    EXPECT_EQ(stored(0)->Words[0].text(), "LION");
}

TEST_F(OldPuzzleTest, AQzvPuzzleThatCannotBeSavedIsRefused)
{
    collection = CollectionFile(dir / "missing" / "SCHOOL.QZ3");
    const OldPuzzleImport imported = importQzv(qzvFileImage("", zooImage()));
    EXPECT_EQ(imported.outcome.refusal.message, "Unable to save puzzle.");
}

TEST(OldPuzzleConversion, AbsurdStoredNumbersAreClamped)
{
    struct Case {
        int gridSize;
        int wordCount;
        int start;
        int end;
        int expectedSize;
        int expectedCount;
        int expectedStart;
        int expectedEnd;
    } cases[] = {
        {0, -1, 0, 0, 1, 0, 1, 1},
        {-5, 400, -3, 9999, 1, 330, 1, 2500},
        {51, 330, 2500, 2501, 50, 330, 2500, 2500},
        {32767, -32768, 32767, -32768, 50, 0, 2500, 1},
        {50, 2, 1, 2500, 50, 2, 1, 2500},
    };
    for (const Case& c : cases) {
        test::ImageBuilder image = oldPuzzleImage("Broken", c.gridSize, {}, {{"WORD", c.start, c.end}}, c.wordCount);
        // Length bytes beyond their fields: the title holds 50 characters, a word 20.
        image.byte(0, 255).byte(2559, 200);
        OldPuzzleRecord old;
        decodeOldPuzzleRecord(std::span<const std::uint8_t, kOldRecord>(image.bytes().data(), kOldRecord), old);
        const auto record = convertOldPuzzle(old, PageLayoutRecord{});
        EXPECT_EQ(record->Width, c.expectedSize) << c.gridSize;
        EXPECT_EQ(record->Height, c.expectedSize) << c.gridSize;
        EXPECT_EQ(record->WordCount, c.expectedCount) << c.wordCount;
        EXPECT_EQ(record->StartCell[0], c.expectedStart) << c.start;
        EXPECT_EQ(record->EndCell[0], c.expectedEnd) << c.end;
        EXPECT_EQ(record->StartCell[329], 1);
        EXPECT_EQ(record->Title.length(), 35u);
        EXPECT_EQ(record->Words[0].length(), c.expectedCount > 0 ? 20u : 0u);
    }
}

class OldDataFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folders.workingDirectory);
        std::filesystem::create_directory(folders.programDirectory);
    }

    TempDir dir;
    OldDataFolders folders{dir / "work", dir / "program"};
    PageLayoutRecord layout = layoutNamed("Default");
    std::string lion = oldPuzzleImage("Lions", 4, {"LION"}, {{"LION", 1, 4}}).str();
    std::string emu = oldPuzzleImage("Emus", 3, {"EMU"}, {{"EMU", 1, 3}}).str();
};

TEST_F(OldDataFilesTest, OldPuzzlesBecomeACollectionAndTheOldFileGoes)
{
    writeFile(folders.oldPuzzleFile(), lion + emu + lion.substr(0, 100));
    const OldDataConversion converted = convertOldPuzzles(folders, layout);
    ASSERT_TRUE(converted.outcome.ok()) << converted.outcome.failure.describe();
    EXPECT_EQ(converted.converted, 2);
    EXPECT_FALSE(std::filesystem::exists(folders.oldPuzzleFile()));
    const CollectionFile collection(folders.convertedCollection());
    EXPECT_EQ(*collection.recordCount(), 2);
    const auto second = collection.ReadPuzzle(1);
    ASSERT_TRUE(second);
    EXPECT_EQ((*second)->Title.text(), "Emus");
    EXPECT_EQ((*second)->Category.text(), "Version 2.0 Puzzles");
    EXPECT_TRUE((*second)->Layout == layout);

    // The old file restored: the puzzles are appended again behind the first ones.
    writeFile(folders.oldPuzzleFile(), lion + emu);
    ASSERT_TRUE(convertOldPuzzles(folders, layout).outcome.ok());
    EXPECT_EQ(*collection.recordCount(), 4);
    const std::string bytes = readFile(collection.path());
    EXPECT_EQ(bytes.substr(2 * kRecord), bytes.substr(0, 2 * kRecord));
}

TEST_F(OldDataFilesTest, OldPuzzlesThatCannotBeReadOrSavedStay)
{
    EXPECT_EQ(convertOldPuzzles(folders, layout).outcome.refusal.message, "Puzzles could not be imported.");

    writeFile(folders.oldPuzzleFile(), lion);
    const OldDataFolders noProgramFolder{folders.workingDirectory, dir / "missing"};
    const OldDataConversion refused = convertOldPuzzles(noProgramFolder, layout);
    EXPECT_EQ(refused.outcome.refusal.message, "Unable to save puzzles.");
    EXPECT_TRUE(std::filesystem::exists(folders.oldPuzzleFile()));

    // A disk that fills up with the second puzzle: the first stays converted, the old file stays.
    writeFile(folders.oldPuzzleFile(), lion + emu);
    test::PlannedFileFaults faults;
    faults.arm(FileStep::Write, ENOSPC, {1, 1});
    const OldDataConversion failed = convertOldPuzzles(folders, layout, faults);
    EXPECT_EQ(failed.outcome.kind, CommandOutcome::Kind::Failed);
    EXPECT_EQ(failed.converted, 1);
    EXPECT_EQ(*CollectionFile(folders.convertedCollection()).recordCount(), 1);
    EXPECT_EQ(readFile(folders.oldPuzzleFile()), lion + emu);
}

TEST_F(OldDataFilesTest, OldShapesAreAppendedUnchangedAndTheOldFileGoes)
{
    const std::string kept = test::solidShapeImage("Square", 10, 10).str();
    const std::string star = test::shapeImage("Star", {".#.", "###", ".#."}).str();
    const std::string odd = test::shapeImage("Odd", {"#"}, -4, 99).str();
    writeFile(folders.programDirectory / "QZFLAY.DAT", kept);
    writeFile(folders.oldShapeFile(), star + odd);
    const OldDataConversion converted = convertOldShapes(folders);
    ASSERT_TRUE(converted.outcome.ok()) << converted.outcome.failure.describe();
    EXPECT_EQ(converted.converted, 2);
    EXPECT_EQ(readFile(folders.programDirectory / "QZFLAY.DAT"), kept + star + odd);
    EXPECT_FALSE(std::filesystem::exists(folders.oldShapeFile()));
}

TEST_F(OldDataFilesTest, OldShapesThatCannotBeReadOrAddedStay)
{
    EXPECT_EQ(convertOldShapes(folders).outcome.refusal.message, "Puzzles could not be imported.");
    writeFile(folders.oldShapeFile(), test::solidShapeImage("Square", 10, 10).str());
    const OldDataConversion refused = convertOldShapes({folders.workingDirectory, dir / "missing"});
    EXPECT_EQ(refused.outcome.refusal.message, "Unable to add shapes.");
    EXPECT_TRUE(std::filesystem::exists(folders.oldShapeFile()));
}

}  // namespace
}  // namespace qm
