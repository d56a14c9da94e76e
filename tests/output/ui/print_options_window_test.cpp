// The print options TMyReport, the bonus question dialog, and the way to the preview.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "collection/collection_file.h"
#include "layout/page_layout_file.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "output/page/ui/report_status_window.h"
#include "output/page/word_entries.h"
#include "output/print/ui/bonus_question_dialog.h"
#include "output/print/ui/preview_window.h"
#include "print_scene.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::child;
using test::whileModalOpen;

// The index of the layout's first object of the kind.
int objectOf(const PageLayoutRecord& layout, PageObjectKind kind)
{
    for (int k = 0; k < usedObjectCount(layout); ++k)
        if (layout.Objects[k].kind() == kind) return k;
    ADD_FAILURE() << "no object of kind " << static_cast<int>(kind);
    return 0;
}

std::vector<QString> visibleEntries(const QMenu& menu)
{
    std::vector<QString> entries;
    for (const QAction* action : menu.actions())
        if (action->isVisible()) entries.push_back(action->text());
    return entries;
}

class PrintOptionsTest : public ::testing::Test, protected test::PrintScene {
protected:
    TMyReport& open(std::unique_ptr<PuzzleRecord> puzzle = test::generatedPuzzle())
    {
        window = std::make_unique<TMyReport>(context, std::move(puzzle));
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }
    QLineEdit* columns() { return child<QLineEdit>(*window, "NumColumns"); }

    // Runs View/Print: the status window makes the page and closes, then acts on the preview.
    void viewAndThen(const std::function<void(TMyPreview&)>& inPreview)
    {
        previewAndThen([this] { window->ViewButtonClick(); }, inPreview);
    }
    // Runs a command that shows a page through the status window, then acts on the preview.
    static void previewAndThen(const std::function<void()>& command, const std::function<void(TMyPreview&)>& inPreview)
    {
        whileModalOpen<TReportForm>(command, [inPreview](TReportForm& status) {
            status.FormActivate();
            QTimer::singleShot(0, [inPreview] {
                auto* preview = qobject_cast<TMyPreview*>(QApplication::activeModalWidget());
                ASSERT_NE(preview, nullptr);
                inPreview(*preview);
                preview->reject();
            });
            status.BitBtn1Click();
        });
    }

    std::unique_ptr<TMyReport> window;
};

TEST_F(PrintOptionsTest, TheControlsShowTheOptionsAndWriteThemAtOnce)
{
    PrintOptions& options = settings.Reports.Print;
    options.AnswerKey = true;
    options.PrintBonus = false;
    options.WordOption = 4;
    options.FirstLetters = 2;
    options.LastLetters = 0;
    TMyReport& w = open();
    EXPECT_EQ(w.windowTitle(), "Reports");
    EXPECT_TRUE(child<QCheckBox>(w, "AnswerKey")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(w, "PartBonus")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(w, "PartialWords")->isChecked());
    EXPECT_EQ(child<QLineEdit>(w, "FirstLets")->text(), "2");
    EXPECT_EQ(child<QLineEdit>(w, "LastLets")->text(), "0");
    EXPECT_EQ(child<QRadioButton>(w, "Clues")->text(), "Clues ");
    EXPECT_TRUE(child<QCheckBox>(w, "PartialUnder")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(w, "CluesUnder")->isEnabled());

    child<QCheckBox>(w, "PartTitle")->click();
    EXPECT_FALSE(options.PrintTitle);
    child<QRadioButton>(w, "Clues")->click();
    EXPECT_EQ(options.WordOption, 2);
    EXPECT_FALSE(child<QRadioButton>(w, "PartialWords")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "CluesUnder")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>(w, "PartialUnder")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(w, "FirstLets")->isEnabled());
    // Clicking the chosen option keeps it chosen.
    child<QRadioButton>(w, "Clues")->click();
    EXPECT_TRUE(child<QRadioButton>(w, "Clues")->isChecked());
    child<QRadioButton>(w, "ScrambleWords")->click();
    EXPECT_FALSE(child<QCheckBox>(w, "CluesUnder")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(w, "LastLets")->isEnabled());
}

TEST_F(PrintOptionsTest, AStoredWordOptionOutsideTheFourSelectsNone)
{
    settings.Reports.Print.WordOption = 7;
    TMyReport& w = open();
    for (const char* name : {"NormalWords", "Clues", "ScrambleWords", "PartialWords"})
        EXPECT_FALSE(child<QRadioButton>(w, name)->isChecked()) << name;
}

TEST_F(PrintOptionsTest, OpeningKeepsLetterCountsTheBoxesCannotShow)
{
    PrintOptions& print = settings.Reports.Print;
    print.WordOption = kWordOptionPartial;
    const std::pair<int, int> stored[] = {{12, -1}, {3, 2}, {0, 10}};
    for (const auto& [first, last] : stored) {
        SCOPED_TRACE(first);
        print.FirstLetters = first;
        print.LastLetters = last;
        open();
        EXPECT_EQ(print.FirstLetters, first);
        EXPECT_EQ(print.LastLetters, last);
        for (const auto& [name, value] : {std::pair{"FirstLets", first}, std::pair{"LastLets", last}}) {
            auto* box = child<QLineEdit>(*window, name);
            const bool fits = value >= 0 && value <= 9;
            EXPECT_EQ(box->text(), fits ? QString::number(value) : QString());
            EXPECT_EQ(box->placeholderText(), fits ? QString() : QString::number(value));
        }
        window.reset();
    }
    // Typing replaces the stored count and its hint.
    open();
    auto* lastLets = child<QLineEdit>(*window, "LastLets");
    lastLets->setFocus();
    QTest::keyClicks(lastLets, "4");
    EXPECT_EQ(print.LastLetters, 4);
    EXPECT_TRUE(lastLets->placeholderText().isEmpty());
}

TEST_F(PrintOptionsTest, CtrlVViewsThePageWhileTheColumnsBoxHasTheFocus)
{
    open();
    QLineEdit* box = columns();
    box->setFocus();
    box->selectAll();
    const QString before = box->text();
    QApplication::clipboard()->setText("7");
    bool previewed = false;
    previewAndThen([box] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); },
                   [&previewed](TMyPreview&) { previewed = true; });
    EXPECT_TRUE(previewed);
    EXPECT_EQ(box->text(), before) << "nothing was pasted";
}

TEST_F(PrintOptionsTest, AThreeLineTextObjectIsThreeLinesInThePreviewsPage)
{
    auto puzzle = test::generatedPuzzle();
    test::addObject(*puzzle, PageObjectKind::Text, {0, 600, 400, 700}).setText("Name: ____\r\nClass: ____\nDate: ____");
    open(std::move(puzzle));
    std::vector<std::pair<std::string, double>> lines;
    viewAndThen([&lines](TMyPreview& preview) {
        for (const PageOperation& operation : preview.page().operations)
            if (const auto* text = std::get_if<TextOp>(&operation);
                text && text->text.find(": ____") != std::string::npos)
                lines.emplace_back(text->text, text->at.y);
    });
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].first, "Name: ____");
    EXPECT_EQ(lines[1].first, "Class: ____");
    EXPECT_EQ(lines[2].first, "Date: ____");
    EXPECT_LT(lines[0].second, lines[1].second);
    EXPECT_LT(lines[1].second, lines[2].second);
}

TEST_F(PrintOptionsTest, TheLayoutSetsColumnsGridAndCaseWhenTaken)
{
    settings.Reports.Print.NumColumns = 7;
    auto puzzle = test::generatedPuzzle();
    PageLayoutRecord& layout = puzzle->Layout;
    layout.Objects[objectOf(layout, PageObjectKind::Words)].Columns = 2;
    PageObject& grid = layout.Objects[objectOf(layout, PageObjectKind::Puzzle)];
    grid.LowerCase = true;
    grid.Transparent = true;  // the grid's use-grid flag
    TMyReport& w = open(std::move(puzzle));
    EXPECT_EQ(columns()->text(), "2");
    EXPECT_EQ(settings.Reports.Print.NumColumns, 2);
    EXPECT_TRUE(child<QCheckBox>(w, "LowerCase")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(w, "UseGrid")->isChecked());
    EXPECT_TRUE(settings.Reports.Print.UseGrid);
    EXPECT_EQ(child<PageThumbnailWidget>(w, "PageBox")->size(), QSize(129, 201));
    EXPECT_EQ(child<PageThumbnailWidget>(w, "PageBox")->shownRecord()->Name.text(), layout.Name.text());
}

TEST_F(PrintOptionsTest, NoColumnsIsRefusedAndTheFocusGoesBackToTheBox)
{
    open();
    columns()->setText("0");
    window->ViewButtonClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: Invalid number of columns specified."}));
    EXPECT_EQ(QApplication::focusWidget(), columns());
}

TEST_F(PrintOptionsTest, ALetterInTheColumnsBoxCountsAsOneAndEmptiesTheBox)
{
    open();
    columns()->selectAll();
    QTest::keyClicks(columns(), "x");
    EXPECT_EQ(columns()->text(), "");
    EXPECT_EQ(settings.Reports.Print.NumColumns, 1);
    child<QLineEdit>(*window, "LastLets")->setText(" ");
    EXPECT_EQ(settings.Reports.Print.LastLetters, 1);
    EXPECT_EQ(child<QLineEdit>(*window, "LastLets")->text(), "");
}

TEST_F(PrintOptionsTest, ALayoutWithTwoColumnsChosenFromTheListResetsTheBox)
{
    PageLayoutRecord twoColumns = makeBuiltInPageLayout();
    twoColumns.Name.assign("Two Columns");
    twoColumns.Objects[objectOf(twoColumns, PageObjectKind::Words)].Columns = 2;
    ASSERT_TRUE(PageLayoutFile::inDirectory(dir.path()).AppendRecord(twoColumns));
    open();
    columns()->setText("5");
    whileModalOpen<TListPages>([this] { child<QPushButton>(*window, "ChangePageLayout")->click(); },
                               [](TListPages& list) { child<QPushButton>(list, "OkButton")->click(); });
    EXPECT_EQ(columns()->text(), "2");
    EXPECT_EQ(settings.Reports.Print.NumColumns, 2);
    EXPECT_EQ(window->printCopy().Layout.Name.text(), "Two Columns");
    EXPECT_EQ(child<PageThumbnailWidget>(*window, "PageBox")->shownRecord()->Name.text(), "Two Columns");
    EXPECT_EQ(child<QLabel>(*window, "PageLayoutName")->text(), "Two Columns");

    // Leaving the list without a choice keeps the layout, and still takes its options again.
    columns()->setText("4");
    whileModalOpen<TListPages>([this] { window->ChangePageLayoutClick(); },
                               [](TListPages& list) { child<QPushButton>(list, "ExitButton")->click(); });
    EXPECT_EQ(columns()->text(), "2");
}

TEST_F(PrintOptionsTest, TheDesignerOpenedFromTheListPreviewsThePrintCopyOnTheUnsavedLayout)
{
    ASSERT_TRUE(PageLayoutFile::inDirectory(dir.path()).AppendRecord(makeBuiltInPageLayout()));
    const std::string storedLayouts = test::readFile(dir / "QZFPAGE.DAT");
    open();
    PageFile shown;
    whileModalOpen<TListPages>([this] { window->ChangePageLayoutClick(); },
                               [&](TListPages& list) {
                                   whileModalOpen<TDoPages>(
                                       [&] { list.ModifyButtonClick(); },
                                       [&](TDoPages& designer) {
                                           child<QRadioButton>(designer, "LandscapeButton")->click();
                                           previewAndThen([&] { designer.PreviewClick(); },
                                                          [&](TMyPreview& preview) { shown = preview.page(); });
                                           designer.reject();
                                       });
                                   child<QPushButton>(list, "ExitButton")->click();
                               });
    EXPECT_EQ(shown.orientation, Orientation::Landscape);
    bool showsTitle = false;
    for (const PageOperation& operation : shown.operations)
        if (const auto* text = std::get_if<TextOp>(&operation)) showsTitle |= text->text == "Farm";
    EXPECT_TRUE(showsTitle) << "the print copy's own title";
    EXPECT_EQ(test::readFile(dir / "QZFPAGE.DAT"), storedLayouts) << "a preview saves nothing";
    EXPECT_TRUE(static_cast<bool>(window->printCopy().Layout.Portrait)) << "the list was left without a choice";
}

TEST_F(PrintOptionsTest, SixObjectsThatPrintTextGiveSixFontEntries)
{
    auto puzzle = test::generatedPuzzle();  // a title, the grid, the word list
    test::addObject(*puzzle, PageObjectKind::Bonus, {0, 0, 50, 10}).Name.assign("Bonus");
    test::addObject(*puzzle, PageObjectKind::Rectangle, {0, 0, 50, 10});
    test::addObject(*puzzle, PageObjectKind::Text, {0, 0, 50, 10}).Name.assign("Rules");
    test::addObject(*puzzle, PageObjectKind::Bitmap, {0, 0, 50, 10});
    test::addObject(*puzzle, PageObjectKind::Text, {0, 0, 50, 10}).Name.assign("R&D");
    const PageLayoutRecord layout = puzzle->Layout;
    TMyReport& w = open(std::move(puzzle));
    const std::vector<QString> entries = visibleEntries(*w.fontMenu());
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(w.fontMenu()->actions().size(), 21);
    EXPECT_EQ(entries[0], QString::fromStdString(layout.Objects[0].Name.text()) + " Font");
    EXPECT_EQ(entries[3], "Bonus Font");
    EXPECT_EQ(entries[4], "Rules Font");
    EXPECT_EQ(entries[5], "R&&D Font");
    w.ChangeFontsClick();
    EXPECT_TRUE(w.fontMenu()->isVisible());
    w.fontMenu()->close();
}

TEST_F(PrintOptionsTest, ANewTitleFontAndBonusQuestionChangeThePrintCopyOnly)
{
    CollectionFile collection(dir / "SCHOOL.QZ3");
    ASSERT_TRUE(collection.CreateCollection());
    ASSERT_TRUE(collection.AppendPuzzle(*test::generatedPuzzle()));
    const std::string stored = test::readFile(collection.path());
    auto copy = collection.ReadPuzzle(0);
    ASSERT_TRUE(copy);
    TMyReport& w = open(std::move(*copy));
    const int title = objectOf(w.printCopy().Layout, PageObjectKind::Title);

    QFont chosen("Liberation Serif");
    chosen.setPointSize(30);
    chosen.setBold(true);
    dialogs.answerFont(FontChoice{chosen, QColor(0, 0, 255)});
    w.fontMenu()->actions()[0]->trigger();
    ASSERT_EQ(dialogs.fontRequests().size(), 1u);
    EXPECT_EQ(dialogs.fontRequests()[0].initial.font.pointSize(),
              test::generatedPuzzle()->Layout.Objects[title].FontSize);

    whileModalOpen<TBonusQuestion>([&] { child<QPushButton>(w, "ChangeBonus")->click(); },
                                   [](TBonusQuestion& bonus) {
                                       auto* text = child<QLineEdit>(bonus, "BonusText");
                                       EXPECT_EQ(text->text(), "Which animal barks?");
                                       EXPECT_EQ(text->maxLength(), 120);
                                       text->setText("  Which one moos?");
                                       child<QPushButton>(bonus, "OkButton")->click();
                                   });
    EXPECT_EQ(w.printCopy().BonusQuestion.text(), "  Which one moos?");
    whileModalOpen<TBonusQuestion>([&] { w.ChangeBonusClick(); },
                                   [](TBonusQuestion& bonus) {
                                       child<QLineEdit>(bonus, "BonusText")->setText("dropped");
                                       child<QPushButton>(bonus, "CancelButton")->click();
                                   });
    EXPECT_EQ(w.printCopy().BonusQuestion.text(), "  Which one moos?");

    viewAndThen([](TMyPreview& preview) {
        const PageFile& page = preview.page();
        const FontSpec* font = nullptr;
        std::vector<std::string> texts;
        for (const PageOperation& operation : page.operations) {
            if (const auto* set = std::get_if<SetFontOp>(&operation)) font = &set->font;
            const auto* text = std::get_if<TextOp>(&operation);
            if (!text) continue;
            texts.push_back(text->text);
            if (text->text != "Farm") continue;
            ASSERT_NE(font, nullptr);
            EXPECT_EQ(font->Name, "Liberation Serif");
            EXPECT_EQ(font->Size, 30);
            EXPECT_TRUE(font->Bold);
            EXPECT_EQ(font->FontColor, 0xFF0000u);
        }
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Farm"), texts.end());
    });
    window.reset();
    EXPECT_EQ(test::readFile(collection.path()), stored);
}

TEST_F(PrintOptionsTest, PrinterSetupAndHelpGoWhereTheProgramSays)
{
    TMyReport& w = open();
    dialogs.answerPrinterSetup(true);
    w.PrinterSetupClick();
    EXPECT_EQ(dialogs.printerSetups(), 1);
    w.HelpClick();
    EXPECT_EQ(helpKeywords, std::vector<QString>{"Report Window"});
}

}  // namespace
}  // namespace qm
