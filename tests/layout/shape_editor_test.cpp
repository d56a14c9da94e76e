#include "layout/shape_editor.h"

#include <gtest/gtest.h>

#include "shape_test_support.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using Rows = std::vector<std::string>;
using test::rowsOf;
using test::shapeOf;

ShapeEditor editorOf(const Rows& rows) { return ShapeEditor(ShapeEditMode::Modify, shapeOf(rows), 0); }

TEST(ShapeEditorFill, ClearsASolidSquareAndASecondFillRestoresIt)
{
    ShapeEditor editor(ShapeEditMode::New, ShapeRecord{});
    editor.fill({17, 4});
    EXPECT_EQ(rowsOf(editor.shape()), Rows(30, std::string(30, '.')));
    editor.fill({30, 30});
    EXPECT_EQ(rowsOf(editor.shape()), Rows(30, std::string(30, '#')));
}

// The sweeps reach leftwards one cell a row and never turn back upwards, so parts of a
// connected area stay as they were.
TEST(ShapeEditorFill, ReachesOnlyAsFarAsTheRowSweepsGo)
{
    struct Case {
        const char* what;
        Rows before;
        GridCell start;
        Rows after;
    };
    const Rows u = {"#.....#", "#.....#", "#.....#", "#######", "......."};
    const Rows diagonal = {"#....", ".#...", "..#..", "...#.", "....#"};
    const Case cases[] = {
        {"U from the top of the right arm", u, {1, 7}, {"#......", "#......", "#......", "#####..", "......."}},
        {"U from the top of the left arm", u, {1, 1}, {"......#", "......#", "......#", "......#", "......."}},
        {"U from its bottom row", u, {4, 4}, {".......", ".......", ".......", ".......", "......."}},
        {"inside the U", u, {2, 3}, {"#######", "#######", "#######", "#######", "......."}},
        {"a row leading leftwards above the start", {"######", ".....#"}, {2, 6}, {"####..", "......"}},
        {"above a diagonal", diagonal, {1, 5}, {"#####", ".####", "..###", "...##", "....#"}},
        {"below a diagonal", diagonal, {5, 1}, {"#....", "##...", "###..", "####.", "#####"}},
        {"one cell on a diagonal", diagonal, {3, 3}, {"#....", ".#...", ".....", "...#.", "....#"}},
    };
    for (const Case& c : cases) {
        ShapeEditor editor = editorOf(c.before);
        editor.fill(c.start);
        EXPECT_EQ(rowsOf(editor.shape()), c.after) << c.what;
        EXPECT_TRUE(editor.undoEnabled()) << c.what;
    }
}

TEST(ShapeEditorFill, LeavesTheHiddenPartOfTheMaskAlone)
{
    ShapeRecord shape = makeNewShape();
    shape.Width = 10;
    shape.Height = 10;
    ShapeEditor editor(ShapeEditMode::Copy, shape);
    editor.fill({5, 5});
    EXPECT_FALSE(editor.shape().inShape(10, 10));
    EXPECT_TRUE(editor.shape().inShape(10, 11));
    EXPECT_TRUE(editor.shape().inShape(11, 10));
    editor.fill({11, 11});  // beyond the grid: nothing happens
    EXPECT_TRUE(editor.shape().inShape(11, 11));
}

TEST(ShapeEditorShift, MovesThePatternAndClearsTheFreedEdge)
{
    struct Case {
        ShiftDirection direction;
        Rows after;
    };
    const Rows before = {"##..", ".#.#", "...#"};
    const Case cases[] = {
        {ShiftDirection::Left, {"#...", "#.#.", "..#."}},
        {ShiftDirection::Right, {".##.", "..#.", "...."}},
        {ShiftDirection::Up, {".#.#", "...#", "...."}},
        {ShiftDirection::Down, {"....", "##..", ".#.#"}},
    };
    for (const Case& c : cases) {
        ShapeRecord shape = shapeOf(before);
        shape.setCell(1, 5, true);  // outside the 4 x 3 grid: never moves
        shape.setCell(4, 1, true);
        ShapeEditor editor(ShapeEditMode::Modify, shape, 0);
        editor.shift(c.direction);
        EXPECT_EQ(rowsOf(editor.shape()), c.after) << static_cast<int>(c.direction);
        EXPECT_TRUE(editor.shape().inShape(1, 5));
        EXPECT_TRUE(editor.shape().inShape(4, 1));
    }
}

TEST(ShapeEditorShift, LosesTheEdgeAndUndoGoesBackOneShiftOnly)
{
    ShapeEditor editor = editorOf({"#..#.", "##...", "#.##."});
    EXPECT_FALSE(editor.undoEnabled());
    editor.shift(ShiftDirection::Left);
    editor.shift(ShiftDirection::Left);
    EXPECT_EQ(rowsOf(editor.shape()), (Rows{".#...", ".....", "##..."}));
    editor.undo();
    EXPECT_EQ(rowsOf(editor.shape()), (Rows{"..#..", "#....", ".##.."}));  // column 1 stays lost
    EXPECT_FALSE(editor.undoEnabled());
    editor.undo();  // nothing more to undo
    EXPECT_EQ(rowsOf(editor.shape()), (Rows{"..#..", "#....", ".##.."}));
}

TEST(ShapeEditorUndo, ToggleAndReverseDisableIt)
{
    ShapeEditor editor = editorOf({"##", "#."});
    editor.fill({1, 1});
    editor.toggle({2, 2});
    EXPECT_FALSE(editor.undoEnabled());
    EXPECT_EQ(rowsOf(editor.shape()), (Rows{"..", ".#"}));
    editor.shift(ShiftDirection::Up);
    EXPECT_TRUE(editor.undoEnabled());
    editor.reverse();
    EXPECT_FALSE(editor.undoEnabled());
}

TEST(ShapeEditorReverse, FlipsAllTwoThousandFiveHundredBytes)
{
    ShapeRecord shape = shapeOf({"#.", ".#"});
    shape.Mask[cellNumber(50, 50) - 1] = 7;  // a stray byte counts as outside the shape
    ShapeEditor editor(ShapeEditMode::Modify, shape, 0);
    editor.reverse();
    EXPECT_EQ(rowsOf(editor.shape()), (Rows{".#", "#."}));
    EXPECT_EQ(std::count(editor.shape().Mask.begin(), editor.shape().Mask.end(), 1), 2500 - 2);
}

TEST(ShapeEditorSize, ReadsTheLeadingNumberAndKeepsTheOldSizeWhenRefused)
{
    struct Case {
        const char* text;
        ShapeEditor::SizeChange change;
        int width;
    };
    using C = ShapeEditor::SizeChange;
    const Case cases[] = {
        {"7x", C::Changed, 7},    {" 12 ", C::Changed, 12},
        {"30", C::Unchanged, 30}, {"5", C::Changed, 5},
        {"40", C::Refused, 30},   {"4", C::Refused, 30},
        {"", C::Refused, 30},     {"x7", C::Refused, 30},
        {"-5", C::Refused, 30},   {"99999999999999999999", C::Refused, 30},
    };
    for (const Case& c : cases) {
        ShapeEditor editor(ShapeEditMode::New, ShapeRecord{});
        EXPECT_EQ(editor.setWidthText(c.text), c.change) << c.text;
        EXPECT_EQ(editor.shape().Width, c.width) << c.text;
    }
}

TEST(ShapeEditorSize, NarrowingAndWideningAgainRestoresTheHiddenColumns)
{
    ShapeEditor editor(ShapeEditMode::New, ShapeRecord{});
    editor.toggle({1, 25});
    editor.toggle({30, 12});
    const ShapeRecord before = editor.shape();
    ASSERT_EQ(editor.setWidthText("10"), ShapeEditor::SizeChange::Changed);
    ASSERT_EQ(editor.setHeightText("10"), ShapeEditor::SizeChange::Changed);
    EXPECT_EQ(rowsOf(editor.shape()), Rows(10, std::string(10, '#')));
    ASSERT_EQ(editor.setWidthText("30"), ShapeEditor::SizeChange::Changed);
    ASSERT_EQ(editor.setHeightText("30"), ShapeEditor::SizeChange::Changed);
    EXPECT_EQ(editor.shape().Mask, before.Mask);
}

TEST(ShapeEditorGrid, CellsAreSquareAndClicksBesideTheGridNameNoCell)
{
    EXPECT_EQ(editorCellSize(401, 401, 5, 30), 12);
    EXPECT_EQ(editorCellSize(401, 401, 30, 30), 12);
    EXPECT_EQ(editorCellSize(401, 401, 5, 5), 79);
    EXPECT_EQ(editorCellSize(401, 401, 50, 50), 7);
    EXPECT_EQ(editorCellSize(401, 401, 0, 30), 0);

    ShapeRecord shape = makeNewShape();
    shape.Width = 5;
    ShapeEditor editor(ShapeEditMode::Copy, shape);
    EXPECT_EQ(editor.cellAt(0, 0, 12), (GridCell{1, 1}));
    EXPECT_EQ(editor.cellAt(11, 12, 12), (GridCell{2, 1}));  // the line at y = 12 starts row 2
    EXPECT_EQ(editor.cellAt(59, 359, 12), (GridCell{30, 5}));
    EXPECT_EQ(editor.cellAt(60, 10, 12), std::nullopt);  // column 6 is beyond the width
    EXPECT_EQ(editor.cellAt(10, 360, 12), std::nullopt);
    EXPECT_EQ(editor.cellAt(-1, 10, 12), std::nullopt);
    EXPECT_EQ(editor.cellAt(10, 10, 0), std::nullopt);
}

class ShapeEditorSaveTest : public ::testing::Test {
protected:
    test::TempDir dir;
    ShapeFile file = ShapeFile::inDirectory(dir.path());
};

TEST_F(ShapeEditorSaveTest, NewAndCopyAppendAndModifyOverwrites)
{
    ShapeEditor fresh(ShapeEditMode::New, ShapeRecord{});
    const auto saved = fresh.save(file, "  Heart  ", "30", "30");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value.index, 0);
    EXPECT_EQ(file.ReadRecord(0)->Name.text(), "Heart");

    ShapeRecord copy = *file.ReadRecord(0);
    copy.Name.assign("Heart (2)");
    ShapeEditor copying(ShapeEditMode::Copy, copy);
    copying.toggle({1, 1});
    EXPECT_EQ(copying.save(file, "Heart (2)", "30", "30").value.index, 1);
    EXPECT_TRUE(file.ReadRecord(0)->inShape(1, 1));  // the original stays as it was
    EXPECT_FALSE(file.ReadRecord(1)->inShape(1, 1));

    ShapeEditor modifying(ShapeEditMode::Modify, *file.ReadRecord(0), 0);
    const auto overwritten = modifying.save(file, "Big Heart", "7x", "12");
    ASSERT_TRUE(overwritten.ok());
    EXPECT_EQ(overwritten.value.index, 0);
    EXPECT_EQ(*file.recordCount(), 2);
    EXPECT_EQ(file.ReadRecord(0)->Name.text(), "Big Heart");
    EXPECT_EQ(file.ReadRecord(0)->Width, 7);
    EXPECT_EQ(file.ReadRecord(0)->Height, 12);
}

TEST_F(ShapeEditorSaveTest, RefusalsNameTheirMessageAndWriteNothing)
{
    ShapeEditor editor(ShapeEditMode::New, ShapeRecord{});
    auto saved = editor.save(file, "X", "40", "2");
    EXPECT_EQ(saved.refusal.message, "Height must be between 5 and 30.  Please re-enter height.");
    EXPECT_EQ(saved.value.refusedField, ShapeEditor::SizeField::Height);
    saved = editor.save(file, "X", "40", "20");
    EXPECT_EQ(saved.refusal.message, "Width must be between 5 and 30.  Please re-enter width.");
    EXPECT_EQ(saved.value.refusedField, ShapeEditor::SizeField::Width);
    EXPECT_FALSE(std::filesystem::exists(file.path()));

    saved = editor.save(ShapeFile(dir / "missing" / "QZFLAY.DAT"), "X", "20", "20");
    EXPECT_EQ(saved.refusal.message, "Unable to add shape.");
    EXPECT_EQ(saved.refusal.caption, "Disk Error");

    ShapeEditor modifying(ShapeEditMode::Modify, makeNewShape(), 0);
    EXPECT_EQ(modifying.save(file, "X", "20", "20").refusal.message, "Unable to add shape.");
}

TEST_F(ShapeEditorSaveTest, AnEmptyNameIsAccepted)
{
    ShapeEditor editor(ShapeEditMode::New, ShapeRecord{});
    ASSERT_TRUE(editor.save(file, "   ", "10", "10").ok());
    EXPECT_EQ(file.ReadRecord(0)->Name.text(), "");
}

}  // namespace
}  // namespace qm
