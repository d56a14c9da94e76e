#include "collection/sample_collection.h"

#include <gtest/gtest.h>

#include "collection/collection_file.h"
#include "layout/page_layout_file.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

const std::filesystem::path kShippedSample = std::filesystem::path(QM_SOURCE_DIR) / "data" / "SAMPLE.QZ3";

TEST(SampleCollection, EveryPuzzleIsReadyToGenerate)
{
    test::TempDir dir;
    const auto path = dir / "SAMPLE.QZ3";
    ASSERT_TRUE(writeSampleCollection(path, {}));
    const CollectionFile sample(path);
    const PuzzleList list = sample.ListPuzzles();
    EXPECT_EQ(list.CategoryNames, (std::vector<std::string>{"Animals", "Science", "Geography", "Sports"}));
    ASSERT_GE(list.PuzzleEntries.size(), 5u);
    for (const PuzzleEntry& entry : list.PuzzleEntries) {
        auto record = sample.ReadPuzzle(entry.recordIndex());
        ASSERT_TRUE(record);
        const PuzzleRecord& puzzle = **record;
        SCOPED_TRACE(entry.title);
        EXPECT_EQ(puzzle.VersionTag.text(), kVersionTagText);
        EXPECT_FALSE(puzzle.Title.empty());
        EXPECT_GE(puzzle.WordCount, 8);
        for (int i = 0; i < puzzle.usedWordCount(); ++i) {
            EXPECT_FALSE(puzzle.Words[static_cast<std::size_t>(i)].empty());
            EXPECT_FALSE(puzzle.Clues[static_cast<std::size_t>(i)].empty());
        }
        EXPECT_TRUE(puzzle.Words[static_cast<std::size_t>(puzzle.usedWordCount())].empty());
        EXPECT_FALSE(puzzle.Generated);
        EXPECT_EQ(puzzle.Width, 15);
    }
}

TEST(SampleCollection, ShippedFileIsTheGeneratorsOutput)
{
    test::TempDir dir;
    // The sample puzzles print on the first starter layout, the default of a first start.
    const auto layout = PageLayoutFile(QM_STARTER_LAYOUT_FILE).ReadLayout(0);
    ASSERT_TRUE(layout) << layout.failure().describe();
    ASSERT_TRUE(writeSampleCollection(dir / "SAMPLE.QZ3", *layout));
    // Compared as a whole; the bytes themselves are too many to print.
    EXPECT_TRUE(test::readFile(kShippedSample) == test::readFile(dir / "SAMPLE.QZ3"))
        << "data/SAMPLE.QZ3 is out of date: write it anew with quillmaze-cli sample data/SAMPLE.QZ3";
}

}  // namespace
}  // namespace qm
