#include "collection/collection_lists.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

// Categories in first-seen order: Zoo 0, animals 1, Birds 2.
PuzzleList sampleList()
{
    PuzzleList list;
    list.CategoryNames = {"Zoo", "animals", "Birds"};
    auto entry = [](const char* title, int category, int index) {
        return PuzzleEntry{title, static_cast<std::uint32_t>(category) << 16 | static_cast<std::uint32_t>(index), index,
                           category};
    };
    list.PuzzleEntries = {entry("lion", 0, 0), entry("Tiger", 0, 1), entry("cat", 1, 2), entry("Ant", 1, 3),
                          entry("bee", 1, 4),  entry("Owl", 2, 5),   entry("ant", 1, 6)};
    return list;
}

TEST(CollectionLists, CategoriesSortCaseInsensitivelyAndKeepTheirPositions)
{
    const auto categories = sortedCategories(sampleList());
    ASSERT_EQ(categories.size(), 3u);
    EXPECT_EQ(categories[0].name, "animals");
    EXPECT_EQ(categories[0].categoryPosition, 1);
    EXPECT_EQ(categories[1].name, "Birds");
    EXPECT_EQ(categories[1].categoryPosition, 2);
    EXPECT_EQ(categories[2].name, "Zoo");
    EXPECT_EQ(categories[2].categoryPosition, 0);
}

TEST(CollectionLists, PuzzlesOfOneCategorySortedWithTheirRecordIndexes)
{
    const auto puzzles = sortedPuzzles(sampleList(), 1);
    ASSERT_EQ(puzzles.size(), 4u);
    EXPECT_EQ(puzzles[0].title, "Ant");
    EXPECT_EQ(puzzles[0].recordIndex, 3);
    EXPECT_EQ(puzzles[1].title, "ant");
    EXPECT_EQ(puzzles[1].recordIndex, 6);
    EXPECT_EQ(puzzles[2].title, "bee");
    EXPECT_EQ(puzzles[3].title, "cat");
    EXPECT_TRUE(sortedPuzzles(sampleList(), 7).empty());
}

TEST(CollectionLists, FindIgnoresCaseAndTakesTheFirstMatch)
{
    const auto puzzles = sortedPuzzles(sampleList(), 1);
    EXPECT_EQ(findPuzzle(puzzles, "ANT"), 0);
    EXPECT_EQ(findPuzzle(puzzles, "Cat"), 3);
    EXPECT_EQ(findPuzzle(puzzles, "ca"), std::nullopt);
    EXPECT_EQ(findCategory(sortedCategories(sampleList()), "zoo"), 2);
    EXPECT_EQ(findCategory({}, "zoo"), std::nullopt);
}

TEST(CollectionLists, ReselectAfterDelete)
{
    const std::vector<ListedPuzzle> three{{"Ant", 3}, {"bee", 4}, {"cat", 2}};
    const std::vector<ListedPuzzle> one{{"Ant", 3}};
    struct Case {
        const std::vector<ListedPuzzle>* puzzles;
        int deletedRow;
        const char* expectedTitle;
    };
    const Case cases[] = {
        {&three, 2, "bee"},  // the puzzle above the deleted one
        {&three, 1, "Ant"},
        {&three, 0, "bee"},  // the first: the one below moves into its place
        {&one, 0, ""},       // the only puzzle: its category goes, nothing to select
    };
    for (const Case& c : cases) {
        const ReselectRequest request = reselectAfterDelete("animals", *c.puzzles, c.deletedRow);
        EXPECT_TRUE(request.requested);
        EXPECT_EQ(request.category, "animals");
        EXPECT_EQ(request.title, c.expectedTitle) << "deleted row " << c.deletedRow;
    }
}

}  // namespace
}  // namespace qm
