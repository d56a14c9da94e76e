#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/ui/main_window.h"
#include "collection/collection_file.h"
#include "generate/ui/created_puzzle_dialog.h"
#include "generate/ui/puzzle_window_support.h"
#include "generate/ui/word_list_scene.h"
#include "generate/ui/word_list_window.h"
#include "generate/ui/words_clues_grid_widget.h"
#include "layout/default_page_layout.h"
#include "layout/page_layout_file.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/window_checks.h"

namespace qm {
namespace {

using test::readFile;
using test::writeFile;

template <typename T>
T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

void setCell(TWordList& editor, int row, WordsCluesGrid::Column column, const QString& text)
{
    editor.grid()->item(row - 1, column)->setText(text);
}
QString cell(TWordList& editor, int row, WordsCluesGrid::Column column)
{
    return editor.grid()->item(row - 1, column)->text();
}

constexpr auto kWord = WordsCluesGrid::WordColumn;
constexpr auto kClue = WordsCluesGrid::ClueColumn;
constexpr auto kUsed = WordsCluesGrid::UsedColumn;

class WordListTest : public ::testing::Test, protected test::WordListScene {
protected:
    void SetUp() override
    {
        writeFile(dir / "QZFLAY.DAT",
                  test::solidShapeImage("Small", 5, 5).str() + test::solidShapeImage("Big", 12, 12).str());
    }

    // A stored puzzle of the collection, generated, opened for change.
    void openStoredPuzzle()
    {
        PuzzleRecord record = *working.record;
        record.Category = "Animals";
        record.Title = "Zoo";
        test::drawLetters(record, {"CAT  ", "     ", "DOG  ", "     ", "....."});
        test::setWords(record, {"CAT", "DOG", "EMU"}, 3);
        record.Clues[0] = "meows";
        record.Placed[0] = true;
        record.Placed[1] = true;
        record.Generated = true;
        record.FillLetters.fill('Q');
        CollectionFile file(collectionPath());
        ASSERT_TRUE(file.CreateCollection());
        ASSERT_TRUE(file.AppendPuzzle(*working.record));
        ASSERT_TRUE(file.AppendPuzzle(record));
        auto read = file.ReadPuzzle(1);
        ASSERT_TRUE(read);
        working.record = std::move(*read);
        working.IsNewPuzzle = false;
        working.RecordIndex = 1;
    }

    std::unique_ptr<PuzzleRecord> stored(int index) const
    {
        auto record = CollectionFile(collectionPath()).ReadPuzzle(index);
        return record ? std::move(*record) : nullptr;
    }
};

TEST_F(WordListTest, NewModeShowsTheRecordAndTheSettingsAndHidesSaveAndPhrase)
{
    settings.WordList.Generation.Attempts = 25;
    settings.WordList.Generation.Allowed[1] = false;
    working.record->Title = "Zoo";
    working.record->Words[329] = "LAST";
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    EXPECT_EQ(editor.windowTitle(), "Create New Puzzle");
    EXPECT_FALSE(editor.modifyMode());
    EXPECT_EQ(child<QLineEdit>(editor, "Title")->text(), "Zoo");
    EXPECT_EQ(child<QLineEdit>(editor, "Title")->maxLength(), 35);
    EXPECT_EQ(child<QLineEdit>(editor, "BonusQuest")->maxLength(), 120);
    EXPECT_EQ(child<QLineEdit>(editor, "Attempts")->maxLength(), 3);
    EXPECT_EQ(child<QComboBox>(editor, "Category")->count(), 2);
    EXPECT_EQ(child<QLineEdit>(editor, "Attempts")->text(), "25");
    EXPECT_TRUE(child<QCheckBox>(editor, "CheckUp")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(editor, "CheckUpRight")->isChecked());
    EXPECT_EQ(editor.grid()->rowCount(), 330);
    EXPECT_EQ(cell(editor, 330, WordsCluesGrid::CntColumn), "330");
    EXPECT_EQ(cell(editor, 330, kWord), "LAST");
    EXPECT_EQ(editor.grid()->horizontalHeaderItem(3)->text(), "Clue");
    EXPECT_TRUE(child<QWidget>(editor, "SaveButton")->isHidden());
    EXPECT_TRUE(child<QWidget>(editor, "ChangePhrase")->isHidden());
    EXPECT_TRUE(child<QWidget>(editor, "CreateIt")->isEnabled());
    for (const char* later : {"SpellClue", "Thes", "IntCharButton"})
        EXPECT_FALSE(child<QWidget>(editor, later)->isEnabled()) << later;
    for (const char* files : {"ImportClue", "ExportClue"})
        EXPECT_TRUE(child<QWidget>(editor, files)->isEnabled()) << files;
    // The shape of the last puzzle is chosen again.
    EXPECT_EQ(editor.shapePanel().shapeBox()->currentItem()->text(), "5x5 Small");
    EXPECT_EQ(editor.currentShape().Width, 5);
}

TEST_F(WordListTest, CreateChecksRunInOrderAndPointAtTheField)
{
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    QApplication::setActiveWindow(&editor);
    auto* title = child<QLineEdit>(editor, "Title");
    auto* attempts = child<QLineEdit>(editor, "Attempts");
    title->setText("   ");
    editor.CreateItClick();
    EXPECT_EQ(QApplication::focusWidget(), title);
    title->setText("Zoo");
    editor.CreateItClick();
    child<QComboBox>(editor, "Category")->setCurrentText("Animals");
    setCell(editor, 2, kClue, "a clue without its word");
    editor.CreateItClick();
    setCell(editor, 2, kWord, "CAT");
    attempts->setText("0");
    editor.CreateItClick();
    EXPECT_EQ(QApplication::focusWidget(), attempts);
    attempts->clear();
    editor.CreateItClick();
    attempts->setFocus();
    QTest::keyClicks(attempts, "12x");
    EXPECT_EQ(editor.settings().Generation.Attempts, 12);  // every change goes into the settings
    setCell(editor, 5, kWord, " ELEPHANT ");
    editor.CreateItClick();
    EXPECT_EQ(editor.grid()->currentRow(), 4);
    EXPECT_EQ(editor.grid()->currentColumn(), kWord);
    setCell(editor, 5, kWord, "EMU");
    setCell(editor, 2, kClue, QString(151, 'c'));
    editor.CreateItClick();
    EXPECT_EQ(editor.grid()->currentRow(), 1);
    EXPECT_EQ(editor.grid()->currentColumn(), kClue);

    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{
                                 "message Error: No title specified.  Please correct.",
                                 "message Error: No category specified.  Please correct.",
                                 "message Error: No words have been entered.  Please correct.",
                                 "message Error: Attempts must be between 1 and 999.  Please correct.",
                                 "message Error: Attempts must be between 1 and 999.  Please correct.",
                                 "message Error: Word is greater than puzzle dimension size of 5 characters in "
                                 "\"ELEPHANT\".",
                                 "message Error: The length of the clue for the word \"CAT\" is 1 characters longer "
                                 "than the maximum clue size of 150."}));
    EXPECT_EQ(candidates.Slots[0].Score, 0);  // nothing was generated
}

TEST_F(WordListTest, CellsAreCutWhenEditedAndTabSkipsTheFixedColumns)
{
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    WordsCluesGrid* grid = editor.grid();
    setCell(editor, 1, kWord, QString(40, 'w'));
    setCell(editor, 1, kClue, QString(160, 'c'));
    for (const auto& [column, limit] : std::vector<std::pair<int, int>>{{kWord, 30}, {kClue, 150}}) {
        grid->setCurrentCell(0, column);
        grid->editItem(grid->item(0, column));
        auto* edit = grid->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->text().size(), limit);
        QTest::keyClick(edit, Qt::Key_Return);
        // The commit is queued and the editor deleted later.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(grid->item(0, column)->text().size(), limit);
    }
    grid->setFocus();
    grid->setCurrentCell(0, kWord);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentColumn(), kClue);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), kWord);
    EXPECT_FALSE(grid->cellEditable(0, kUsed));
}

TEST_F(WordListTest, DeleteMovesTheRowsUpAndDeleteAllAsksFirst)
{
    working.record->Placed[2] = true;
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    editor.DeleteAllClueClick();
    for (int row = 1; row <= 3; ++row) setCell(editor, row, kWord, QString("W%1").arg(row));
    setCell(editor, 3, kClue, "third");
    setCell(editor, 330, kWord, "END");
    editor.grid()->setCurrentCell(1, kWord);
    editor.DeleteClueClick();
    EXPECT_EQ(cell(editor, 2, kWord), "W3");
    EXPECT_EQ(cell(editor, 2, kClue), "third");
    EXPECT_EQ(cell(editor, 2, kUsed), "x");  // the mark moves with its word
    EXPECT_EQ(cell(editor, 329, kWord), "END");
    EXPECT_EQ(cell(editor, 330, kWord), "");

    dialogs.answerMessage(MessageButton::No).answerMessage(MessageButton::Yes);
    editor.DeleteAllClueClick();
    EXPECT_EQ(editor.GetWordCount(), 3);
    editor.DeleteAllClueClick();
    EXPECT_EQ(editor.GetWordCount(), 0);
    EXPECT_EQ(cell(editor, 2, kClue), "");
    EXPECT_EQ(cell(editor, 2, kUsed), "x");
    EXPECT_EQ(dialogs.log(),
              (std::vector<std::string>{"message Error: All words are already cleared.",
                                        "message Warning: This will remove all words and clues.  Continue?",
                                        "message Warning: This will remove all words and clues.  Continue?"}));
}

TEST_F(WordListTest, SwitchingCluesOffAndOnKeepsThemAndMovesTheGrid)
{
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    setCell(editor, 1, kWord, "CAT");
    setCell(editor, 1, kClue, "meows");
    editor.UseCluesClick(false);
    EXPECT_FALSE(editor.settings().UseClues);
    EXPECT_FALSE(editor.grid()->cluesShown());
    EXPECT_EQ(child<QLabel>(editor, "WordClueLabel")->text(), "Words");
    EXPECT_EQ(editor.grid()->geometry(), QRect(134, 62, 160, 171));
    EXPECT_EQ(child<QPushButton>(editor, "DeleteClue")->x(), 301);
    editor.UseCluesClick(true);
    EXPECT_TRUE(editor.settings().UseClues);
    EXPECT_EQ(cell(editor, 1, kClue), "meows");
    EXPECT_EQ(child<QLabel>(editor, "WordClueLabel")->text(), "Words and Clues");
    EXPECT_EQ(editor.grid()->geometry(), QRect(8, 62, 413, 171));
}

TEST_F(WordListTest, DirectionsTrackBarAndShrinkGoIntoTheSettingsAtOnce)
{
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    child<QCheckBox>(editor, "CheckDownLeft")->click();
    EXPECT_FALSE(editor.settings().Generation.Allowed[5]);
    child<QToolButton>(editor, "SpeedDownLeft")->click();
    EXPECT_TRUE(editor.settings().Generation.Allowed[5]);
    EXPECT_TRUE(child<QCheckBox>(editor, "CheckDownLeft")->isChecked());
    child<QToolButton>(editor, "SpeedUp")->click();
    EXPECT_FALSE(editor.settings().Generation.Allowed[0]);
    EXPECT_FALSE(child<QCheckBox>(editor, "CheckUp")->isChecked());
    child<QSlider>(editor, "MyTrack")->setValue(2);
    EXPECT_EQ(editor.settings().Generation.Integration, 2);
    child<QCheckBox>(editor, "AutoShrink")->click();
    EXPECT_TRUE(editor.settings().Generation.Shrink);

    // Ours: the packing search, off at first, its seconds only open while it is on.
    auto* placeEveryWord = child<QCheckBox>(editor, "PlaceEveryWord");
    auto* seconds = child<QSpinBox>(editor, "PackingSeconds");
    EXPECT_FALSE(placeEveryWord->isChecked());
    EXPECT_FALSE(seconds->isEnabled());
    EXPECT_EQ(seconds->value(), 2);
    placeEveryWord->click();
    EXPECT_TRUE(editor.settings().Generation.PlaceEveryWord);
    EXPECT_TRUE(seconds->isEnabled());
    seconds->setValue(45);
    EXPECT_EQ(editor.settings().Generation.PackingSeconds, 30);
}

TEST_F(WordListTest, ModifyModeLocksTheGridAndItsSettings)
{
    openStoredPuzzle();
    TWordList editor(context(), "Modify Existing Puzzle");
    editor.show();
    EXPECT_TRUE(editor.modifyMode());
    EXPECT_EQ(cell(editor, 1, kUsed), "x");
    EXPECT_EQ(cell(editor, 3, kWord), "EMU");  // did not fit: no mark
    EXPECT_EQ(cell(editor, 3, kUsed), "");
    for (const char* locked :
         {"CreateIt", "AutoShrink", "Attempts", "MyTrack", "PlaceEveryWord", "ImportClue", "DeleteClue",
          "DeleteAllClue", "CheckUp", "SpeedUpLeft", "ShapeBox", "NewButton", "ImportButton"})
        EXPECT_FALSE(child<QWidget>(editor, locked)->isEnabled()) << locked;
    for (const char* open : {"Title", "Category", "BonusQuest", "SaveButton", "ChangePhrase", "ExportClue", "Cancel"})
        EXPECT_TRUE(child<QWidget>(editor, open)->isEnabled()) << open;
    EXPECT_EQ(editor.shapePanel().shapeBox()->currentItem()->text(), "5x5 <Current Puzzle>");
    EXPECT_FALSE(editor.grid()->cellEditable(0, kWord));
    EXPECT_TRUE(editor.grid()->cellEditable(0, kClue));
    editor.grid()->setFocus();
    editor.grid()->setCurrentCell(0, kClue);
    QTest::keyClick(editor.grid(), Qt::Key_Tab);
    EXPECT_EQ(editor.grid()->currentRow(), 1);
    EXPECT_EQ(editor.grid()->currentColumn(), kClue);
    // Leaving an unchanged puzzle asks nothing.
    editor.CancelClick();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(WordListTest, ALockedWordCellTakesNoTypingAndTheCursorStaysInItsRow)
{
    openStoredPuzzle();
    TWordList editor(context(), "Modify Existing Puzzle");
    editor.show();
    QApplication::setActiveWindow(&editor);
    WordsCluesGrid* grid = editor.grid();
    grid->focusCell(1, kWord);
    // D would find DOG in row 2 if the grid searched as it is typed in.
    QTest::keyClicks(grid, "dog");
    EXPECT_EQ(grid->currentRow(), 0);
    EXPECT_EQ(grid->currentColumn(), kWord);
    EXPECT_EQ(QApplication::focusWidget(), grid);  // no cell started editing
    // The clue typed next goes to the row picked, which has a word.
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, 'p');
    QTest::keyClicks(QApplication::focusWidget(), "urrs");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(cell(editor, 1, kClue), "purrs");
    EXPECT_EQ(cell(editor, 2, kClue), "");
    EXPECT_EQ(cell(editor, 1, kWord), "CAT");
    EXPECT_EQ(cell(editor, 2, kWord), "DOG");
}

TEST_F(WordListTest, TheShapeTheLayoutAndTheOptionsStandBesideTheWordsOnOneForm)
{
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    EXPECT_EQ(editor.size(), QSize(632, 444));
    EXPECT_EQ(editor.findChild<QTabBar*>(), nullptr);
    for (const char* name :
         {"Title",          "Category",      "BonusQuest",     "WordsCluesGrid", "UseClues",     "DeleteClue",
          "ExportClue",     "ShapeBox",      "LayoutImage",    "NewButton",      "ExportButton", "PageImage",
          "PageLayoutName", "ChangeLayout",  "CheckUp",        "SpeedUpLeft",    "MyTrack",      "Attempts",
          "AutoShrink",     "IntCharButton", "PlaceEveryWord", "PackingSeconds", "CreateIt",     "Cancel"}) {
        QWidget* control = child<QWidget>(editor, name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->isVisible()) << name;
        EXPECT_TRUE(editor.rect().contains(QRect(control->mapTo(&editor, QPoint()), control->size()))) << name;
    }
    EXPECT_EQ(test::crowdedControls(editor), std::vector<std::string>{});
    EXPECT_EQ(test::namelessControls(editor), std::vector<std::string>{});
    EXPECT_EQ(editor.grid()->accessibleName(), "Words and Clues");
    EXPECT_EQ(child<QLineEdit>(editor, "Attempts")->accessibleName(), "Creation Attempts");
}

// Every text of the editor fits its control at each window size, in new mode and with the
// stored puzzle's own shape listed as "15x15 <Current Puzzle>".
TEST_F(WordListTest, NoTextIsCutAtAnyWindowSize)
{
    PuzzleRecord large = *working.record;
    test::drawLetters(large, std::vector<std::string>(15, std::string(15, ' ')));
    for (const double scale : {1.0, 1.25, 1.6, 2.0}) {
        SCOPED_TRACE(scale);
        style.scale = scale;
        for (const bool modify : {false, true}) {
            working.IsNewPuzzle = !modify;
            *working.record = large;
            TWordList editor(context(), modify ? "Modify Existing Puzzle" : "Create New Puzzle");
            editor.show();
            EXPECT_EQ(editor.size(), QSize(qRound(632 * scale), qRound(444 * scale)));
            EXPECT_EQ(test::cutTexts(editor), std::vector<std::string>{}) << "modify " << modify;
            if (modify) {
                EXPECT_EQ(editor.shapePanel().shapeBox()->currentItem()->text(), "15x15 <Current Puzzle>");
                // Without clues the grid and its buttons move: they still fit.
                editor.UseCluesClick(false);
                EXPECT_EQ(test::cutTexts(editor), std::vector<std::string>{});
                EXPECT_EQ(test::crowdedControls(editor), std::vector<std::string>{});
            }
        }
    }
}

TEST_F(WordListTest, CtrlTabLeavesTheGridAndTabLeavesItAfterItsLastCell)
{
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    QApplication::setActiveWindow(&editor);
    WordsCluesGrid* grid = editor.grid();
    auto* useClues = child<QWidget>(editor, "UseClues");
    grid->focusCell(5, kWord);
    QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), useClues);
    EXPECT_EQ(grid->currentRow(), 4);  // the cell stays where it was
    EXPECT_EQ(grid->currentColumn(), kWord);
    grid->focusCell(5, kWord);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(editor, "BonusQuest"));

    // From a cell being edited the text is kept.
    grid->focusCell(2, kClue);
    grid->editItem(grid->item(1, kClue));
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "roars");
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), useClues);
    EXPECT_EQ(cell(editor, 2, kClue), "roars");

    // Tab walks the cells, and goes on to the next control after the last one.
    grid->focusCell(330, kWord);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentColumn(), kClue);
    EXPECT_EQ(QApplication::focusWidget(), grid);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), useClues);
    // So does a Tab in the last cell being edited, keeping its text.
    grid->focusCell(330, kClue);
    grid->editItem(grid->item(329, kClue));
    edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, "last");
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), useClues);
    EXPECT_EQ(cell(editor, 330, kClue), "last");
    grid->focusCell(1, kWord);
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(editor, "BonusQuest"));
}

TEST_F(WordListTest, ChangeLayoutOpensOnThePuzzlesOwnLayout)
{
    PageLayoutRecord poster = loadDefaultPageLayout(dir.path(), 0);
    poster.Name = "Zoo Poster";  // listed last
    poster.Portrait = false;
    PageLayoutFile layouts = PageLayoutFile::inDirectory(dir.path());
    ASSERT_TRUE(layouts.AppendRecord(loadDefaultPageLayout(dir.path(), 0)));
    ASSERT_TRUE(layouts.AppendRecord(poster));
    working.record->Layout = poster;
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    QString selected;
    QTimer::singleShot(0, [&selected] {
        auto* list = qobject_cast<TListPages*>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        if (list->shapeBox()->currentItem()) selected = list->shapeBox()->currentItem()->text();
        list->reject();
    });
    editor.ChangeLayoutClick();
    EXPECT_TRUE(selected.startsWith("Zoo Poster")) << selected.toStdString();
}

// A word that holds a screened word spoils every grid: the editor says so and opens no chooser.
TEST_F(WordListTest, ARunTheScreenRejectsEntirelyNamesTheWordAndOpensNoChooser)
{
    writeFile(dir / "BADLIST.TXT", "zzq\r\n");
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    QApplication::setActiveWindow(&editor);
    child<QLineEdit>(editor, "Title")->setText("Zoo");
    child<QComboBox>(editor, "Category")->setCurrentText("Animals");
    setCell(editor, 1, kWord, "CAT");
    setCell(editor, 3, kWord, "qzzab");
    child<QLineEdit>(editor, "Attempts")->setText("1");
    bool chooserOpened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&chooserOpened] {
        if (auto* chooser = qobject_cast<TCreatedPuzzle*>(QApplication::activeModalWidget())) {
            chooserOpened = true;
            chooser->reject();
        }
    });
    watch.start(0);
    editor.CreateItClick();
    watch.stop();
    EXPECT_FALSE(chooserOpened);
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: Every creation attempt spelled an "
                                                       "\"offensive\" word, so no puzzle was created.  The word "
                                                       "\"qzzab\" spells one by itself.  Please change it or remove "
                                                       "it."}));
    EXPECT_EQ(editor.grid()->currentRow(), 2);
    EXPECT_EQ(editor.grid()->currentColumn(), kWord);
    EXPECT_TRUE(editor.isVisible());
}

TEST_F(WordListTest, ExitOnAChangedStoredPuzzleAsksYesNoOrCancel)
{
    openStoredPuzzle();
    const std::string before = readFile(collectionPath());
    const std::string question = "message Warning: Puzzle has been modified.  Save changes?";
    {
        TWordList editor(context(), "Modify Existing Puzzle");
        editor.show();
        setCell(editor, 2, kClue, "barks");
        dialogs.answerMessage(MessageButton::Cancel).answerMessage(MessageButton::No);
        editor.CancelClick();
        EXPECT_TRUE(editor.isVisible());
        editor.CancelClick();
        EXPECT_FALSE(editor.isVisible());
        EXPECT_EQ(readFile(collectionPath()), before);
    }
    openStoredPuzzle();
    TWordList editor(context(), "Modify Existing Puzzle");
    editor.show();
    child<QComboBox>(editor, "Category")->setCurrentText("");  // Yes stores without the checks of Save
    child<QLineEdit>(editor, "BonusQuest")->setText("  Which one purrs?  ");
    dialogs.answerMessage(MessageButton::Yes);
    editor.CancelClick();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{question, question, question}));
    EXPECT_EQ(editor.storedIndex(), 1);
    const auto record = stored(1);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->Category.text(), "");
    EXPECT_EQ(record->BonusQuestion.text(), "Which one purrs?");
    EXPECT_EQ(record->Letters, editor.working().record->Letters);
    EXPECT_EQ(CollectionFile(collectionPath()).recordCount().value(), 2);
}

TEST_F(WordListTest, SaveChecksTitleAndCategoryThenReplacesTheStoredRecord)
{
    openStoredPuzzle();
    TWordList editor(context(), "Modify Existing Puzzle");
    editor.show();
    child<QLineEdit>(editor, "Title")->clear();
    editor.SaveClick();
    child<QLineEdit>(editor, "Title")->setText("Big Zoo");
    child<QComboBox>(editor, "Category")->setCurrentText(" ");
    editor.SaveClick();
    child<QComboBox>(editor, "Category")->setCurrentText("Birds");
    setCell(editor, 1, kClue, "  purrs  ");
    editor.SaveClick();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: No title specified.  Please correct.",
                                                       "message Error: No category specified.  Please correct."}));
    const auto record = stored(1);
    EXPECT_EQ(record->Title.text(), "Big Zoo");
    EXPECT_EQ(record->Category.text(), "Birds");
    EXPECT_EQ(record->Clues[0].text(), "purrs");
    EXPECT_EQ(record->WordCount, 3);  // placed and excluded words packed together
    EXPECT_TRUE(record->Placed[1]);
    EXPECT_FALSE(record->Placed[2]);
    EXPECT_TRUE(editor.working().reselect.requested);
    EXPECT_EQ(editor.working().reselect.title, "Big Zoo");
}

TEST_F(WordListTest, APhraseChangeIsAskedAboutAndStoredBySave)
{
    openStoredPuzzle();
    TWordList editor(context(), "Modify Existing Puzzle");
    editor.show();
    QTimer::singleShot(0, [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QCheckBox*>("IncludeHidden")->setChecked(true);
        dialog->findChild<QLineEdit*>("HiddenPhrase")->setText("abcdefghijklmn");
        dialog->findChild<QPushButton*>("OkButton")->click();
    });
    editor.ChangePhraseClick();
    EXPECT_TRUE(editor.working().record->HiddenPhraseUsed);
    dialogs.answerMessage(MessageButton::Yes);
    editor.CancelClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Warning: Puzzle has been modified.  Save changes?"}));
    const auto record = stored(1);
    EXPECT_TRUE(record->HiddenPhraseUsed);
    EXPECT_EQ(record->FillLetters[3], 'A');
    EXPECT_EQ(record->FillLetters[50], 'C');
}

TEST_F(WordListTest, ChangeLayoutTakesTheChosenLayoutAndCountsAsAChange)
{
    PageLayoutRecord poster = loadDefaultPageLayout(dir.path(), 0);
    poster.Name = "Poster";
    poster.Portrait = false;
    PageLayoutFile layouts = PageLayoutFile::inDirectory(dir.path());
    ASSERT_TRUE(layouts.AppendRecord(loadDefaultPageLayout(dir.path(), 0)));
    ASSERT_TRUE(layouts.AppendRecord(poster));
    openStoredPuzzle();
    TWordList editor(context(), "Modify Existing Puzzle");
    editor.show();
    EXPECT_TRUE(child<QWidget>(editor, "ChangeLayout")->isEnabled());  // the layout can change in modify mode
    QTimer::singleShot(0, [] {
        auto* list = qobject_cast<TListPages*>(QApplication::activeModalWidget());
        ASSERT_NE(list, nullptr);
        const auto found = list->shapeBox()->findItems("Poster", Qt::MatchContains);
        EXPECT_EQ(found.size(), 1);
        if (found.size() != 1) return list->reject();
        list->shapeBox()->setCurrentItem(found.front());
        list->OkButtonClick();
    });
    editor.ChangeLayoutClick();
    EXPECT_EQ(editor.working().record->Layout.Name.text(), "Poster");
    EXPECT_EQ(child<QLabel>(editor, "PageLayoutName")->text(), "Poster");
    ASSERT_TRUE(child<PageThumbnailWidget>(editor, "PageImage")->shownRecord());
    EXPECT_EQ(child<PageThumbnailWidget>(editor, "PageImage")->shownRecord()->Name.text(), "Poster");
    dialogs.answerMessage(MessageButton::Yes);
    editor.CancelClick();
    EXPECT_EQ(stored(1)->Layout.Name.text(), "Poster");
}

TEST_F(WordListTest, ASaveThatCannotOpenTheFileSaysSoAndCloses)
{
    openStoredPuzzle();
    WordListContext context = this->context();
    context.collectionPath = dir / "gone" / "SCHOOL.QZ3";
    TWordList editor(std::move(context), "Modify Existing Puzzle");
    editor.show();
    editor.SaveClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"message Error: Unable to save puzzle."}));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_FALSE(editor.storedIndex());
}

// The road of one puzzle from the main window's commands through the editor and the chooser
// to the collection file.
class PuzzleRoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(dir / "QZFLAY.DAT", test::solidShapeImage("Square", 12, 12).str());
        writeFile(dir / "QMAZE3.INI", "[Misc]\r\nLast Group=" + (dir / "SCHOOL.QZ3").string() +
                                          "\r\nShow Tips=No\r\n[Create Options]\r\nLast Shape=0\r\n");
        writeFile(dir / "SCHOOL.QZ3", test::collectionImage({{"Birds", "Owl"}}));
        MainWindowLinks links;
        links.editPuzzle = [this](TMainWin& window, const QString& caption) {
            captions.push_back(caption);
            Settings& settings = window.settings();
            WordListContext context{window.dialogs(),
                                    window.uiStyle(),
                                    settings.WordList,
                                    settings.Shapes,
                                    copyOf(window.workingCopy()),
                                    window.currentShape(),
                                    candidates,
                                    window.programDirectory(),
                                    window.collectionPath(),
                                    {},
                                    &random};
            // Stored as the program's links store it.
            WordListResult result = runWordListEditor(&window, std::move(context), caption);
            settings.WordList = std::move(result.settings);
            settings.Shapes = std::move(result.shapeSettings);
            window.workingCopy() = std::move(result.working);
            window.currentShape() = std::move(result.currentShape);
            if (result.storedIndex) window.ListPuzzles();
        };
        MainWindowEnvironment environment{dir.path(), dir.path(), &dialogs, QSize(1024, 768)};
        window = std::make_unique<TMainWin>(std::move(environment), links);
    }

    // The next editor that opens gets these steps.
    void inEditor(std::function<void(TWordList&)> steps)
    {
        QTimer::singleShot(0, [steps] {
            auto* editor = qobject_cast<TWordList*>(QApplication::activeModalWidget());
            ASSERT_NE(editor, nullptr);
            steps(*editor);
        });
    }
    // Create, then Save Puzzle in the chooser that opens.
    static void createAndSave(TWordList& editor)
    {
        QTimer::singleShot(0, [] {
            auto* chooser = qobject_cast<TCreatedPuzzle*>(QApplication::activeModalWidget());
            ASSERT_NE(chooser, nullptr);
            EXPECT_EQ(chooser->selectedSlot(), 1);
            chooser->SaveClick();
        });
        editor.CreateItClick();
    }
    QString selectedPuzzle() const
    {
        const auto selected = window->puzzleList()->selectedItems();
        return selected.isEmpty() ? QString() : selected.front()->text();
    }
    std::string recordBytes(int index) const
    {
        return readFile(dir / "SCHOOL.QZ3")
            .substr(static_cast<std::size_t>(index) * PuzzleRecord::kSize, PuzzleRecord::kSize);
    }

    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    Candidates candidates;
    SeededRandom random{2024};
    std::vector<QString> captions;
    std::unique_ptr<TMainWin> window;
};

TEST_F(PuzzleRoadTest, NewCopyAndModifyStoreThroughTheEditorAndTheChooser)
{
    inEditor([](TWordList& editor) {
        editor.findChild<QLineEdit*>("Title")->setText("Zoo");
        editor.findChild<QComboBox*>("Category")->setCurrentText("Animals");
        setCell(editor, 1, kWord, "CAT");
        setCell(editor, 2, kClue, "dropped with its empty word");
        setCell(editor, 4, kWord, " DOG ");
        setCell(editor, 4, kClue, "barks");
        createAndSave(editor);
        EXPECT_FALSE(editor.isVisible());
    });
    window->newPuzzle();
    EXPECT_EQ(selectedPuzzle(), "Zoo");
    std::string record = recordBytes(1);
    EXPECT_EQ(test::storedText(record, test::kVersionTagAt), "3.0g");
    EXPECT_EQ(record[test::kWordCountAt], 2);
    EXPECT_EQ(test::storedText(record, test::kWordsAt), "CAT");
    EXPECT_EQ(test::storedText(record, test::kWordsAt + 31), "DOG");
    EXPECT_EQ(test::storedText(record, test::kCluesAt), "");
    EXPECT_EQ(test::storedText(record, test::kCluesAt + 151), "barks");
    EXPECT_EQ(std::string(record, test::kPlacedAt, 3), std::string("\x01\x01\x00", 3));
    EXPECT_EQ(record[test::kGeneratedAt], 1);
    const auto stored = CollectionFile(dir / "SCHOOL.QZ3").ReadPuzzle(1);
    ASSERT_TRUE(stored);
    EXPECT_TRUE((*stored)->Layout == loadDefaultPageLayout(dir.path(), 0));
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c) {
            const std::size_t at = test::gridAt(test::kLettersAt, r, c);
            if (record[at] != ' ') continue;
            const char fill = record[test::gridAt(test::kFillLettersAt, r, c)];
            EXPECT_TRUE(fill >= 'A' && fill <= 'Z');
        }

    // A copy is appended under its copy name.
    inEditor([](TWordList& editor) {
        EXPECT_FALSE(editor.modifyMode());
        EXPECT_EQ(editor.findChild<QLineEdit*>("Title")->text(), "Zoo (2)");
        createAndSave(editor);
    });
    window->copyPuzzle();
    EXPECT_EQ(CollectionFile(dir / "SCHOOL.QZ3").recordCount().value(), 3);
    EXPECT_EQ(test::storedText(recordBytes(2), test::kTitleAt), "Zoo (2)");
    EXPECT_EQ(selectedPuzzle(), "Zoo (2)");

    // Modify replaces the record in its place, its grid as generated.
    const std::string lettersBefore = recordBytes(2).substr(test::kLettersAt, 2 * kGridCells);
    inEditor([](TWordList& editor) {
        EXPECT_TRUE(editor.modifyMode());
        setCell(editor, 1, kClue, "meows");
        editor.SaveClick();
    });
    window->modifyPuzzle();
    EXPECT_EQ(CollectionFile(dir / "SCHOOL.QZ3").recordCount().value(), 3);
    EXPECT_EQ(test::storedText(recordBytes(2), test::kCluesAt), "meows");
    EXPECT_EQ(recordBytes(2).substr(test::kLettersAt, 2 * kGridCells), lettersBefore);
    EXPECT_EQ(captions, (std::vector<QString>{"Create New Puzzle", "Create New Puzzle (copy of existing puzzle)",
                                              "Modify Existing Puzzle"}));
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(PuzzleRoadTest, LeavingANewPuzzleStoresAndAsksNothing)
{
    const std::string before = readFile(dir / "SCHOOL.QZ3");
    inEditor([](TWordList& editor) {
        editor.findChild<QLineEdit*>("Title")->setText("Never");
        editor.CancelClick();
    });
    window->newPuzzle();
    EXPECT_EQ(readFile(dir / "SCHOOL.QZ3"), before);
    EXPECT_TRUE(dialogs.log().empty());
}

TEST(ProgramLinks, NewPuzzleOpensTheEditorWithItsCaption)
{
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    writeFile(dir / "QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
    MainWindowEnvironment environment{dir.path(), dir.path(), &dialogs, QSize(1024, 768)};
    TMainWin window(std::move(environment), programLinks());
    QString caption;
    QTimer::singleShot(0, [&] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        caption = editor->windowTitle();
        qobject_cast<TWordList*>(editor)->CancelClick();
    });
    dialogs.answerMessage(MessageButton::Ok);  // no shapes beside the program
    window.newPuzzle();
    EXPECT_EQ(caption, "Create New Puzzle");
}

TEST(ProgramLinks, TheDesignerReachedFromTheEditorOpensItsHelp)
{
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    writeFile(dir / "QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
    MainWindowEnvironment environment{dir.path(), dir.path(), &dialogs, QSize(1024, 768)};
    TMainWin window(std::move(environment), programLinks());
    bool helpEnabled = false;
    const auto inDesigner = [&](TDoPages& designer) {
        for (QAction* action : designer.findChildren<QAction*>()) {
            if (action->text() != "&Help") continue;
            helpEnabled = action->isEnabled();
            action->trigger();
        }
    };
    dialogs.answerMessage(MessageButton::Ok);  // no shapes beside the program
    test::whileModalOpen<TWordList>(
        [&] { window.newPuzzle(); },
        [&](TWordList& editor) {
            test::whileModalOpen<TListPages>(
                [&] { editor.ChangeLayoutClick(); },
                [&](TListPages& list) { test::whileModalOpen<TDoPages>([&] { list.NewButtonClick(); }, inDesigner); });
            editor.CancelClick();
        });
    EXPECT_TRUE(helpEnabled);
    // The program folder of the test has no help: the main window's help says so, for the keyword
    // of the designer.
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_TRUE(dialogs.messages().back().text.contains("help file")) << dialogs.messages().back().text.toStdString();
}

}  // namespace
}  // namespace qm
