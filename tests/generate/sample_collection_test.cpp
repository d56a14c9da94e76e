// The sample collection the build generates: a new user's first print finds real puzzles.
#include <gtest/gtest.h>

#include <set>

#include "collection/collection_file.h"
#include "generate/puzzle_fill.h"

namespace qm {
namespace {

TEST(SampleCollection, EveryPuzzleIsGeneratedWithAllItsWordsPlaced)
{
    const CollectionFile sample(QM_SAMPLE_COLLECTION);
    const PuzzleList list = sample.ListPuzzles();
    EXPECT_EQ(list.CategoryNames, (std::vector<std::string>{"Animals", "Science", "Geography", "Sports"}));
    ASSERT_EQ(list.PuzzleEntries.size(), 7u);
    std::set<std::string> layouts;
    int phrases = 0;
    for (const PuzzleEntry& entry : list.PuzzleEntries) {
        auto record = sample.ReadPuzzle(entry.recordIndex());
        ASSERT_TRUE(record);
        const PuzzleRecord& puzzle = **record;
        SCOPED_TRACE(entry.title);
        EXPECT_TRUE(puzzle.Generated);
        EXPECT_EQ(puzzle.VersionTag.text(), kVersionTagText);
        EXPECT_FALSE(puzzle.BonusQuestion.empty());
        EXPECT_GE(puzzle.WordCount, 10);
        for (int i = 0; i < puzzle.usedWordCount(); ++i) {
            EXPECT_TRUE(puzzle.Placed[i]) << puzzle.Words[i].text();
            EXPECT_FALSE(puzzle.Clues[i].empty());
        }
        // Every cell of the shape shows a letter: a placed one or a fill letter.
        for (int cell = 0; cell < kGridCells; ++cell) {
            if (cellRow(cell + 1) > puzzle.usedHeight() || cellColumn(cell + 1) > puzzle.usedWidth()) continue;
            if (puzzle.Letters[cell] == ' ') {
                EXPECT_TRUE(puzzle.FillLetters[cell] >= 'A' && puzzle.FillLetters[cell] <= 'Z');
            }
        }
        layouts.insert(puzzle.Layout.Name.text());
        phrases += static_cast<bool>(puzzle.HiddenPhraseUsed);
    }
    EXPECT_GE(layouts.size(), 5u);
    EXPECT_EQ(phrases, 1);
}

}  // namespace
}  // namespace qm
