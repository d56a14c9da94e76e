#include "layout/shape_list.h"

#include <gtest/gtest.h>

#include "shape_test_support.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::shapeImage;
using test::solidShapeImage;
using test::TempDir;
using test::writeFile;

std::vector<std::string> textsOf(const ShapeList& list)
{
    std::vector<std::string> texts;
    for (const auto& entry : list.entries()) texts.push_back(entry.text);
    return texts;
}

std::vector<int> tagsOf(const ShapeList& list)
{
    std::vector<int> tags;
    for (const auto& entry : list.entries()) tags.push_back(entry.tag);
    return tags;
}

class ShapeListTest : public ::testing::Test {
protected:
    void writeShapes(std::initializer_list<std::string> records)
    {
        std::string file;
        for (const auto& record : records) file += record;
        writeFile(path, file);
    }
    std::string solid(const char* name, int width, int height) { return solidShapeImage(name, width, height).str(); }

    TempDir dir;
    std::filesystem::path path = dir / "QZFLAY.DAT";
    ShapeRecord current = makeNewShape();
    ShapeList list{ShapeFile(path), current};
};

TEST_F(ShapeListTest, EntriesReadSizeAndNameAndSortAsText)
{
    writeShapes({solid("Star", 5, 5), solid("Square", 10, 10), solid("apple", 25, 25), solid("Box", 30, 30)});
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"10x10 Square", "25x25 apple", "30x30 Box", "5x5 Star"}));
    EXPECT_EQ(tagsOf(list), (std::vector<int>{1, 2, 3, 0}));
    EXPECT_EQ(list.selectedPosition(), 0);  // the shape list window starts on the first entry
    EXPECT_EQ(shapeEntryText(makeNewShape()), "30x30 New Layout");
}

TEST_F(ShapeListTest, LettersSortWithoutRegardToCase)
{
    writeShapes({solid("b", 5, 5), solid("A", 5, 5), solid("a", 5, 5), solid("C", 5, 5)});
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"5x5 A", "5x5 a", "5x5 b", "5x5 C"}));
}

TEST_F(ShapeListTest, MissingOrEmptyFileListsNothing)
{
    EXPECT_FALSE(list.LoadInLayouts());
    writeFile(path, "");
    EXPECT_FALSE(list.LoadInLayouts());
    EXPECT_EQ(list.selectedEntry(), nullptr);
    EXPECT_TRUE(list.LoadALayout().ok());  // nothing selected: nothing loaded
    EXPECT_EQ(current.Name.text(), "New Layout");
}

TEST_F(ShapeListTest, LoadALayoutCopiesTheSelectedRecord)
{
    writeShapes({solid("Square", 10, 10), shapeImage("Plus", {".#.", "###", ".#."}).str()});
    ASSERT_TRUE(list.LoadInLayouts());
    list.SetShapeBoxIndex(1);
    EXPECT_EQ(list.selectedEntry()->text, "3x3 Plus");
    ASSERT_TRUE(list.LoadALayout().ok());
    EXPECT_EQ(test::rowsOf(current), (std::vector<std::string>{".#.", "###", ".#."}));
    EXPECT_TRUE(list.canModifyOrDelete());
    list.SetShapeBoxIndex(77);  // no such tag: the first entry
    EXPECT_EQ(list.selectedPosition(), 0);
}

TEST_F(ShapeListTest, WordListEditorOnANewPuzzleSelectsTheLastShapeUsed)
{
    writeShapes({solid("Square", 10, 10), solid("Square", 15, 15), solid("Square", 20, 20)});
    int lastShape = 2;
    list.rememberLastShape(lastShape);
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(list.selectedEntry()->tag, 2);
    list.SetShapeBoxIndex(1);
    ASSERT_TRUE(list.LoadALayout().ok());
    EXPECT_EQ(lastShape, 1);

    lastShape = 9;  // the shape was deleted since: the first entry
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(list.selectedPosition(), 0);
}

TEST_F(ShapeListTest, StoredPuzzleGetsItsOwnShapeAsCurrentPuzzle)
{
    writeShapes({solid("Square", 10, 10), solid("Square", 20, 20)});
    PuzzleRecord puzzle;
    puzzle.Width = 15;
    puzzle.Height = 15;
    puzzle.Letters.fill(' ');
    puzzle.Letters[0] = 0;
    int lastShape = 0;
    list.rememberLastShape(lastShape);
    list.showCurrentPuzzle(puzzle);
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"10x10 Square", "15x15 <Current Puzzle>", "20x20 Square"}));
    EXPECT_EQ(list.selectedEntry()->tag, CurrentPuzzleTag);
    EXPECT_EQ(current.Name.text(), "<Current Puzzle>");
    EXPECT_FALSE(current.inShape(1));
    EXPECT_FALSE(list.canModifyOrDelete());

    list.SetShapeBoxIndex(0);
    ASSERT_TRUE(list.LoadALayout().ok());
    EXPECT_EQ(current.Width, 10);
    list.SetShapeBoxIndex(CurrentPuzzleTag);
    ASSERT_TRUE(list.LoadALayout().ok());
    EXPECT_EQ(current.Width, 15);
    EXPECT_EQ(lastShape, 0);  // the puzzle's own shape is no record of the file

    // Even without a shape file the puzzle's own shape is listed.
    std::filesystem::remove(path);
    EXPECT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(list.entries().size(), 1u);
}

TEST_F(ShapeListTest, DeleteRenumbersTheLaterRecords)
{
    writeShapes({solid("A", 5, 5), solid("B", 6, 6), solid("C", 7, 7), solid("D", 8, 8)});
    ASSERT_TRUE(list.LoadInLayouts());
    list.SetShapeBoxIndex(1);  // "6x6 B", position 1
    EXPECT_EQ(list.deleteQuestion(), "Are you sure you want to delete \"6x6 B\"?");
    ASSERT_TRUE(list.DeleteALayout().ok());
    EXPECT_EQ(readFile(path), solid("A", 5, 5) + solid("C", 7, 7) + solid("D", 8, 8));
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"5x5 A", "7x7 C", "8x8 D"}));
    EXPECT_EQ(tagsOf(list), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(list.selectedPosition(), 1);  // the same position
    EXPECT_EQ(current.Name.text(), "C");
}

TEST_F(ShapeListTest, DeletingTheLastEntrySelectsTheNewLastAndTheOnlyLeavesNothing)
{
    writeShapes({solid("A", 5, 5), solid("B", 6, 6)});
    ASSERT_TRUE(list.LoadInLayouts());
    list.select(1);
    ASSERT_TRUE(list.DeleteALayout().ok());
    EXPECT_EQ(list.selectedPosition(), 0);
    EXPECT_EQ(current.Name.text(), "A");
    ASSERT_TRUE(list.DeleteALayout().ok());
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(list.selectedEntry(), nullptr);
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_FALSE(list.LoadInLayouts());
}

TEST_F(ShapeListTest, DeleteFailuresBecomeTheirMessages)
{
    writeShapes({solid("A", 5, 5)});
    ASSERT_TRUE(list.LoadInLayouts());
    std::filesystem::remove(path);
    const CommandOutcome gone = list.DeleteALayout();
    EXPECT_EQ(gone.refusal.message, "Unable to delete puzzle shape.");
    EXPECT_EQ(gone.refusal.caption, "Disk Error");
}

TEST_F(ShapeListTest, ExportReloadsTheSelectedEntryFirst)
{
    writeShapes({solid("A", 5, 5)});
    const auto lay = dir / "A.LAY";
    EXPECT_EQ(list.ExportLayout(lay).refusal.message, "No shape selected.");
    ASSERT_TRUE(list.LoadInLayouts());
    current = makeNewShape();
    ASSERT_TRUE(list.ExportLayout(lay).ok());
    EXPECT_EQ(readFile(lay), "LAY1.0" + solid("A", 5, 5));
    EXPECT_EQ(current.Name.text(), "A");
}

TEST_F(ShapeListTest, ExportOfTheCurrentPuzzleWritesThePuzzleShape)
{
    PuzzleRecord puzzle;
    puzzle.Letters.fill('Q');
    list.showCurrentPuzzle(puzzle);
    ASSERT_TRUE(list.LoadInLayouts());
    const auto lay = dir / "P.LAY";
    ASSERT_TRUE(list.ExportLayout(lay).ok());
    const std::string written = readFile(lay);
    ASSERT_EQ(written.size(), 2561u);
    EXPECT_EQ(written.substr(6, 17), "\x10<Current Puzzle>");
}

TEST_F(ShapeListTest, ImportAddsAndSelectsTheNewEntry)
{
    writeShapes({solid("Zebra", 5, 5), solid("Apple", 5, 5)});
    int lastShape = 0;
    list.rememberLastShape(lastShape);
    ASSERT_TRUE(list.LoadInLayouts());
    const auto lay = dir / "M.LAY";
    writeFile(lay, "LAY1.0" + solid("Moon", 5, 5));
    ASSERT_TRUE(list.ImportLayout(lay).ok());
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"5x5 Apple", "5x5 Moon", "5x5 Zebra"}));
    EXPECT_EQ(list.selectedEntry()->tag, 2);
    EXPECT_EQ(current.Name.text(), "Moon");
    EXPECT_EQ(lastShape, 2);
    EXPECT_TRUE(list.canModifyOrDelete());
}

TEST_F(ShapeListTest, CopyNameAndRefreshAfterTheEditorSaved)
{
    writeShapes({solid("Heart", 5, 5), solid("Heart (2)", 5, 5)});
    ASSERT_TRUE(list.LoadInLayouts());
    list.SetShapeBoxIndex(1);
    ASSERT_TRUE(list.LoadALayout().ok());
    EXPECT_EQ(list.copyOfCurrent().Name.text(), "Heart (3)");
    current.Name.assign(std::string(50, 'n'));
    EXPECT_EQ(list.copyOfCurrent().Name.text(), std::string(50, 'n'));  // " (2)" cut off at 50

    ShapeFile(path).AppendRecord(test::shapeOf({"#####"}, "Heart (3)")).value();
    ASSERT_TRUE(list.refreshAfterSave(2).ok());
    EXPECT_EQ(list.selectedEntry()->text, "5x1 Heart (3)");
    EXPECT_EQ(current.Height, 1);
}

TEST_F(ShapeListTest, BrokenRecordsListWithClampedSizes)
{
    const std::string incomplete = solid("Cut off", 5, 5).substr(0, 1000);
    writeShapes({shapeImage("Negative", {"#"}, -3, 7).str(), shapeImage("Huge", {"#"}, 32767, 99).str(),
                 shapeImage("Zero", {}, 0, 0).str(), incomplete});
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(textsOf(list), (std::vector<std::string>{"0x0 Zero", "0x7 Negative", "50x50 Huge"}));
    for (int position = 0; position < 3; ++position) {
        list.select(position);
        ASSERT_TRUE(list.LoadALayout().ok());
        const auto rows = test::rowsOf(current);
        EXPECT_EQ(static_cast<int>(rows.size()), current.usedHeight());
        for (const auto& row : rows) EXPECT_EQ(static_cast<int>(row.size()), current.usedWidth());
    }
    // An import writes over the bytes of the incomplete record.
    const auto lay = dir / "S.LAY";
    writeFile(lay, "LAY1.0" + solid("Square", 5, 5));
    ASSERT_TRUE(list.ImportLayout(lay).ok());
    EXPECT_EQ(list.selectedEntry()->tag, 3);
    EXPECT_EQ(std::filesystem::file_size(path), 4 * ShapeRecord::kSize);
}

}  // namespace
}  // namespace qm
