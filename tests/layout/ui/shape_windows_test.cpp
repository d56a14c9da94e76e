#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "layout/gui/shape_drawing.h"
#include "layout/shape_test_support.h"
#include "layout/ui/shape_editor_dialog.h"
#include "layout/ui/shape_grid_widget.h"
#include "layout/ui/shape_list_scene.h"
#include "layout/ui/shape_list_window.h"
#include "layout/ui/shape_preview_widget.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::readFile;
using test::shapeImage;
using test::shapeOf;
using test::solidShapeImage;
using test::writeFile;

const QColor kFace(0xC0, 0xC0, 0xC0);

QColor pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

QImage shapePreviewImage(QSize size, const ShapeRecord& shape, const QColor& buttonFace)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawTheBox(painter, size, shape, buttonFace);
    return image;
}

QImage gridImage(const ShapeRecord& shape)
{
    QImage image(401, 401, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawGrid(painter, image.size(), shape, kFace);
    return image;
}

TEST(ShapePreview, DrawsSquareCellsWithGridLinesOnTheButtonFace)
{
    const ShapeRecord heart = shapeOf({"#.", ".#"});
    ShapeRecord wide = heart;
    wide.Width = 26;
    wide.Height = 24;  // cells of 9 pixels: 240 div 26 is smaller than 240 div 24
    const QImage image = shapePreviewImage({240, 240}, wide, kFace);
    EXPECT_EQ(pixel(image, 0, 0), QColor(Qt::black));  // the corner of the grid lines
    EXPECT_EQ(pixel(image, 1, 1), QColor(Qt::black));  // cell (1, 1) is in the shape
    EXPECT_EQ(pixel(image, 8, 8), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 9, 5), QColor(Qt::black));    // the line between columns 1 and 2
    EXPECT_EQ(pixel(image, 10, 5), QColor(Qt::white));   // cell (1, 2) is not
    EXPECT_EQ(pixel(image, 234, 5), QColor(Qt::black));  // the last line at 26 * 9
    EXPECT_EQ(pixel(image, 235, 5), kFace);
    EXPECT_EQ(pixel(image, 5, 216), QColor(Qt::black));  // the last line at 24 * 9
    EXPECT_EQ(pixel(image, 5, 217), kFace);
}

TEST(ShapePreview, CellsOutsideTheSizeDoNotShow)
{
    ShapeRecord plain = shapeOf({"#....", ".....", ".....", ".....", "....."});
    ShapeRecord stray = plain;
    stray.setCell(1, 6, true);
    stray.setCell(6, 1, true);
    stray.Mask[cellNumber(50, 50) - 1] = 1;
    EXPECT_EQ(shapePreviewImage({240, 240}, plain, kFace), shapePreviewImage({240, 240}, stray, kFace));
}

TEST(ShapePreview, BrokenSizesDrawWithinTheImage)
{
    struct Case {
        std::int16_t width;
        std::int16_t height;
        bool drawn;
    };
    for (const Case c :
         {Case{0, 10, false}, Case{-7, 10, false}, Case{10, -32768, false}, Case{32767, 99, true}, Case{1, 50, true}}) {
        ShapeRecord shape = makeNewShape();
        shape.Width = c.width;
        shape.Height = c.height;
        const QImage image = shapePreviewImage({148, 148}, shape, kFace);
        EXPECT_EQ(pixel(image, 0, 0) == kFace, !c.drawn) << c.width << "x" << c.height;
        const QImage grid = gridImage(shape);
        EXPECT_EQ(pixel(grid, 0, 0) == kFace, !c.drawn) << c.width << "x" << c.height;
    }
}

TEST(ShapeEditorGrid, DrawsRedCellsOfTwelvePixelsForFiveByThirty)
{
    ShapeRecord shape = makeNewShape();
    shape.Width = 5;
    shape.setCell(1, 2, false);
    const QImage image = gridImage(shape);
    EXPECT_EQ(pixel(image, 1, 1), QColor(0xFF, 0, 0));
    EXPECT_EQ(pixel(image, 11, 11), QColor(0xFF, 0, 0));
    EXPECT_EQ(pixel(image, 12, 5), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 13, 5), QColor(Qt::white));  // cell (1, 2) was cleared
    EXPECT_EQ(pixel(image, 60, 5), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 61, 5), kFace);
    EXPECT_EQ(pixel(image, 5, 360), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 5, 361), kFace);
}

class ShapeWindowTest : public ::testing::Test, protected test::ShapeListScene {
protected:
    template <typename T>
    static T* child(QWidget& window, const char* name)
    {
        T* found = window.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
};

using TDoShapesTest = ShapeWindowTest;

TEST_F(TDoShapesTest, OpensOnTheShapeItIsGiven)
{
    TDoShapes fresh(dialogs, style, shapeFile(), {ShapeEditMode::New, shapeOf({"#"}), -1});
    EXPECT_EQ(fresh.windowTitle(), "Shape Creator");
    EXPECT_EQ(child<QLineEdit>(fresh, "Title")->text(), "New Layout");
    EXPECT_EQ(child<QLineEdit>(fresh, "WidthEdit")->text(), "30");
    EXPECT_EQ(child<QLineEdit>(fresh, "Title")->maxLength(), 30);
    EXPECT_EQ(child<QLineEdit>(fresh, "HeightEdit")->maxLength(), 2);
    EXPECT_EQ(child<QWidget>(fresh, "Img")->size(), QSize(401, 401));

    TDoShapes copy(dialogs, style, shapeFile(), {ShapeEditMode::Copy, shapeOf({"##", "#."}, "Heart (2)"), -1});
    EXPECT_EQ(child<QLineEdit>(copy, "Title")->text(), "Heart (2)");
    EXPECT_EQ(child<QLineEdit>(copy, "HeightEdit")->text(), "2");
}

TEST_F(TDoShapesTest, MouseTogglesAndFillsOnPressAndReleaseInOneCell)
{
    TDoShapes editor(dialogs, style, shapeFile(), {ShapeEditMode::New, {}, -1});
    editor.show();
    auto* image = child<ShapeGridWidget>(editor, "Img");
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(15, 5));  // cell (1, 2)
    EXPECT_FALSE(editor.editor().shape().inShape(1, 2));
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(15, 5));
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(30, 5));  // another cell: nothing
    EXPECT_FALSE(editor.editor().shape().inShape(1, 2));
    EXPECT_TRUE(editor.editor().shape().inShape(1, 3));

    // The fill clears every cell of the grid; only the 1,600 mask bytes beyond it stay set.
    QTest::mouseClick(image, Qt::RightButton, {}, QPoint(200, 200));
    const auto setBytes = [&] {
        return std::count(editor.editor().shape().Mask.begin(), editor.editor().shape().Mask.end(), 1);
    };
    EXPECT_EQ(setBytes(), 2500 - 900);
    QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(395, 395));  // beside the 30 x 30 grid
    EXPECT_EQ(setBytes(), 2500 - 900);
}

TEST_F(TDoShapesTest, UndoFollowsItsRulesAndShowsTheSizeItRestores)
{
    TDoShapes editor(dialogs, style, shapeFile(), {ShapeEditMode::New, {}, -1});
    QPushButton* undo = nullptr;
    for (auto* button : editor.findChildren<QPushButton*>())
        if (button->text() == "&Undo") undo = button;
    ASSERT_NE(undo, nullptr);
    EXPECT_FALSE(undo->isEnabled());
    child<QPushButton>(editor, "LeftButton")->click();
    EXPECT_TRUE(undo->isEnabled());
    auto* width = child<QLineEdit>(editor, "WidthEdit");
    width->setText("10");
    EXPECT_TRUE(editor.CheckWidth());
    EXPECT_EQ(editor.editor().shape().Width, 10);
    undo->click();
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(width->text(), "30");
    EXPECT_TRUE(editor.editor().shape().inShape(1, 30));
}

TEST_F(TDoShapesTest, SizeFieldsRefuseOutOfRangeValues)
{
    TDoShapes editor(dialogs, style, shapeFile(), {ShapeEditMode::New, {}, -1});
    auto* width = child<QLineEdit>(editor, "WidthEdit");
    width->setText("40");
    EXPECT_FALSE(editor.CheckWidth());
    EXPECT_EQ(editor.editor().shape().Width, 30);
    width->setText("7x");
    EXPECT_TRUE(editor.CheckWidth());
    EXPECT_EQ(editor.editor().shape().Width, 7);
    child<QLineEdit>(editor, "HeightEdit")->setText("4");
    editor.SaveClick();
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{"message Error: Width must be between 5 and 30.  Please re-enter width.",
                                        "message Error: Height must be between 5 and 30.  Please re-enter height."}));
    EXPECT_FALSE(editor.savedIndex());
    EXPECT_FALSE(std::filesystem::exists(shapeFile().path()));
}

TEST_F(TDoShapesTest, SaveAppendsOrOverwrites)
{
    writeFile(shapeFile().path(), solidShapeImage("Box", 5, 5).str());
    TDoShapes fresh(dialogs, style, shapeFile(), {ShapeEditMode::New, {}, -1});
    child<QLineEdit>(fresh, "Title")->setText("  Moon ");
    fresh.SaveClick();
    EXPECT_EQ(fresh.savedIndex(), 1);
    EXPECT_EQ(shapeFile().ReadRecord(1)->Name.text(), "Moon");

    TDoShapes modify(dialogs, style, shapeFile(), {ShapeEditMode::Modify, *shapeFile().ReadRecord(0), 0});
    child<QLineEdit>(modify, "Title")->setText("Big Box");
    child<QLineEdit>(modify, "WidthEdit")->setText("20");
    modify.SaveClick();
    EXPECT_EQ(modify.savedIndex(), 0);
    EXPECT_EQ(*shapeFile().recordCount(), 2);
    EXPECT_EQ(shapeEntryText(*shapeFile().ReadRecord(0)), "20x5 Big Box");
}

using TSelectShapesTest = ShapeWindowTest;

std::vector<QString> itemsOf(const QListWidget& list)
{
    std::vector<QString> items;
    for (int i = 0; i < list.count(); ++i) items.push_back(list.item(i)->text());
    return items;
}

TEST_F(TSelectShapesTest, OpensOnTheFirstEntryAndShowsIt)
{
    writeFile(shapeFile().path(), solidShapeImage("Star", 5, 5).str() + shapeImage("Caf\xE9", {"##", "#."}).str() +
                                      solidShapeImage("Square", 10, 10).str());
    TSelectShapes window(context);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Shapes");
    auto* list = child<QListWidget>(window, "ShapeBox");
    EXPECT_EQ(itemsOf(*list), (std::vector<QString>{"10x10 Square", "2x2 Caf\u00E9", "5x5 Star"}));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(current.Name.text(), "Square");
    EXPECT_EQ(child<ShapePreviewWidget>(window, "LayoutImage")->size(), QSize(240, 240));
    EXPECT_EQ(child<ShapePreviewWidget>(window, "LayoutImage")->shownRecord()->Width, 10);
    EXPECT_TRUE(child<QPushButton>(window, "ModifyButton")->isEnabled());
    EXPECT_EQ(child<QPushButton>(window, "ExitButton")->text(), "E&xit");

    list->setCurrentRow(1);
    EXPECT_EQ(current.Name.text(), "Caf\xE9");
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(TSelectShapesTest, WithoutShapesWarnsOnce)
{
    TSelectShapes window(context);
    window.show();
    window.hide();
    window.show();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Warning: No saved shape information could be found."}));
    EXPECT_FALSE(child<ShapePreviewWidget>(window, "LayoutImage")->shownRecord());
    EXPECT_FALSE(child<QPushButton>(window, "DeleteButton")->isEnabled());
}

TEST_F(TSelectShapesTest, DeleteAsksAndRenumbers)
{
    writeFile(shapeFile().path(), solidShapeImage("A", 5, 5).str() + solidShapeImage("B", 6, 6).str());
    TSelectShapes window(context);
    window.show();
    dialogs.answerMessage(MessageButton::No).answerMessage(MessageButton::Yes).answerMessage(MessageButton::Yes);
    child<QPushButton>(window, "DeleteButton")->click();
    EXPECT_EQ(*shapeFile().recordCount(), 2);
    child<QPushButton>(window, "DeleteButton")->click();
    EXPECT_EQ(itemsOf(*child<QListWidget>(window, "ShapeBox")), (std::vector<QString>{"6x6 B"}));
    EXPECT_EQ(shapeFile().ReadRecord(0)->Name.text(), "B");
    child<QPushButton>(window, "DeleteButton")->click();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Delete?: Are you sure you want to delete \"5x5 A\"?",
                                                       "message Delete?: Are you sure you want to delete \"5x5 A\"?",
                                                       "message Delete?: Are you sure you want to delete \"6x6 B\"?",
                                                       "message Warning: No saved shape information could be found."}));
    EXPECT_FALSE(child<ShapePreviewWidget>(window, "LayoutImage")->shownRecord());
}

TEST_F(TSelectShapesTest, ExportAndImportGoThroughTheFileDialogs)
{
    writeFile(shapeFile().path(), solidShapeImage("A", 5, 5).str());
    TSelectShapes window(context);
    window.show();
    const QString lay = QString::fromStdString((dir / "A.LAY").string());
    dialogs.cancelFile().answerFile(lay).answerFile(lay);
    child<QPushButton>(window, "ExportButton")->click();
    child<QPushButton>(window, "ExportButton")->click();
    EXPECT_EQ(readFile(dir / "A.LAY"), "LAY1.0" + solidShapeImage("A", 5, 5).str());
    EXPECT_EQ(settings.LastExportShapeFile, lay.toStdString());
    child<QPushButton>(window, "ImportButton")->click();
    EXPECT_EQ(itemsOf(*child<QListWidget>(window, "ShapeBox")), (std::vector<QString>{"5x5 A", "5x5 A"}));
    EXPECT_EQ(settings.LastImportShapeFile, lay.toStdString());
    ASSERT_EQ(dialogs.fileRequests().size(), 3u);
    const FileRequest& exportRequest = dialogs.fileRequests()[1];
    EXPECT_EQ(exportRequest.kind, FileDialogKind::Save);
    EXPECT_EQ(exportRequest.title, "Export Puzzle Shape");
    EXPECT_EQ(exportRequest.filter, "Puzzle Shape (*.LAY)|*.LAY");
    EXPECT_EQ(exportRequest.defaultExtension, "LAY");
    EXPECT_TRUE(exportRequest.promptOverwrite);
    const FileRequest& importRequest = dialogs.fileRequests()[2];
    EXPECT_EQ(importRequest.kind, FileDialogKind::Open);
    EXPECT_EQ(importRequest.title, "Import Puzzle Shape");
    EXPECT_EQ(importRequest.filter, "Puzzle Shapes (*.LAY)|*.LAY");
    EXPECT_EQ(importRequest.initialFile, "");
    EXPECT_TRUE(importRequest.fileMustExist);
    EXPECT_EQ(dialogs.log().back(), "file Import Puzzle Shape");
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{"Puzzle Shape Exported!"}));
}

// Runs a command that opens the shape editor, and acts on the editor once it is up.
void whileEditorOpen(const std::function<void()>& command, const std::function<void(TDoShapes&)>& act)
{
    test::whileModalOpen<TDoShapes>(command, act);
}

TEST_F(TSelectShapesTest, NewCopyAndModifyRunTheEditorAndSelectTheResult)
{
    writeFile(shapeFile().path(), solidShapeImage("Heart", 5, 5).str() + solidShapeImage("Zebra", 5, 5).str());
    TSelectShapes window(context);
    window.show();
    auto* list = child<QListWidget>(window, "ShapeBox");

    whileEditorOpen([&] { child<QPushButton>(window, "CopyButton")->click(); },
                    [](TDoShapes& editor) {
                        EXPECT_EQ(editor.findChild<QLineEdit*>("Title")->text(), "Heart (2)");
                        editor.SaveClick();
                    });
    EXPECT_EQ(list->currentItem()->text(), "5x5 Heart (2)");
    EXPECT_EQ(current.Name.text(), "Heart (2)");

    whileEditorOpen([&] { child<QPushButton>(window, "ModifyButton")->click(); },
                    [](TDoShapes& editor) {
                        editor.findChild<QLineEdit*>("WidthEdit")->setText("12");
                        editor.SaveClick();
                    });
    EXPECT_EQ(list->currentItem()->text(), "12x5 Heart (2)");
    EXPECT_EQ(*shapeFile().recordCount(), 3);

    whileEditorOpen([&] { child<QPushButton>(window, "NewButton")->click(); }, [](TDoShapes&) {});  // cancelled
    EXPECT_EQ(*shapeFile().recordCount(), 3);
    whileEditorOpen([&] { child<QPushButton>(window, "NewButton")->click(); },
                    [](TDoShapes& editor) { editor.SaveClick(); });
    EXPECT_EQ(list->currentItem()->text(), "30x30 New Layout");
    EXPECT_EQ(shapeFile().ReadRecord(3)->Name.text(), "New Layout");
}

TEST_F(TSelectShapesTest, WordListEditorPanelShowsTheCurrentPuzzle)
{
    writeFile(shapeFile().path(), solidShapeImage("Square", 10, 10).str());
    PuzzleRecord puzzle;
    puzzle.Letters.fill('A');
    QWidget container;
    ShapeListPanel panel(context, container);
    panel.rememberLastShape();
    panel.showCurrentPuzzle(puzzle);
    panel.open();
    EXPECT_EQ(itemsOf(*panel.shapeBox()), (std::vector<QString>{"10x10 Square", "15x15 <Current Puzzle>"}));
    EXPECT_EQ(panel.shapeBox()->currentRow(), 1);
    EXPECT_FALSE(panel.modifyButton()->isEnabled());
    EXPECT_FALSE(panel.deleteButton()->isEnabled());
    panel.shapeBox()->setCurrentRow(0);
    EXPECT_EQ(settings.LastShape, 0);
    EXPECT_TRUE(panel.modifyButton()->isEnabled());
    panel.setLocked(true);
    EXPECT_FALSE(panel.newButton()->isEnabled());
    EXPECT_FALSE(panel.shapeBox()->isEnabled());
}

}  // namespace
}  // namespace qm
