// The main window's lists under the keyboard: the arrow keys select as in a list box, the
// commands follow the current puzzle, the focused list shows it, and Enter prints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QTest>

#include "collection/puzzle_record_codec.h"
#include "main_window_fixture.h"

namespace qm {
namespace {

using test::MainWindowTest;
using test::selectedText;
using test::texts;

std::string generatedPuzzle(const char* category, const char* title)
{
    test::ImageBuilder puzzle = test::puzzleImage(category, title);
    puzzle.byte(PuzzleRecordOffsets::Generated, 1);
    return puzzle.str();
}

class MainWindowKeyboardTest : public MainWindowTest {
protected:
    TMainWin& startShown()
    {
        test::writeFile(dir / "SCHOOL.QZ3", generatedPuzzle("Animals", "Cat") + generatedPuzzle("Birds", "Owl") +
                                                generatedPuzzle("Birds", "Finch") + generatedPuzzle("Birds", "Wren"));
        TMainWin& w = start();
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w));
        return w;
    }

    void press(QWidget* list, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        list->setFocus();
        QTest::keyClick(list, key, modifiers);
    }
};

TEST_F(MainWindowKeyboardTest, TheArrowKeysSelectAndTheCommandsFollow)
{
    TMainWin& w = startShown();
    QListWidget* categories = w.categoryList();
    QListWidget* puzzles = w.puzzleList();
    press(categories, Qt::Key_Down);
    EXPECT_EQ(selectedText(categories), "Birds");
    EXPECT_EQ(texts(puzzles), (QStringList{"Finch", "Owl", "Wren"}));
    EXPECT_FALSE(w.actions().printPuzzle->isEnabled());

    // Reached by the keyboard, the list selects its first puzzle.
    puzzles->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(selectedText(puzzles), "Finch");
    EXPECT_TRUE(w.actions().printPuzzle->isEnabled());
    press(puzzles, Qt::Key_Down);
    EXPECT_EQ(selectedText(puzzles), "Owl");
    for (QAction* command : {w.actions().modifyPuzzle, w.actions().toolModify, w.actions().printPuzzle,
                             w.actions().toolPrint, w.actions().deletePuzzle, w.actions().copyPuzzle})
        EXPECT_TRUE(command->isEnabled()) << command->text().toStdString();

    // Ctrl with an arrow key moves the selection too, as in a list box: the commands never act on
    // a puzzle the list no longer shows as chosen.
    press(puzzles, Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(puzzles->currentItem()->text(), "Wren");
    EXPECT_EQ(selectedText(puzzles), "Wren");
    EXPECT_TRUE(w.actions().printPuzzle->isEnabled());
    // Ctrl+Space takes the selection away: nothing is chosen, and the commands say so.
    press(puzzles, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(selectedText(puzzles), "");
    EXPECT_FALSE(w.actions().printPuzzle->isEnabled());
    EXPECT_FALSE(w.actions().toolModify->isEnabled());

    press(puzzles, Qt::Key_Home);
    EXPECT_EQ(selectedText(puzzles), "Finch");
    press(categories, Qt::Key_Up);
    EXPECT_EQ(texts(puzzles), QStringList{"Cat"});
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowKeyboardTest, EnterOnAPuzzlePrintsItAsADoubleClickDoes)
{
    TMainWin& w = startShown();
    press(w.puzzleList(), Qt::Key_Return);
    EXPECT_EQ(printedTitles, std::vector<QString>{"Cat"});
    press(w.categoryList(), Qt::Key_End);
    press(w.puzzleList(), Qt::Key_End);
    press(w.puzzleList(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(printedTitles, (std::vector<QString>{"Cat", "Wren"}));
    // Enter on the categories prints nothing.
    press(w.categoryList(), Qt::Key_Return);
    EXPECT_EQ(printedTitles.size(), 2u);
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowKeyboardTest, TheListWithTheFocusShowsIt)
{
    TMainWin& w = startShown();
    QListWidget* categories = w.categoryList();
    QListWidget* puzzles = w.puzzleList();
    auto highlight = [](const QListWidget* list) {
        return list->palette().color(QPalette::Active, QPalette::Highlight);
    };
    const QColor selection = QApplication::palette().color(QPalette::Active, QPalette::Highlight);

    // The keyboard starts in the puzzle list, and Tab goes from one list to the other.
    EXPECT_EQ(QApplication::focusWidget(), puzzles);
    EXPECT_EQ(highlight(puzzles), selection);
    QTest::keyClick(puzzles, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), categories);
    QTest::keyClick(categories, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), puzzles);

    categories->setFocus();
    EXPECT_EQ(highlight(categories), selection);
    EXPECT_NE(highlight(puzzles), selection);
    puzzles->setFocus();
    EXPECT_EQ(highlight(puzzles), selection);
    EXPECT_NE(highlight(categories), selection);
    // The user fonts still reach the lists.
    dialogs.answerFont(FontChoice{QFont("Liberation Serif"), Qt::black});
    w.chooseUserFont(UserFontKind::Label);
    EXPECT_EQ(puzzles->font().family(), "Liberation Serif");
    EXPECT_EQ(highlight(puzzles), selection);
}

}  // namespace
}  // namespace qm
