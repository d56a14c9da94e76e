// The page layout designer TDoPages and its object dialogs, driven as a user would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "layout/page_layout_file.h"
#include "layout/page_layout_test_support.h"
#include "layout/ui/page_design_widget.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_object_dialogs.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::whileModalOpen;

void sendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Press, move in two steps and release the button, as a drag by hand does.
void drag(QWidget& widget, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(widget, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    sendMouse(widget, QEvent::MouseButtonPress, from, button, button);
    sendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
    sendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, button);
    sendMouse(widget, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

void click(QWidget& widget, QPoint at, Qt::MouseButton button = Qt::LeftButton) { drag(widget, at, at, button); }

QAction* actionNamed(QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions())
        if (action->text() == text) return action;
    ADD_FAILURE() << "no item " << text.toStdString();
    return nullptr;
}

PageBounds bounds(int left, int top, int right, int bottom) { return PageBounds{left, top, right, bottom}; }

void expectBounds(const PageBounds& actual, const PageBounds& expected)
{
    EXPECT_EQ(std::tuple(actual.Left, actual.Top, actual.Right, actual.Bottom),
              std::tuple(expected.Left, expected.Top, expected.Right, expected.Bottom));
}

class TDoPagesTest : public ::testing::Test {
protected:
    PageLayoutFile layoutFile() const { return PageLayoutFile::inDirectory(dir.path()); }

    // A designer on a new layout, shown, with the page under the mouse.
    std::unique_ptr<TDoPages> open(LayoutEditMode mode = LayoutEditMode::New,
                                   const PageLayoutRecord& start = PageLayoutRecord{}, int index = -1)
    {
        auto window = std::make_unique<TDoPages>(context, PageLayoutEditRequest{mode, start, index});
        window->show();
        return window;
    }
    // Arms the tool of the kind and clicks the page at the point.
    static void place(TDoPages& window, PageObjectKind kind, QPoint at)
    {
        window.toolButton(kind)->click();
        click(*window.pageImage(), at);
    }
    // Right-clicks object k and chooses the item of its context menu.
    static void choose(TDoPages& window, int k, const QString& item)
    {
        const PageBounds& b = window.designer().object(k).Bounds;
        click(*window.pageImage(), QPoint(b.Left + 4, b.Top + 4), Qt::RightButton);
        QAction* action = actionNamed(*window.contextMenu(), item);
        window.contextMenu()->hide();
        ASSERT_NE(action, nullptr);
        action->trigger();
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    PageLayoutListContext context{dialogs, style, {}, dir.path(), {}, {}};
    PageLayoutSettings& settings = context.settings;  // where the next designer opens
};

TEST_F(TDoPagesTest, AnArmedTitlePlacedOnThePageTakesItsSizeAndDisablesItsButton)
{
    auto window = open();
    EXPECT_EQ(window->windowTitle(), "Page Creator");
    QPushButton* title = window->toolButton(PageObjectKind::Title);
    title->click();
    EXPECT_TRUE(title->isChecked());
    EXPECT_EQ(window->pageImage()->cursor().shape(), Qt::CrossCursor);
    click(*window->pageImage(), {50, 60});
    ASSERT_EQ(window->designer().objectCount(), 1);
    expectBounds(window->designer().object(1).Bounds, bounds(50, 60, 194, 78));
    EXPECT_FALSE(title->isEnabled());
    EXPECT_FALSE(title->isChecked());
    EXPECT_TRUE(window->toolButton(PageObjectKind::Text)->isEnabled());
    EXPECT_EQ(window->designer().selected(), 1);
    const QList<QAction*> items = window->objectsMenu()->actions();
    EXPECT_TRUE(items[0]->isVisible());
    EXPECT_EQ(items[0]->text(), "Title");
    EXPECT_FALSE(items[1]->isVisible());
}

TEST_F(TDoPagesTest, TheHandMovesTheObjectAndACornerHandleSizesIt)
{
    auto window = open();
    place(*window, PageObjectKind::Puzzle, {40, 40});  // 216 x 216 at medium zoom
    PageDesignWidget& page = *window->pageImage();
    sendMouse(page, QEvent::MouseMove, {100, 100}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(page.cursor().shape(), Qt::OpenHandCursor);
    drag(page, {100, 100}, {130, 90});
    expectBounds(window->designer().object(1).Bounds, bounds(70, 30, 286, 246));

    sendMouse(page, QEvent::MouseMove, {286, 246}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(page.cursor().shape(), Qt::SizeFDiagCursor);
    // Past the opposite corner: the rectangle comes out normalised.
    drag(page, {286, 246}, {50, 20});
    expectBounds(window->designer().object(1).Bounds, bounds(50, 20, 70, 30));
    EXPECT_EQ(window->designer().selected(), 1);

    click(page, {300, 400});
    EXPECT_EQ(window->designer().selected(), 0) << "a click on the empty page clears the selection";
}

TEST_F(TDoPagesTest, ArrowKeysNudgeAndDeleteRemoves)
{
    auto window = open();
    place(*window, PageObjectKind::Text, {10, 10});
    PageDesignWidget& page = *window->pageImage();
    QTest::keyClick(&page, Qt::Key_Right);
    QTest::keyClick(&page, Qt::Key_Down, Qt::ShiftModifier);
    expectBounds(window->designer().object(1).Bounds, bounds(11, 17, 155, 161));
    QTest::keyClick(&page, Qt::Key_Delete);
    EXPECT_EQ(window->designer().objectCount(), 0);
}

struct MenuCase {
    PageObjectKind kind;
    QStringList disabled;
};

class ContextMenu : public TDoPagesTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(ContextMenu, RightClickOpensItWithTheKindsItemsDisabled)
{
    auto window = open();
    place(*window, GetParam().kind, {40, 40});
    click(*window->pageImage(), {50, 50});
    click(*window->pageImage(), {50, 50}, Qt::RightButton);
    QMenu& menu = *window->contextMenu();
    EXPECT_TRUE(menu.isVisible());
    QStringList disabled;
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && !action->isEnabled()) disabled << action->text();
    EXPECT_EQ(disabled, GetParam().disabled);
    menu.hide();
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ContextMenu,
    ::testing::Values(MenuCase{PageObjectKind::Puzzle,
                               {"B&order", "&Fill", "Change &Text...", "Text &Alignment", "Load B&itmap"}},
                      MenuCase{PageObjectKind::Bitmap, {"&Fill", "Change &Text...", "Text &Alignment", "Text &Font"}},
                      MenuCase{PageObjectKind::Circle,
                               {"&Properties", "Change &Text...", "Text &Alignment", "Text &Font", "Load B&itmap"}}));

TEST_F(TDoPagesTest, SaveAppendsInNewModeAndOverwritesInModify)
{
    test::writeFile(layoutFile().path(), test::letterLayout("First"));
    {
        auto window = open();
        window->findChild<QLineEdit*>("Title")->setText("  Worksheet  ");
        place(*window, PageObjectKind::Title, {20, 20});
        window->SaveClick();
        EXPECT_EQ(window->savedIndex(), 1);
        EXPECT_FALSE(window->isVisible());
    }
    ASSERT_EQ(*layoutFile().recordCount(), 2);
    PageLayoutRecord stored = *layoutFile().ReadRecord(1);
    EXPECT_EQ(stored.Name.text(), "Worksheet");
    EXPECT_EQ(stored.ObjectCount, 1);
    EXPECT_EQ(stored.Zoom, 2);

    settings.Zoom = 2;
    auto window = open(LayoutEditMode::Modify, stored, 1);
    place(*window, PageObjectKind::Circle, {100, 100});
    window->SaveClick();
    EXPECT_EQ(window->savedIndex(), 1);
    ASSERT_EQ(*layoutFile().recordCount(), 2);
    EXPECT_EQ(layoutFile().ReadRecord(1)->ObjectCount, 2);
    EXPECT_EQ(layoutFile().ReadRecord(0)->Name.text(), "First");
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(TDoPagesTest, PreviewIsOfferedOnlyWithAPreviewAndGetsTheUnsavedLayout)
{
    EXPECT_FALSE(open()->previewButton()->isVisible());

    std::vector<std::vector<std::uint8_t>> shown;
    QWidget* shownOver = nullptr;
    context.previewLayout = [&](QWidget* parent, const PageLayoutRecord& layout) {
        shown.push_back(test::encodeLayout(layout));
        shownOver = parent;
    };
    auto window = open();
    ASSERT_TRUE(window->previewButton()->isVisible());
    place(*window, PageObjectKind::Puzzle, {40, 40});
    window->findChild<QRadioButton*>("LandscapeButton")->click();
    window->previewButton()->click();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], test::encodeLayout(window->designer().layout()));
    EXPECT_EQ(shownOver, window.get());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(std::filesystem::exists(layoutFile().path())) << "a preview saves nothing";
}

TEST_F(TDoPagesTest, ALayoutFileThatCannotBeWrittenKeepsTheDesignerOpen)
{
    context.programDirectory = dir / "missing" / "folder";
    auto window = open();
    window->SaveClick();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->savedIndex());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Disk Error");
}

TEST_F(TDoPagesTest, UndoReturnsTheLayoutByteForByte)
{
    PageLayoutRecord start = makeBuiltInPageLayout();
    settings.Zoom = start.Zoom;
    auto window = open(LayoutEditMode::Modify, start, 0);
    const std::vector<std::uint8_t> before = test::encodeLayout(window->designer().layout());
    place(*window, PageObjectKind::Rectangle, {30, 30});
    drag(*window->pageImage(), {40, 40}, {60, 70});
    window->setZoom(3);
    window->findChild<QCheckBox*>("Inches")->click();
    EXPECT_NE(test::encodeLayout(window->designer().layout()), before);
    for (int i = 0; i < 4; ++i) window->undo();
    EXPECT_EQ(test::encodeLayout(window->designer().layout()), before);
    EXPECT_EQ(window->settings().Zoom, 3) << "the zoom setting follows the menu, not undo";
    window->redo();
    EXPECT_EQ(window->designer().objectCount(), usedObjectCount(start) + 1);
}

TEST_F(TDoPagesTest, OddPapersWarnAndTheCustomSizeIsChecked)
{
    auto window = open();
    auto* paper = window->findChild<QComboBox*>("PageSize");
    auto* width = window->findChild<QLineEdit*>("PageWidth");
    EXPECT_FALSE(width->isVisible());
    paper->setCurrentText("A5");
    window->PageSizeChange();
    EXPECT_EQ(window->designer().layout().PageWidth, 14.8);
    paper->setCurrentText("Custom");
    window->PageSizeChange();
    EXPECT_TRUE(width->isVisible());
    EXPECT_EQ(width->text(), "14.80");
    width->setText("5");
    EXPECT_FALSE(window->CheckWidth());
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<QString>{"Some printers do not support odd sized pages.  Printed results may vary.",
                                    "Some printers do not support odd sized pages.  Printed results may vary.",
                                    "Width must be between 7 and 46 centimeters.  Please re-enter width."}));
}

TEST_F(TDoPagesTest, SizeAndPositionTakesUnitsAndAsksBeforePlacingOffThePage)
{
    auto window = open();
    place(*window, PageObjectKind::Title, {10, 10});
    whileModalOpen<TSizeLocation>([&] { choose(*window, 1, "&Size && Position..."); },
                                  [](TSizeLocation& dialog) {
                                      EXPECT_EQ(dialog.windowTitle(), "Size & Location of Title");
                                      EXPECT_EQ(dialog.findChild<QLabel*>("ValueCaption")->text(), "Values In Inches");
                                      EXPECT_EQ(dialog.findChild<QLineEdit*>("WidthSize")->text(), "2.000");
                                      dialog.findChild<QLineEdit*>("LeftPos")->setText("1,5");
                                      dialog.okButton()->click();
                                      EXPECT_TRUE(dialog.isVisible());
                                      dialog.findChild<QLineEdit*>("LeftPos")->setText("1.5");
                                      dialog.findChild<QLineEdit*>("TopPos")->setText("0");
                                      dialog.findChild<QLineEdit*>("HeightSize")->setText("0.25");
                                      dialog.okButton()->click();
                                  });
    expectBounds(window->designer().object(1).Bounds, bounds(108, 0, 252, 18));

    // Left exactly at the page's width (612 pixels): Yes keeps the dialog open, No takes it.
    dialogs.answerMessage(MessageButton::Yes).answerMessage(MessageButton::No);
    whileModalOpen<TSizeLocation>([&] { choose(*window, 1, "&Size && Position..."); },
                                  [](TSizeLocation& dialog) {
                                      dialog.findChild<QLineEdit*>("LeftPos")->setText("8.5");
                                      dialog.okButton()->click();
                                      EXPECT_TRUE(dialog.isVisible());
                                      dialog.okButton()->click();
                                      EXPECT_FALSE(dialog.isVisible());
                                  });
    EXPECT_EQ(window->designer().object(1).Bounds.Left, 612);
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<QString>{"Invalid left position entered.",
                                    "The location you have specified will place the object off the page.  "
                                    "Do you wish abort your changes?",
                                    "The location you have specified will place the object off the page.  "
                                    "Do you wish abort your changes?"}));
}

TEST_F(TDoPagesTest, BorderWidthMustBePositiveAndItsControlsFollowTheCheckBox)
{
    auto window = open();
    place(*window, PageObjectKind::Text, {10, 10});
    dialogs.answerColor(QColor(0, 0, 255));
    whileModalOpen<TObjectBorders>([&] { choose(*window, 1, "B&order"); },
                                   [](TObjectBorders& dialog) {
                                       EXPECT_EQ(dialog.windowTitle(), "Border Info for Text 1");
                                       auto* width = dialog.findChild<QLineEdit*>("WidthSize");
                                       auto* useBorder = dialog.findChild<QCheckBox*>("UseBorder");
                                       useBorder->setChecked(false);
                                       EXPECT_FALSE(width->isEnabled());
                                       EXPECT_FALSE(dialog.findChild<QPushButton*>("ChangeColor")->isEnabled());
                                       useBorder->setChecked(true);
                                       EXPECT_TRUE(width->isEnabled());
                                       dialog.findChild<QPushButton*>("ChangeColor")->click();
                                       width->setText("0");
                                       dialog.okButton()->click();
                                       EXPECT_TRUE(dialog.isVisible());
                                       width->setText("7");
                                       dialog.okButton()->click();
                                   });
    const PageObject& text = window->designer().object(1);
    EXPECT_TRUE(static_cast<bool>(text.UseBorder));
    EXPECT_EQ(text.BorderWidth, 7);
    EXPECT_EQ(text.BorderColor, 0x00FF0000);
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{"Invalid width entered."}));
}

TEST_F(TDoPagesTest, FillKeepsItsColourWhileUnchecked)
{
    auto window = open();
    place(*window, PageObjectKind::Rectangle, {10, 10});
    dialogs.answerColor(QColor(255, 0, 0));
    whileModalOpen<TObjectFill>([&] { choose(*window, 1, "&Fill"); },
                                [](TObjectFill& dialog) {
                                    auto* box = dialog.findChild<QCheckBox*>("FillInShape");
                                    auto* change = dialog.findChild<QPushButton*>("ChangeColor");
                                    box->setChecked(true);
                                    change->click();
                                    box->setChecked(false);
                                    EXPECT_FALSE(change->isEnabled());
                                    dialog.okButton()->click();
                                });
    EXPECT_FALSE(static_cast<bool>(window->designer().object(1).FillInShape));
    EXPECT_EQ(window->designer().object(1).FillColor, 0x000000FF);
}

TEST_F(TDoPagesTest, PropertiesFollowTheKind)
{
    auto window = open();
    place(*window, PageObjectKind::Words, {10, 10});
    place(*window, PageObjectKind::Bitmap, {300, 10});
    place(*window, PageObjectKind::Puzzle, {10, 300});
    whileModalOpen<TObjectProp>([&] { choose(*window, 1, "&Properties"); },
                                [](TObjectProp& dialog) {
                                    auto* columns = dialog.findChild<QLineEdit*>("NumColumns");
                                    EXPECT_TRUE(columns->isVisible());
                                    columns->setText("x");
                                    dialog.okButton()->click();
                                    columns->setText("3");
                                    dialog.okButton()->click();
                                });
    EXPECT_EQ(window->designer().object(1).Columns, 3);
    whileModalOpen<TObjectProp>([&] { choose(*window, 2, "&Properties"); },
                                [](TObjectProp& dialog) {
                                    EXPECT_FALSE(dialog.findChild<QLineEdit*>("NumColumns")->isVisible());
                                    auto* tile = dialog.findChild<QCheckBox*>("Transparent");
                                    EXPECT_EQ(tile->text(), "&Tile Bitmap");
                                    tile->click();
                                    dialog.okButton()->click();
                                });
    EXPECT_TRUE(window->designer().object(2).TileBitmap());
    whileModalOpen<TObjectProp2>([&] { choose(*window, 3, "&Properties"); },
                                 [](TObjectProp2& dialog) {
                                     EXPECT_EQ(dialog.windowTitle(), "Properties for Puzzle");
                                     auto* grid = dialog.findChild<QCheckBox*>("UseGrid");
                                     auto* lineWidth = dialog.findChild<QLineEdit*>("LineWidth");
                                     grid->setChecked(false);
                                     EXPECT_FALSE(lineWidth->isEnabled());
                                     EXPECT_FALSE(dialog.findChild<QPushButton*>("ChangeLine")->isEnabled());
                                     dialog.findChild<QCheckBox*>("Transparent")->setChecked(true);
                                     EXPECT_FALSE(dialog.findChild<QPushButton*>("ChangeColor")->isEnabled());
                                     dialog.okButton()->click();
                                 });
    EXPECT_FALSE(window->designer().object(3).UseGrid());
    EXPECT_TRUE(static_cast<bool>(window->designer().object(3).FillInShape));
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{"Invalid columns entered."}));
}

TEST_F(TDoPagesTest, TextFontAlignmentAndDeleteFromTheMenu)
{
    auto window = open();
    place(*window, PageObjectKind::Text, {10, 10});
    place(*window, PageObjectKind::Circle, {200, 200});
    whileModalOpen<TTextInput>([&] { choose(*window, 1, "Change &Text..."); },
                               [](TTextInput& dialog) {
                                   EXPECT_EQ(dialog.windowTitle(), "Text");
                                   dialog.findChild<QPlainTextEdit*>("DataField")->setPlainText("Name: ______");
                                   dialog.okButton()->click();
                               });
    EXPECT_EQ(window->designer().object(1).text(), "Name: ______");
    QFont font("Arial");
    font.setPointSize(14);
    font.setBold(true);
    dialogs.answerFont(FontChoice{font, QColor(0, 128, 0)});
    choose(*window, 1, "Text &Font");
    const PageObject& text = window->designer().object(1);
    EXPECT_EQ(text.FontName.text(), "Arial");
    EXPECT_EQ(text.FontSize, 14);
    EXPECT_EQ(text.FontColor, 0x00008000);
    EXPECT_TRUE(static_cast<bool>(text.FontStyle[0]));
    choose(*window, 1, "&Bring To Front");
    EXPECT_EQ(window->designer().object(2).text(), "Name: ______");
    choose(*window, 1, "&Delete");
    EXPECT_EQ(window->designer().objectCount(), 1);
    EXPECT_FALSE(window->objectsMenu()->actions()[1]->isVisible());
}

TEST_F(TDoPagesTest, TextLinesAreStoredWithCrLfAndShownAsLinesAgain)
{
    std::optional<PageLayoutRecord> stored;
    {
        auto window = open();
        place(*window, PageObjectKind::Text, {10, 10});
        whileModalOpen<TTextInput>([&] { choose(*window, 1, "Change &Text..."); },
                                   [](TTextInput& dialog) {
                                       auto* memo = dialog.findChild<QPlainTextEdit*>("DataField");
                                       memo->setFocus();
                                       QTest::keyClicks(memo, "Name: ____");
                                       QTest::keyClick(memo, Qt::Key_Return);
                                       QTest::keyClicks(memo, "Class: ____");
                                       QTest::keyClick(memo, Qt::Key_Return);
                                       QTest::keyClicks(memo, "Date: ____");
                                       dialog.okButton()->click();
                                   });
        EXPECT_EQ(window->designer().object(1).text(), "Name: ____\r\nClass: ____\r\nDate: ____");
        window->SaveClick();
        if (auto read = layoutFile().ReadRecord(0)) stored = *read;
    }
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->Objects[0].text(), "Name: ____\r\nClass: ____\r\nDate: ____");

    auto window = open(LayoutEditMode::Modify, *stored, 0);
    whileModalOpen<TTextInput>([&] { choose(*window, 1, "Change &Text..."); },
                               [](TTextInput& dialog) {
                                   auto* memo = dialog.findChild<QPlainTextEdit*>("DataField");
                                   EXPECT_EQ(memo->blockCount(), 3);
                                   EXPECT_EQ(memo->document()->findBlockByNumber(1).text(), "Class: ____");
                                   dialog.okButton()->click();
                               });
    EXPECT_EQ(window->designer().object(1).text(), "Name: ____\r\nClass: ____\r\nDate: ____");
}

TEST_F(TDoPagesTest, TheTextMemoCountsALineBreakAsTheTwoCharactersItIsStoredAs)
{
    auto window = open();
    place(*window, PageObjectKind::Text, {10, 10});
    whileModalOpen<TTextInput>([&] { choose(*window, 1, "Change &Text..."); },
                               [](TTextInput& dialog) {
                                   auto* memo = dialog.findChild<QPlainTextEdit*>("DataField");
                                   memo->setPlainText(QString(499, 'a') + "\n" + QString(600, 'b'));
                                   EXPECT_EQ(memo->toPlainText().size(), 999);
                                   dialog.okButton()->click();
                               });
    EXPECT_EQ(window->designer().object(1).text(), std::string(499, 'a') + "\r\n" + std::string(498, 'b'));
}

TEST_F(TDoPagesTest, LoadBitmapRefusesAnotherExtension)
{
    auto window = open();
    place(*window, PageObjectKind::Bitmap, {10, 10});
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString bmp = QString::fromStdString((dir / "logo.bmp").string());
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    const QString png = QString::fromStdString((dir / "logo.png").string());
    ASSERT_TRUE(picture.save(png, "PNG"));
    dialogs.answerFile(png).answerFile(bmp);
    choose(*window, 1, "Load B&itmap");
    EXPECT_TRUE(window->designer().object(1).BitmapFile.empty());
    choose(*window, 1, "Load B&itmap");
    EXPECT_EQ(window->designer().object(1).BitmapFile.text(), bmp.toStdString());
    EXPECT_EQ(dialogs.fileRequests().at(0).title, "Load Bitmap File");
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{"The file selected is not a valid bitmap file."}));
}

TEST_F(TDoPagesTest, AMissingBitmapIsReportedOnOpening)
{
    PageLayoutRecord start = makeBuiltInPageLayout();
    start.Objects[0] = makePageObject(PageObjectKind::Bitmap, "Bitmap 1");
    start.Objects[0].Bounds = {10, 10, 50, 50};
    start.Objects[0].BitmapFile.assign((dir / "gone.bmp").string());
    start.ObjectCount = 1;
    auto window = open(LayoutEditMode::Copy, start, -1);
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{"message Warning: A bitmap for this layout could not be located."}));
}

TEST_F(TDoPagesTest, ZoomAndGeometryAreKeptInTheSettings)
{
    settings.Zoom = 1;
    auto window = open();
    place(*window, PageObjectKind::Title, {10, 10});
    expectBounds(window->designer().object(1).Bounds, bounds(10, 10, 106, 22));
    window->setZoom(3);
    expectBounds(window->designer().object(1).Bounds, bounds(20, 20, 212, 44));
    EXPECT_EQ(window->pageImage()->size(), QSize(816, 1056));
    window->resize(700, 600);
    window->reject();
    EXPECT_EQ(window->settings().Zoom, 3);
    EXPECT_EQ(window->settings().DesignerWindowWidth, 700);
    EXPECT_EQ(window->settings().DesignerWindowHeight, 600);
}

TEST_F(TDoPagesTest, TheWindowScalesAndTakesTheUserFontsButStaysWhereItWasLeft)
{
    style.scale = 2.0;
    style.labelFont.name = "Liberation Serif";
    style.editFont.name = "Liberation Mono";
    style.buttonFont.name = "DejaVu Sans";
    settings.DesignerWindowLeft = 12;
    settings.DesignerWindowTop = 34;
    auto window = open();
    EXPECT_EQ(window->pos(), QPoint(12, 34));
    auto* save = window->findChild<QPushButton*>("SaveButton");
    auto* title = window->findChild<QLineEdit*>("Title");
    auto* portrait = window->findChild<QRadioButton*>("PortraitButton");
    EXPECT_EQ(save->geometry(), QRect(16, 1012, 148, 50));
    EXPECT_EQ(title->geometry(), QRect(16, 44, 308, 46));
    EXPECT_EQ(window->findChild<QWidget*>("LeftPanel")->width(), 340);
    EXPECT_EQ(save->font().pixelSize(), 26);
    EXPECT_EQ(save->font().family(), "DejaVu Sans");
    EXPECT_EQ(title->font().family(), "Liberation Mono");
    EXPECT_EQ(portrait->font().family(), "Liberation Serif");
    EXPECT_EQ(window->contextMenu()->font().pixelSize(), 26);
    // The page keeps the pixels of its zoom: Letter at medium zoom.
    EXPECT_EQ(window->pageImage()->size(), QSize(612, 792));
}

TEST_F(TDoPagesTest, MenuShortcutsWorkWhileATextFieldHasTheFocus)
{
    auto window = open();
    QApplication::setActiveWindow(window.get());
    auto* title = window->findChild<QLineEdit*>("Title");
    title->setFocus();
    title->setText("Quiz");
    // Nothing to undo yet: the field undoes its own typing.
    QTest::keyClicks(title, "zes");
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(title->text(), "Quiz");
    place(*window, PageObjectKind::Title, {10, 10});
    ASSERT_EQ(window->designer().objectCount(), 1);
    title->setFocus();
    title->selectAll();
    QTest::keyClick(title, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->designer().objectCount(), 0) << "Ctrl+Z is the designer's Undo";
    QTest::keyClick(title, Qt::Key_X, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << "Ctrl+X is Exit";
    EXPECT_EQ(title->text(), "Quiz");
    EXPECT_FALSE(window->savedIndex());
}

}  // namespace
}  // namespace qm
