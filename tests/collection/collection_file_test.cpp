#include "collection/collection_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>

#include <gtest/gtest.h>

#include "support/planned_file_faults.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::collectionImage;
using test::puzzleImage;
using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kRecord = PuzzleRecord::kSize;

std::vector<std::string> titlesOf(const PuzzleList& list)
{
    std::vector<std::string> titles;
    for (const auto& entry : list.PuzzleEntries) titles.push_back(entry.title);
    return titles;
}

PuzzleRecord recordTitled(const char* category, const char* title)
{
    PuzzleRecord record;
    record.Category.assign(category);
    record.Title.assign(title);
    return record;
}

class CollectionFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path path = dir / "SCHOOL.QZ3";
    CollectionFile collection{path};
};

TEST_F(CollectionFileTest, EmptyFileIsACollectionWithoutPuzzles)
{
    writeFile(path, "");
    const PuzzleList list = collection.ListPuzzles();
    EXPECT_TRUE(list.CategoryNames.empty());
    EXPECT_TRUE(list.PuzzleEntries.empty());
    EXPECT_EQ(*collection.recordCount(), 0);
}

TEST_F(CollectionFileTest, MissingFileListsNothing)
{
    const PuzzleList list = collection.ListPuzzles();
    EXPECT_TRUE(list.CategoryNames.empty());
    EXPECT_TRUE(list.PuzzleEntries.empty());
}

TEST_F(CollectionFileTest, CategoriesInFirstAppearanceOrderAndCaseSensitive)
{
    writeFile(path, collectionImage({{"Zoo", "Lions"}, {"animals", "Cats"}, {"Zoo", "Bears"}, {"Animals", "Dogs"}}));
    const PuzzleList list = collection.ListPuzzles();
    EXPECT_EQ(list.CategoryNames, (std::vector<std::string>{"Zoo", "animals", "Animals"}));
    EXPECT_EQ(titlesOf(list), (std::vector<std::string>{"Lions", "Cats", "Bears", "Dogs"}));
    // Tag: category position in the high half, record index in the low half.
    EXPECT_EQ(list.PuzzleEntries[0].tag, 0u);
    EXPECT_EQ(list.PuzzleEntries[1].tag, 65536u * 1 + 1);
    EXPECT_EQ(list.PuzzleEntries[2].tag, 2u);
    EXPECT_EQ(list.PuzzleEntries[3].tag, 65536u * 2 + 3);
    EXPECT_EQ(list.PuzzleEntries[3].recordIndex(), 3);
    EXPECT_EQ(list.PuzzleEntries[3].categoryPosition(), 2);
}

// A file grown past 65,536 records elsewhere: the tag wraps, the entry keeps the real index.
TEST_F(CollectionFileTest, ListingPastTheTagLimitKeepsTrueIndexes)
{
    writeFile(path, "");
    std::filesystem::resize_file(path, 65536 * kRecord);  // sparse: zero bytes read as empty texts
    {
        std::ofstream tail(path, std::ios::binary | std::ios::app);
        tail << puzzleImage("Late", "Last").str();
    }
    const PuzzleList list = collection.ListPuzzles();
    ASSERT_EQ(list.PuzzleEntries.size(), 65537u);
    const PuzzleEntry& last = list.PuzzleEntries.back();
    EXPECT_EQ(last.title, "Last");
    EXPECT_EQ(last.recordIndex(), 65536);
    EXPECT_EQ(list.CategoryNames[last.categoryPosition()], "Late");
    EXPECT_EQ(last.tag, 65536u * 1 + 0);
}

TEST_F(CollectionFileTest, IncompleteLastRecordIsNeverRead)
{
    std::string file = collectionImage({{"A", "One"}, {"A", "Two"}});
    file += puzzleImage("B", "Torn").str().substr(0, kRecord - 1);
    writeFile(path, file);
    EXPECT_EQ(titlesOf(collection.ListPuzzles()), (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(*collection.recordCount(), 2);
    EXPECT_EQ(collection.ReadPuzzle(2).failure().kind, FailureKind::NoSuchRecord);
}

TEST_F(CollectionFileTest, BrokenRecordListsWithTextsCutToTheirFields)
{
    writeFile(path, std::string(kRecord, '\xFF'));
    const PuzzleList list = collection.ListPuzzles();
    ASSERT_EQ(list.CategoryNames.size(), 1u);
    EXPECT_EQ(list.CategoryNames[0], std::string(20, '\xFF'));
    ASSERT_EQ(list.PuzzleEntries.size(), 1u);
    EXPECT_EQ(list.PuzzleEntries[0].title, std::string(35, '\xFF'));
    auto record = collection.ReadPuzzle(0);
    ASSERT_TRUE(record);
    EXPECT_EQ((*record)->usedWordCount(), 0);
}

TEST_F(CollectionFileTest, ReadGivesTheRecordAtItsIndex)
{
    writeFile(path, collectionImage({{"A", "One"}, {"B", "Two"}}));
    auto record = collection.ReadPuzzle(1);
    ASSERT_TRUE(record);
    EXPECT_EQ((*record)->Title.text(), "Two");
    EXPECT_EQ(collection.ReadPuzzle(-1).failure().kind, FailureKind::NoSuchRecord);
    EXPECT_EQ(CollectionFile(dir / "none.QZ3").ReadPuzzle(0).failure().kind, FailureKind::CannotOpen);
}

TEST_F(CollectionFileTest, AppendCreatesAMissingFileAndGivesTheNewIndex)
{
    EXPECT_EQ(*collection.AppendPuzzle(recordTitled("A", "One")), 0);
    EXPECT_EQ(*collection.AppendPuzzle(recordTitled("A", "Two")), 1);
    EXPECT_EQ(std::filesystem::file_size(path), 2 * kRecord);
    EXPECT_EQ(titlesOf(collection.ListPuzzles()), (std::vector<std::string>{"One", "Two"}));
}

TEST_F(CollectionFileTest, AppendOverwritesATornTail)
{
    writeFile(path, collectionImage({{"A", "One"}}) + "partial");
    EXPECT_EQ(*collection.AppendPuzzle(recordTitled("A", "Two")), 1);
    EXPECT_EQ(std::filesystem::file_size(path), 2 * kRecord);
}

TEST_F(CollectionFileTest, AppendIntoAMissingFolderCannotOpen)
{
    CollectionFile nowhere(dir / "no" / "such.QZ3");
    EXPECT_EQ(nowhere.AppendPuzzle(recordTitled("A", "One")).failure().kind, FailureKind::CannotOpen);
}

TEST_F(CollectionFileTest, ReplaceWritesOverOneRecordOnly)
{
    writeFile(path, collectionImage({{"A", "One"}, {"A", "Two"}, {"A", "Three"}}));
    ASSERT_TRUE(collection.ReplacePuzzle(1, recordTitled("B", "Second")));
    EXPECT_EQ(titlesOf(collection.ListPuzzles()), (std::vector<std::string>{"One", "Second", "Three"}));
    EXPECT_EQ(collection.ReplacePuzzle(3, recordTitled("B", "X")).failure().kind, FailureKind::NoSuchRecord);
    EXPECT_EQ(std::filesystem::file_size(path), 3 * kRecord);
}

TEST_F(CollectionFileTest, ReplaceNeedsAnExistingFile)
{
    EXPECT_EQ(collection.ReplacePuzzle(0, recordTitled("A", "One")).failure().kind, FailureKind::CannotOpen);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(CollectionFileTest, DeleteMovesLaterRecordsDown)
{
    writeFile(path, collectionImage({{"A", "One"}, {"B", "Two"}, {"A", "Three"}, {"C", "Four"}}));
    ASSERT_TRUE(collection.DeletePuzzle(1));
    const PuzzleList list = collection.ListPuzzles();
    EXPECT_EQ(titlesOf(list), (std::vector<std::string>{"One", "Three", "Four"}));
    EXPECT_EQ(list.CategoryNames, (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(list.PuzzleEntries[2].recordIndex(), 2);
    EXPECT_EQ(readFile(path), collectionImage({{"A", "One"}, {"A", "Three"}, {"C", "Four"}}));
}

TEST_F(CollectionFileTest, DeletingTheLastRecordOnlyTruncates)
{
    writeFile(path, collectionImage({{"A", "One"}, {"A", "Two"}}));
    ASSERT_TRUE(collection.DeletePuzzle(1));
    EXPECT_EQ(readFile(path), collectionImage({{"A", "One"}}));
}

TEST_F(CollectionFileTest, DeletingTheOnlyRecordLeavesAnEmptyFile)
{
    writeFile(path, collectionImage({{"A", "One"}}));
    ASSERT_TRUE(collection.DeletePuzzle(0));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(CollectionFileTest, DeletingAnIndexPastTheEndChangesNothing)
{
    const std::string file = collectionImage({{"A", "One"}, {"A", "Two"}});
    writeFile(path, file);
    EXPECT_EQ(collection.DeletePuzzle(2).failure().kind, FailureKind::NoSuchRecord);
    EXPECT_EQ(collection.DeletePuzzle(-1).failure().kind, FailureKind::NoSuchRecord);
    EXPECT_EQ(readFile(path), file);
    EXPECT_EQ(CollectionFile(dir / "none.QZ3").DeletePuzzle(0).failure().kind, FailureKind::CannotOpen);
}

TEST_F(CollectionFileTest, CreateEmptiesAnExistingFile)
{
    writeFile(path, collectionImage({{"A", "One"}}));
    ASSERT_TRUE(collection.CreateCollection());
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(CollectionFile(dir / "no" / "x.QZ3").CreateCollection().failure().kind, FailureKind::CannotOpen);
}

// A change the disk refuses says which collection and why, and keeps the puzzles in front of it.
TEST_F(CollectionFileTest, AFailedWriteReportsTheCollectionAndKeepsEarlierPuzzles)
{
    const std::string file = collectionImage({{"A", "One"}, {"A", "Two"}, {"A", "Three"}});
    test::PlannedFileFaults faults;
    CollectionFile failing(path, {}, faults);
    const std::function<Status()> changes[] = {
        [&] { return failing.AppendPuzzle(recordTitled("A", "Four")).status(); },
        [&] { return failing.ReplacePuzzle(1, recordTitled("A", "Second")); },
        [&] { return failing.DeletePuzzle(1); },
    };
    for (const auto& change : changes) {
        writeFile(path, file);
        const test::FileFault diskFull(faults, FileStep::Write, ENOSPC);
        const Status changed = change();
        ASSERT_FALSE(changed);
        EXPECT_EQ(changed.failure().kind, FailureKind::Io);
        EXPECT_EQ(changed.failure().path, path);
        EXPECT_EQ(changed.failure().reason, std::strerror(ENOSPC));
        EXPECT_EQ(readFile(path).substr(0, kRecord), file.substr(0, kRecord));
    }
}

TEST(NewPuzzleRecord, StartsEmptyWithTheGivenLayout)
{
    auto record = std::make_unique<PuzzleRecord>();
    record->Words[5].assign("OLD");
    record->Clues[5].assign("old clue");
    record->Placed[5] = true;
    record->Title.assign("Old");
    record->Width = 30;
    record->WordCount = 9;
    record->Generated = true;
    record->HiddenPhraseUsed = true;
    record->BonusQuestion.assign("Q");
    PageLayoutRecord layout;
    layout.Name.assign("Worksheet");
    resetToNewPuzzle(*record, layout);
    EXPECT_TRUE(record->Words[5].empty());
    EXPECT_TRUE(record->Clues[5].empty());
    EXPECT_FALSE(record->Placed[5]);
    EXPECT_TRUE(record->Title.empty());
    EXPECT_EQ(record->Width, 15);
    EXPECT_EQ(record->Height, 15);
    EXPECT_EQ(record->WordCount, 0);
    EXPECT_FALSE(record->Generated);
    EXPECT_FALSE(record->HiddenPhraseUsed);
    EXPECT_TRUE(record->BonusQuestion.empty());
    EXPECT_EQ(record->Layout, layout);
}

}  // namespace
}  // namespace qm
