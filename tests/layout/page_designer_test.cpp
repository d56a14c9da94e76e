// The designer's working layout: opening at another zoom, creating and dragging objects, the
// page commands, undo and redo back to the same bytes, and saving into the layout file.
#include "layout/page_designer.h"

#include <climits>

#include <gtest/gtest.h>

#include "page_layout_test_support.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::addObject;
using test::decodeLayout;
using test::encodeLayout;
using test::layoutImage;
using test::letterLayout;
using test::readFile;
using test::TempDir;
using test::writeFile;

// A Letter layout in inches stored at the zoom, with the objects given as kind and bounds.
PageLayoutRecord storedLayout(int zoom, std::initializer_list<std::pair<std::int16_t, PageBounds>> objects,
                              std::optional<std::int16_t> count = std::nullopt)
{
    auto image =
        layoutImage("Stored", "Letter", 8.5, 11, 408, 528, count.value_or(static_cast<std::int16_t>(objects.size())));
    image.i16(66, static_cast<std::int16_t>(zoom));
    int k = 0;
    for (const auto& [kind, b] : objects) addObject(image, ++k, kind, b.Left, b.Top, b.Right, b.Bottom);
    return decodeLayout(image.bytes());
}

PageBounds boundsOf(const PageDesigner& designer, int k) { return designer.object(k).Bounds; }

void expectBounds(const PageBounds& got, const PageBounds& expected)
{
    EXPECT_EQ(got.Left, expected.Left);
    EXPECT_EQ(got.Top, expected.Top);
    EXPECT_EQ(got.Right, expected.Right);
    EXPECT_EQ(got.Bottom, expected.Bottom);
}

TEST(PageDesigner, NewStartsFromAnEmptyLetterPage)
{
    const PageDesigner designer(LayoutEditMode::New, storedLayout(1, {{1, {1, 2, 3, 4}}}), -1, 2);
    const PageLayoutRecord& layout = designer.layout();
    EXPECT_EQ(layout.Name.text(), "New Page");
    EXPECT_EQ(layout.PaperName.text(), "Letter");
    EXPECT_DOUBLE_EQ(layout.PageWidth, 8.5);
    EXPECT_DOUBLE_EQ(layout.PageHeight, 11);
    EXPECT_TRUE(static_cast<bool>(layout.Inches));
    EXPECT_TRUE(static_cast<bool>(layout.Portrait));
    EXPECT_EQ(designer.objectCount(), 0);
    EXPECT_EQ(layout.PixelWidth, 612);
    EXPECT_EQ(layout.PixelHeight, 792);
    EXPECT_EQ(designer.pixelsPerUnit(), 72);
}

TEST(PageDesigner, ALayoutStoredAtLargeZoomOpensHalvedAtSmall)
{
    const PageDesigner designer(LayoutEditMode::Modify, storedLayout(3, {{2, {96, 101, 400, 403}}}), 0, 1);
    expectBounds(boundsOf(designer, 1), {48, 50, 200, 201});
    EXPECT_EQ(designer.layout().Zoom, 1);
    EXPECT_EQ(designer.layout().PixelWidth, 408);
}

TEST(PageDesigner, StoredCountsAndZoomsAreClamped)
{
    const PageDesigner many(LayoutEditMode::Modify, storedLayout(9, {{1, {10, 10, 20, 20}}}, 300), 0, 3);
    EXPECT_EQ(many.objectCount(), kMaxPageObjects);
    expectBounds(boundsOf(many, 1), {10, 10, 20, 20});  // zoom 9 counts as large
    const PageDesigner none(LayoutEditMode::Copy, storedLayout(0, {{1, {10, 10, 20, 20}}}, -5), -1, 0);
    EXPECT_EQ(none.objectCount(), 0);
    EXPECT_EQ(none.zoom(), 1);
    PageLayoutRecord odd = storedLayout(1, {});
    odd.PaperName.assign("Tabloid");
    EXPECT_EQ(PageDesigner(LayoutEditMode::Modify, odd, 0, 1).layout().PaperName.text(), "Custom");
}

TEST(PageDesigner, ANewTitleAndPuzzleAtMediumZoomInInches)
{
    PageDesigner designer(LayoutEditMode::New, {}, -1, 2);
    designer.armTool(PageObjectKind::Title);
    EXPECT_EQ(designer.createObject({30, 40}), 1);
    expectBounds(boundsOf(designer, 1), {30, 40, 174, 58});
    EXPECT_EQ(designer.selected(), 1);
    EXPECT_FALSE(designer.armedTool()) << "the tool is used once";
    EXPECT_FALSE(designer.toolEnabled(PageObjectKind::Title));
    designer.armTool(PageObjectKind::Title);
    EXPECT_FALSE(designer.armedTool()) << "a disabled tool cannot be armed";
    EXPECT_EQ(designer.createObject({0, 0}), 0);
    designer.armTool(PageObjectKind::Puzzle);
    designer.armTool(PageObjectKind::Puzzle);
    EXPECT_FALSE(designer.armedTool()) << "pressing the armed tool again disarms it";
    designer.armTool(PageObjectKind::Circle);
    designer.armTool(PageObjectKind::Puzzle);
    EXPECT_EQ(designer.armedTool(), PageObjectKind::Puzzle) << "arming one disarms the others";
    EXPECT_EQ(designer.createObject({100, 100}), 2);
    expectBounds(boundsOf(designer, 2), {100, 100, 316, 316});
}

TEST(PageDesigner, SmallToMediumAndBackGivesTheSameLeft)
{
    PageDesigner designer(LayoutEditMode::Modify, storedLayout(1, {{10, {100, 10, 200, 20}}}), 0, 1);
    EXPECT_TRUE(designer.setZoom(2));
    EXPECT_EQ(boundsOf(designer, 1).Left, 150);
    EXPECT_EQ(designer.layout().PixelWidth, 612);
    EXPECT_FALSE(designer.setZoom(2));
    EXPECT_TRUE(designer.setZoom(1));
    EXPECT_EQ(boundsOf(designer, 1).Left, 100);
    EXPECT_EQ(boundsOf(designer, 1).Right, 200);
}

TEST(PageDesigner, DragTypesFollowTheSelectionAndItsHandles)
{
    PageDesigner designer(LayoutEditMode::Modify,
                          storedLayout(2, {{2, {100, 100, 300, 300}}, {1, {150, 150, 250, 170}}}), 0, 2);
    EXPECT_EQ(designer.dragTypeAt({120, 120}), DragType::None) << "nothing selected";
    designer.select(1);
    EXPECT_EQ(designer.dragTypeAt({120, 120}), DragType::Move);
    EXPECT_EQ(designer.dragTypeAt({200, 160}), DragType::None) << "the Title lies above the selected Puzzle";
    EXPECT_EQ(designer.dragTypeAt({301, 301}), DragType::BottomRight);
    designer.armTool(PageObjectKind::Text);
    EXPECT_EQ(designer.dragTypeAt({120, 120}), DragType::None) << "an armed tool keeps the drag cursor";
}

TEST(PageDesigner, ACornerDraggedPastTheOppositeEdgeGivesANormalisedRectangle)
{
    PageDesigner designer(LayoutEditMode::Modify, storedLayout(2, {{12, {100, 100, 200, 150}}}), 0, 2);
    designer.dragObject(1, DragType::BottomRight, -150, -80);
    expectBounds(boundsOf(designer, 1), {50, 70, 100, 100});
    designer.dragObject(1, DragType::Move, 10, -500);
    expectBounds(boundsOf(designer, 1), {60, -430, 110, -400});  // nothing clamps an object to the page
}

TEST(PageDesigner, DeletingObjectOneOfThreeMovesTheOthersDown)
{
    PageDesigner designer(LayoutEditMode::Modify,
                          storedLayout(2, {{1, {0, 0, 10, 10}}, {10, {1, 1, 5, 5}}, {13, {2, 2, 6, 6}}}), 0, 2);
    designer.select(3);
    designer.deleteObject(1);
    ASSERT_EQ(designer.objectCount(), 2);
    EXPECT_EQ(designer.object(1).Kind, 10);
    EXPECT_EQ(designer.object(2).Kind, 13);
    EXPECT_EQ(designer.selected(), 2) << "the selection follows its object";
    EXPECT_TRUE(designer.toolEnabled(PageObjectKind::Title));
    designer.bringToFront(1);
    EXPECT_EQ(designer.object(2).Kind, 10);
    EXPECT_EQ(designer.selected(), 2);
    designer.sendToBack(2);
    EXPECT_EQ(designer.object(1).Kind, 10);
    EXPECT_EQ(designer.selected(), 1);
}

TEST(PageDesigner, CustomSizesAreStoredWhenValidAndChanged)
{
    PageDesigner designer(LayoutEditMode::New, {}, -1, 2);
    EXPECT_EQ(designer.setCustomSize(PageSide::Width, "8.50"), false);
    EXPECT_EQ(designer.setCustomSize(PageSide::Width, "2"), std::nullopt);
    EXPECT_EQ(designer.setCustomSize(PageSide::Width, "12"), true);
    EXPECT_EQ(designer.layout().PixelWidth, 864);
    EXPECT_TRUE(designer.choosePaper("Custom"));
    designer.setInches(false);
    EXPECT_DOUBLE_EQ(designer.layout().PageWidth, 30.48);
    EXPECT_EQ(designer.setCustomSize(PageSide::Height, "9"), std::nullopt) << "centimetres start at 10";
}

TEST(PageDesigner, UndoReturnsTheLayoutByteForByteAndRedoRepeats)
{
    const PageLayoutRecord start =
        storedLayout(2, {{1, {10, 10, 154, 28}}, {2, {20, 40, 236, 256}}, {11, {300, 300, 400, 400}}});
    PageDesigner designer(LayoutEditMode::Modify, start, 0, 2);
    const std::vector<std::uint8_t> opened = encodeLayout(designer.layout());
    EXPECT_FALSE(designer.canUndo());

    designer.dragObject(2, DragType::Move, 7, 9);
    designer.setZoom(1);
    designer.choosePaper("A4");
    designer.setPortrait(false);
    designer.setInches(true);
    designer.armTool(PageObjectKind::Circle);
    designer.createObject({5, 5});
    PageObject changed = designer.object(1);
    changed.BorderWidth = 7;
    designer.replaceObject(1, changed);
    designer.deleteObject(3);
    designer.sendToBack(2);
    designer.setZoom(3);
    const std::vector<std::uint8_t> edited = encodeLayout(designer.layout());

    int steps = 0;
    while (designer.canUndo()) {
        designer.undo();
        ++steps;
    }
    EXPECT_EQ(steps, 10);
    EXPECT_EQ(encodeLayout(designer.layout()), opened);
    EXPECT_EQ(designer.zoom(), 2);
    while (designer.canRedo()) designer.redo();
    EXPECT_EQ(encodeLayout(designer.layout()), edited);
    EXPECT_EQ(designer.zoom(), 3);

    designer.undo();
    designer.setPortrait(false);  // already landscape: no step, and the redo stays
    EXPECT_TRUE(designer.canRedo());
    designer.dragObject(1, DragType::Move, 1, 1);
    EXPECT_FALSE(designer.canRedo()) << "a new change ends the redo";
}

class PageDesignerSave : public ::testing::Test {
protected:
    TempDir dir;
    PageLayoutFile file = PageLayoutFile::inDirectory(dir.path());
};

TEST_F(PageDesignerSave, NewAppendsWithTheNameTheZoomAndThePaper)
{
    writeFile(file.path(), letterLayout("First"));
    PageDesigner designer(LayoutEditMode::New, {}, -1, 3);
    designer.choosePaper("A4");
    const auto saved = designer.save(file, "  Worksheet with a long name  ", "21.00", "29.70");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value.index, 1);
    const std::string bytes = readFile(file.path());
    ASSERT_EQ(bytes.size(), 2 * test::kLayoutSize);
    EXPECT_EQ(bytes.substr(0, test::kLayoutSize), letterLayout("First"));
    const PageLayoutRecord stored = *file.ReadRecord(1);
    EXPECT_EQ(stored.Name.text(), "Worksheet with a lon");
    EXPECT_EQ(stored.PaperName.text(), "A4");
    EXPECT_EQ(stored.Zoom, 3);
    EXPECT_EQ(stored.PixelWidth, 840);
    EXPECT_TRUE(stored == designer.layout());
}

TEST_F(PageDesignerSave, ModifyOverwritesItsRecord)
{
    writeFile(file.path(), letterLayout("A") + letterLayout("B") + letterLayout("C"));
    PageDesigner designer(LayoutEditMode::Modify, *file.ReadRecord(1), 1, 1);
    designer.armTool(PageObjectKind::Text);
    designer.createObject({1, 2});
    const auto saved = designer.save(file, "B2", "8.50", "11.00");
    ASSERT_TRUE(saved.ok());
    EXPECT_EQ(saved.value.index, 1);
    EXPECT_EQ(*file.recordCount(), 3);
    EXPECT_EQ(file.ReadRecord(1)->Name.text(), "B2");
    EXPECT_EQ(file.ReadRecord(1)->ObjectCount, 1);
    EXPECT_EQ(readFile(file.path()).substr(2 * test::kLayoutSize), letterLayout("C"));
}

TEST_F(PageDesignerSave, RefusesTheHeightBeforeTheWidthAndLeavesTheFileAlone)
{
    PageDesigner designer(LayoutEditMode::New, {}, -1, 2);
    auto saved = designer.save(file, "X", "1", "99");
    EXPECT_EQ(saved.value.refusedSide, PageSide::Height);
    EXPECT_EQ(saved.refusal.message, "Height must be between 4 and 18 inches.  Please re-enter height.");
    saved = designer.save(file, "X", "1", "11");
    EXPECT_EQ(saved.value.refusedSide, PageSide::Width);
    EXPECT_FALSE(std::filesystem::exists(file.path()));
}

TEST_F(PageDesignerSave, ALayoutFileThatCannotBeOpenedIsRefusedAsADiskError)
{
    std::filesystem::create_directory(file.path());  // a folder where the file should be
    PageDesigner designer(LayoutEditMode::New, {}, -1, 2);
    const auto saved = designer.save(file, "X", "8.5", "11");
    EXPECT_EQ(saved.kind, CommandOutcome::Kind::Refused);
    EXPECT_EQ(saved.refusal.message, "Unable to add page layout.");
    EXPECT_EQ(saved.refusal.caption, "Disk Error");
}

}  // namespace
}  // namespace qm
