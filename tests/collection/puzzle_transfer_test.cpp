// Puzzles moved between collection files: byte-for-byte copies in title order, and the open
// collection never read and written at once.
#include "collection/puzzle_transfer.h"

#include <cerrno>

#include <gtest/gtest.h>

#include "support/planned_file_faults.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::puzzleImage;
using test::readFile;
using test::TempDir;
using test::writeFile;

// A record whose every byte matters: texts with bytes behind them, a layout and reserved bytes
// no reader interprets.
std::string fullRecord(const char* category, const char* title, std::uint8_t filler)
{
    test::ImageBuilder image(PuzzleRecord::kSize, filler);
    image.text(0, "3.0g").text(6, category).text(27, title);
    return image.str();
}

std::vector<std::string> titlesOf(const std::vector<TransferEntry>& entries)
{
    std::vector<std::string> titles;
    for (const TransferEntry& entry : entries) titles.push_back(entry.title);
    return titles;
}

class PuzzleTransferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(open.path(), zebra + apple + mango);
        writeFile(other.path(), kiwi + banana);
    }

    TempDir dir;
    CollectionFile open{dir / "SCHOOL.QZ3"};
    CollectionFile other{dir / "OTHER.QZ3"};
    std::string zebra = fullRecord("Animals", "Zebra", 0xA5);
    std::string apple = fullRecord("Fruit", "apple", 0x5A);
    std::string mango = fullRecord("Fruit", "Mango", 0x11);
    std::string kiwi = fullRecord("Birds", "Kiwi", 0x22);
    std::string banana = fullRecord("Fruit", "Banana", 0x33);
};

TEST_F(PuzzleTransferTest, ListsArePutInTitleOrderWithTheirRecordIndexes)
{
    const auto entries = puzzlesByTitle(open);
    EXPECT_EQ(titlesOf(entries), (std::vector<std::string>{"apple", "Mango", "Zebra"}));
    EXPECT_EQ(entries[0].recordIndex, 1);
    EXPECT_EQ(entries[2].recordIndex, 0);
    EXPECT_TRUE(puzzlesByTitle(CollectionFile(dir / "none.QZ3")).empty());
}

TEST_F(PuzzleTransferTest, ImportAppendsByteForByteCopiesInTheOrderGiven)
{
    const CommandOutcome imported = importPuzzles(other, {1, 0}, open);
    ASSERT_TRUE(imported.ok()) << imported.failure.describe();
    EXPECT_EQ(readFile(open.path()), zebra + apple + mango + banana + kiwi);
    EXPECT_EQ(readFile(other.path()), kiwi + banana);
}

TEST_F(PuzzleTransferTest, ImportCreatesAMissingCollection)
{
    CollectionFile fresh(dir / "NEW.QZ3");
    ASSERT_TRUE(importPuzzles(other, {0}, fresh).ok());
    EXPECT_EQ(readFile(fresh.path()), kiwi);
}

TEST_F(PuzzleTransferTest, ExportWritesTheChosenPuzzlesAsTheWholeNewFile)
{
    const auto target = dir / "EXPORT.QZ3";
    writeFile(target, banana + banana + banana);
    std::vector<int> indexes;
    for (const TransferEntry& entry : puzzlesByTitle(open)) indexes.push_back(entry.recordIndex);
    const CommandOutcome exported = exportPuzzles(open, indexes, target);
    ASSERT_TRUE(exported.ok()) << exported.failure.describe();
    EXPECT_EQ(readFile(target), apple + mango + zebra);
    EXPECT_EQ(readFile(open.path()), zebra + apple + mango);
}

TEST_F(PuzzleTransferTest, TheOpenCollectionIsNeverTheOtherFile)
{
    std::filesystem::create_symlink(open.path(), dir / "LINK.QZ3");
    std::filesystem::create_directory(dir / "sub");
    struct Case {
        std::filesystem::path chosen;
        bool same;
    } cases[] = {
        {dir / "SCHOOL.QZ3", true},
        {dir / "school.qz3", true},  // as on Windows, also when no such file exists
        {dir / "sub" / ".." / "School.Qz3", true},
        {dir / "LINK.QZ3", true},
        {dir / "OTHER.QZ3", false},
        {dir / "SCHOOL2.QZ3", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(sameCollectionFile(open.path(), c.chosen), c.same) << c.chosen;
        if (!c.same) continue;
        CollectionFile chosen(c.chosen);
        EXPECT_EQ(importPuzzles(chosen, {0}, open).refusal.message,
                  "Import File cannot be the same as the currently open file.")
            << c.chosen;
        // Exporting onto the open collection once emptied it before its puzzles were read.
        EXPECT_EQ(exportPuzzles(open, {0, 1}, c.chosen).refusal.message,
                  "Export File cannot be the same as the currently open file.")
            << c.chosen;
        EXPECT_EQ(readFile(open.path()), zebra + apple + mango) << c.chosen;
    }
}

TEST_F(PuzzleTransferTest, FilesThatCannotBeOpenedAreRefusedBeforeAnythingIsWritten)
{
    const CollectionFile missing(dir / "MISSING.QZ3");
    EXPECT_EQ(importPuzzles(missing, {0}, open).refusal.message, "Unable to import puzzles.");
    CollectionFile unreachable(dir / "no" / "SCHOOL.QZ3");
    EXPECT_EQ(importPuzzles(other, {0}, unreachable).refusal.message, "Unable to import puzzles.");
    EXPECT_EQ(exportPuzzles(missing, {0}, dir / "EXPORT.QZ3").refusal.message, "Unable to export puzzles.");
    EXPECT_EQ(exportPuzzles(open, {0}, dir / "no" / "EXPORT.QZ3").refusal.message, "Unable to export puzzles.");
    EXPECT_EQ(readFile(open.path()), zebra + apple + mango);
    EXPECT_FALSE(std::filesystem::exists(dir / "EXPORT.QZ3"));
}

TEST_F(PuzzleTransferTest, AFailureHalfWayKeepsWhatWasThere)
{
    test::PlannedFileFaults faults;
    CollectionFile failing(open.path(), {}, faults);
    // Import: the records appended before the failure stay.
    {
        const test::FileFault full(faults, FileStep::Write, ENOSPC, {1, 1});
        const CommandOutcome imported = importPuzzles(other, {0, 1}, failing);
        EXPECT_EQ(imported.kind, CommandOutcome::Kind::Failed);
        EXPECT_EQ(imported.failure.path, open.path());
    }
    EXPECT_EQ(readFile(open.path()), zebra + apple + mango + kiwi);

    // Export: the file is replaced whole or not at all.
    const auto target = dir / "EXPORT.QZ3";
    writeFile(target, banana);
    {
        const test::FileFault full(faults, FileStep::Write, ENOSPC);
        EXPECT_EQ(exportPuzzles(failing, {0, 1}, target).kind, CommandOutcome::Kind::Failed);
    }
    EXPECT_EQ(readFile(target), banana);

    // A record that is gone by the time it is read.
    const CommandOutcome vanished = exportPuzzles(open, {0, 9}, target);
    EXPECT_EQ(vanished.kind, CommandOutcome::Kind::Failed);
    EXPECT_EQ(readFile(target), banana);
}

TEST(PuzzleTransferFiles, TheKindOfAFileIsItsExtensionInAnyLetterCase)
{
    EXPECT_EQ(importFileKind("/a/B.QZ3"), ImportFileKind::Collection);
    EXPECT_EQ(importFileKind("/a/b.qz3"), ImportFileKind::Collection);
    EXPECT_EQ(importFileKind("/a/b.Qzv"), ImportFileKind::OldPuzzle);
    EXPECT_EQ(importFileKind("/a/b.QZ3.txt"), std::nullopt);
    EXPECT_EQ(importFileKind("/a/QZ3"), std::nullopt);
}

}  // namespace
}  // namespace qm
