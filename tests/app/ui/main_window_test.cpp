#include "app/ui/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "app/recent_files.h"
#include "app/ui/main_window_links.h"
#include "collection/puzzle_record_codec.h"
#include "layout/ui/shape_list_window.h"
#include "main_window_fixture.h"
#include "output/print/ui/print_options_window.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::MainWindowTest;
using test::recordCount;
using test::selectedText;
using test::texts;

constexpr const char* kNoPuzzleSelected = "No puzzle selected.  Please select a puzzle first.";

TEST_F(MainWindowTest, StartUpListsTheLastCollectionSortedWithTheFirstPuzzleSelected)
{
    writeCollection("SCHOOL.QZ3", {{"Zoo", "lion"}, {"animals", "cat"}, {"Zoo", "Ape"}, {"animals", "Bee"}});
    TMainWin& w = start();
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SCHOOL)");
    EXPECT_EQ(texts(w.categoryList()), (QStringList{"animals", "Zoo"}));
    EXPECT_EQ(selectedText(w.categoryList()), "animals");
    EXPECT_EQ(texts(w.puzzleList()), (QStringList{"Bee", "cat"}));
    EXPECT_EQ(selectedText(w.puzzleList()), "Bee");
    EXPECT_TRUE(w.actions().modifyPuzzle->isEnabled());
    EXPECT_TRUE(w.actions().toolPrint->isEnabled());
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, AFirstStartWithOnlyTheSampleOpensIt)
{
    writeCollection("SAMPLE.QZ3", {{"Animals", "Farm Animals"}});
    MainWindowEnvironment environment{QM_PROGRAM_DIR, dir.path(), &dialogs, QSize(800, 600)};
    TMainWin w(std::move(environment), links);
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SAMPLE)");
    EXPECT_EQ(selectedText(w.puzzleList()), "Farm Animals");
}

TEST_F(MainWindowTest, AnEmptyCollectionRefusesThePuzzleCommands)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    for (QAction* action :
         {w.actions().modifyPuzzle, w.actions().copyPuzzle, w.actions().deletePuzzle, w.actions().printPuzzle,
          w.actions().toolModify, w.actions().toolCopy, w.actions().toolDelete, w.actions().toolPrint})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    w.modifyPuzzle();
    w.copyPuzzle();
    w.deletePuzzle();
    w.printPuzzle();
    ASSERT_EQ(dialogs.messages().size(), 4u);
    for (const MessageRequest& message : dialogs.messages()) {
        EXPECT_EQ(message.caption, "Error");
        EXPECT_EQ(message.text, kNoPuzzleSelected);
    }
    EXPECT_TRUE(editorCaptions.empty());
}

TEST_F(MainWindowTest, ChoosingACategoryShowsItsPuzzlesWithNoneSelected)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}, {"Birds", "Owl"}, {"Birds", "Finch"}});
    TMainWin& w = start();
    w.categoryList()->setCurrentRow(1);
    EXPECT_EQ(texts(w.puzzleList()), (QStringList{"Finch", "Owl"}));
    EXPECT_EQ(selectedText(w.puzzleList()), "");
    EXPECT_FALSE(w.actions().deletePuzzle->isEnabled());
    w.deletePuzzle();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<QString>{kNoPuzzleSelected});
    selectPuzzle("Owl");
    EXPECT_TRUE(w.actions().deletePuzzle->isEnabled());
}

TEST_F(MainWindowTest, DeleteKeepsTheCategoryAndSelectsThePuzzleAbove)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}, {"Birds", "Owl"}, {"Animals", "Ant"}, {"Animals", "Bee"}});
    TMainWin& w = start();
    selectPuzzle("Cat");
    dialogs.answerMessage(MessageButton::Yes);
    w.deletePuzzle();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Delete");
    EXPECT_EQ(dialogs.messages()[0].text, "Are you sure you want to delete Cat?");
    EXPECT_EQ(dialogs.messages()[0].buttons, kYesNo);
    EXPECT_EQ(recordCount(dir / "SCHOOL.QZ3"), 3);
    EXPECT_EQ(selectedText(w.categoryList()), "Animals");
    EXPECT_EQ(texts(w.puzzleList()), (QStringList{"Ant", "Bee"}));
    EXPECT_EQ(selectedText(w.puzzleList()), "Bee");
}

// Another copy of the program deleted a puzzle after this window listed: the delete is refused
// with its message, nothing else goes, and the lists show the file as it now is.
TEST_F(MainWindowTest, ADeleteAfterAnotherProgramChangedTheCollectionIsRefusedAndRelisted)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Ant"}, {"Animals", "Bee"}, {"Animals", "Cat"}});
    TMainWin& w = start();
    selectPuzzle("Cat");
    ASSERT_TRUE(CollectionFile(dir / "SCHOOL.QZ3").DeletePuzzle(0));
    dialogs.answerMessage(MessageButton::Yes);
    w.deletePuzzle();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].text, kChangedByAnotherProgram);
    EXPECT_EQ(recordCount(dir / "SCHOOL.QZ3"), 2);
    EXPECT_EQ(texts(w.puzzleList()), (QStringList{"Bee", "Cat"}));
}

TEST_F(MainWindowTest, AnsweringNoDeletesNothing)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    TMainWin& w = start();
    dialogs.answerMessage(MessageButton::No);
    w.deletePuzzle();
    EXPECT_EQ(recordCount(dir / "SCHOOL.QZ3"), 1);
    EXPECT_EQ(selectedText(w.puzzleList()), "Cat");
}

TEST_F(MainWindowTest, DeletingTheLastPuzzleOfACategoryShowsTheFirstCategory)
{
    writeCollection("SCHOOL.QZ3", {{"Reptiles", "Snake"}, {"Birds", "Owl"}, {"Animals", "Cat"}});
    TMainWin& w = start();
    w.categoryList()->setCurrentRow(1);
    selectPuzzle("Owl");
    dialogs.answerMessage(MessageButton::Yes);
    w.deletePuzzle();
    EXPECT_EQ(texts(w.categoryList()), (QStringList{"Animals", "Reptiles"}));
    EXPECT_EQ(selectedText(w.categoryList()), "Animals");
    EXPECT_EQ(texts(w.puzzleList()), QStringList{"Cat"});
    EXPECT_EQ(selectedText(w.puzzleList()), "");
    EXPECT_FALSE(w.actions().modifyPuzzle->isEnabled());
}

TEST_F(MainWindowTest, DeletingTheFirstOfSeveralSelectsTheNextOne)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}, {"Animals", "Ant"}, {"Animals", "Bee"}});
    TMainWin& w = start();
    selectPuzzle("Ant");
    dialogs.answerMessage(MessageButton::Yes);
    w.deletePuzzle();
    EXPECT_EQ(selectedText(w.puzzleList()), "Bee");
}

TEST_F(MainWindowTest, ADeleteThatFailsIsReportedAndChangesNothing)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}, {"Animals", "Dog"}});
    TMainWin& w = start();
    // The file turns into a folder behind the window's back: it can no longer be opened.
    std::filesystem::remove(dir / "SCHOOL.QZ3");
    std::filesystem::create_directory(dir / "SCHOOL.QZ3");
    dialogs.answerMessage(MessageButton::Yes);
    w.deletePuzzle();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_TRUE(dialogs.messages()[1].text.contains("SCHOOL.QZ3"));
    EXPECT_EQ(texts(w.puzzleList()), (QStringList{"Cat", "Dog"}));
}

TEST_F(MainWindowTest, RecentFilesMenuFollowsTheEntries)
{
    writeCollection("SCHOOL.QZ3", {});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nLast File 1=\r\nLast File 2=" + pathOf("A&B.QZ3") +
                  "\r\n");
    TMainWin& w = start();
    const auto& recent = w.actions().recentFiles;
    EXPECT_TRUE(w.actions().recentSeparator->isVisible());
    EXPECT_FALSE(recent[0]->isVisible());
    EXPECT_TRUE(recent[1]->isVisible());
    EXPECT_EQ(recent[1]->text(), QString::fromStdString("&2   " + pathOf("A&&B.QZ3")));
    EXPECT_FALSE(recent[2]->isVisible());
}

TEST_F(MainWindowTest, RecentFilesHideWhenAllAreEmpty)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    EXPECT_FALSE(w.actions().recentSeparator->isVisible());
    for (QAction* item : w.actions().recentFiles) EXPECT_FALSE(item->isVisible());
}

TEST_F(MainWindowTest, OpeningTheCurrentCollectionAgainPutsItFirst)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nLast File 1=/x/ONE.QZ3\r\nLast File 2=" +
                  pathOf("SCHOOL.QZ3") + "\r\nLast File 3=/x/THREE.QZ3\r\n");
    TMainWin& w = start();
    dialogs.answerFile(QString::fromStdString(pathOf("SCHOOL.QZ3")));
    w.openCollection();
    const RecentFiles& entries = w.settings().Misc.LastFiles;
    EXPECT_EQ(entries, (RecentFiles{pathOf("SCHOOL.QZ3"), "/x/ONE.QZ3", "/x/THREE.QZ3", "", ""}));
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    const FileRequest& request = dialogs.fileRequests()[0];
    EXPECT_EQ(request.title, "Open Puzzle Group");
    EXPECT_EQ(request.filter, "QMAZE Files (*.QZ3)|*.QZ3");
    EXPECT_EQ(request.defaultExtension, "QZ3");
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(request.initialFile.toStdString(), pathOf("SCHOOL.QZ3"));
}

TEST_F(MainWindowTest, OpeningWithNoCurrentCollectionLeavesAnEmptyFirstEntry)
{
    writeCollection("OTHER.qz3", {{"Birds", "Owl"}});
    writeSettings("Last Group=\r\nLast File 1=/x/ONE.QZ3\r\n");
    TMainWin& w = start();
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 ()");
    dialogs.answerFile(QString::fromStdString(pathOf("OTHER.qz3")));  // the extension in any case
    w.openCollection();
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (OTHER)");
    EXPECT_EQ(texts(w.puzzleList()), QStringList{"Owl"});
    EXPECT_EQ(w.settings().Misc.LastFiles, (RecentFiles{"", "/x/ONE.QZ3", "", "", ""}));
    EXPECT_FALSE(w.actions().recentFiles[0]->isVisible());
    EXPECT_TRUE(w.actions().recentFiles[1]->isVisible());
}

TEST_F(MainWindowTest, OpeningAFileOfAnotherKindIsRefused)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    test::writeFile(dir / "notes.txt", "");
    TMainWin& w = start();
    dialogs.answerFile(QString::fromStdString(pathOf("notes.txt")));
    w.openCollection();
    EXPECT_EQ(dialogs.messageTexts(), std::vector<QString>{"The file selected is not a valid Word Search file."});
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SCHOOL)");
    EXPECT_EQ(w.collectionPath(), dir / "SCHOOL.QZ3");
    dialogs.cancelFile();
    w.openCollection();  // cancelled: nothing happens
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(MainWindowTest, ARecentFileDeletedFromDiskDoesNothing)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    writeCollection("OTHER.QZ3", {{"Birds", "Owl"}});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nLast File 1=" + pathOf("GONE.QZ3") +
                  "\r\nLast File 2=" + pathOf("OTHER.QZ3") + "\r\n");
    TMainWin& w = start();
    w.openRecentFile(1);
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SCHOOL)");
    EXPECT_EQ(w.settings().Misc.LastFiles[0], pathOf("GONE.QZ3"));
    EXPECT_TRUE(dialogs.log().empty());

    w.actions().recentFiles[1]->trigger();
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (OTHER)");
    EXPECT_EQ(texts(w.puzzleList()), QStringList{"Owl"});
    EXPECT_EQ(w.settings().Misc.LastFiles, (RecentFiles{pathOf("SCHOOL.QZ3"), pathOf("GONE.QZ3"), "", "", ""}));
}

TEST_F(MainWindowTest, NewCollectionEmptiesTheFileAndOffersTheFirstPuzzle)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    writeCollection("NEW.QZ3", {{"Old", "Stuff"}});
    TMainWin& w = start();
    dialogs.answerFile(QString::fromStdString(pathOf("NEW.QZ3"))).answerMessage(MessageButton::Yes);
    w.newCollection();
    EXPECT_EQ(std::filesystem::file_size(dir / "NEW.QZ3"), 0u);
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (NEW)");
    EXPECT_TRUE(texts(w.categoryList()).isEmpty());
    EXPECT_TRUE(texts(w.puzzleList()).isEmpty());
    EXPECT_FALSE(w.actions().modifyPuzzle->isEnabled());
    EXPECT_EQ(w.settings().Misc.LastFiles[0], pathOf("SCHOOL.QZ3"));
    const FileRequest& request = dialogs.fileRequests().at(0);
    EXPECT_EQ(request.kind, FileDialogKind::Save);
    EXPECT_EQ(request.title, "Create New Puzzle Group");
    EXPECT_TRUE(request.promptOverwrite);
    EXPECT_EQ(dialogs.messages().at(0).caption, "New Puzzle");
    EXPECT_EQ(dialogs.messages().at(0).text,
              "Would you like to create your first puzzle now for this new puzzle collection?");
    EXPECT_EQ(editorCaptions, std::vector<QString>{"Create New Puzzle"});
    EXPECT_TRUE(w.workingCopy().IsNewPuzzle);
}

TEST_F(MainWindowTest, NewCollectionInAMissingFolderKeepsTheCurrentOne)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    TMainWin& w = start();
    dialogs.answerFile(QString::fromStdString((dir / "none" / "NEW.QZ3").string()));
    w.newCollection();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains("NEW.QZ3"));
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SCHOOL)");
    EXPECT_EQ(texts(w.puzzleList()), QStringList{"Cat"});
}

TEST_F(MainWindowTest, NewModifyAndCopyHandTheWorkingCopyToTheEditor)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Quiz (0)"}, {"Animals", "Cat"}});
    TMainWin& w = start();
    selectPuzzle("Quiz (0)");
    w.modifyPuzzle();
    EXPECT_FALSE(w.workingCopy().IsNewPuzzle);
    EXPECT_EQ(w.workingCopy().RecordIndex, 0);
    w.copyPuzzle();
    EXPECT_TRUE(w.workingCopy().IsNewPuzzle);
    w.newPuzzle();
    EXPECT_EQ(editorCaptions,
              (std::vector<QString>{"Modify Existing Puzzle", "Create New Puzzle (copy of existing puzzle)",
                                    "Create New Puzzle"}));
    EXPECT_EQ(editedTitles, (std::vector<QString>{"Quiz (0)", "Quiz (0) (2)", ""}));
    EXPECT_EQ(w.workingCopy().record->Width, 15);
}

TEST_F(MainWindowTest, AReadFailureGivesTheCommandsOwnMessage)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    TMainWin& w = start();
    std::filesystem::remove(dir / "SCHOOL.QZ3");
    w.modifyPuzzle();
    w.copyPuzzle();
    w.printPuzzle();
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<QString>{"Unable to access Word List file.", "Unable to access Word List file.",
                                    "Unable to load puzzle."}));
    EXPECT_TRUE(editorCaptions.empty());
}

TEST_F(MainWindowTest, PrintNeedsAGeneratedPuzzleAndADoubleClickPrints)
{
    test::ImageBuilder generated = test::puzzleImage("Animals", "Done");
    generated.byte(PuzzleRecordOffsets::Generated, 1);
    test::writeFile(dir / "SCHOOL.QZ3", test::puzzleImage("Animals", "Draft").str() + generated.str());
    TMainWin& w = start();
    EXPECT_EQ(selectedText(w.puzzleList()), "Done");
    w.printPuzzle();
    EXPECT_EQ(printedTitles, std::vector<QString>{"Done"});

    w.show();
    QListWidget* list = w.puzzleList();
    const QRect draft = list->visualItemRect(list->findItems("Draft", Qt::MatchExactly).front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, draft.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, draft.center());
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Warning");
    EXPECT_EQ(dialogs.messages()[0].text,
              "A puzzle has never been generated for this word/clue list. Please select \"File|Modify\" from the "
              "menu and create the puzzle first");
    EXPECT_EQ(printedTitles.size(), 1u);
}

TEST_F(MainWindowTest, AScreenSizeTheScreenCannotShowIsRefused)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start(QSize(1024, 768));
    w.chooseScreenSize(1280);
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{"Your current screen resolution does not support 1280 x 1024 pixels."});
    EXPECT_EQ(dialogs.messages()[0].caption, "Error");
    EXPECT_EQ(w.shownScreenSize(), 640);
    EXPECT_EQ(w.settings().Misc.WindowSize, 640);
    EXPECT_TRUE(w.actions().screenSizes[0]->isChecked());
    EXPECT_FALSE(w.actions().screenSizes[3]->isChecked());
    EXPECT_EQ(w.clientArea()->size(), QSize(632, 413));
}

TEST_F(MainWindowTest, ScreenSizesScaleFromTheDesignWithoutDrift)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start(QSize(1280, 1024));
    w.actions().screenSizes[2]->trigger();
    EXPECT_EQ(w.settings().Misc.WindowSize, 1024);
    EXPECT_EQ(w.clientArea()->size(), QSize(1011, 661));  // 632 x 413 times 1.6
    EXPECT_EQ(w.categoryList()->geometry(), QRect(38, 154, 381, 481));
    EXPECT_TRUE(w.actions().screenSizes[2]->isChecked());
    EXPECT_FALSE(w.actions().screenSizes[0]->isChecked());
    for (int size : {800, 1280, 800, 1024, 640}) w.chooseScreenSize(size);
    EXPECT_EQ(w.clientArea()->size(), QSize(632, 413));
    EXPECT_EQ(w.categoryList()->geometry(), QRect(24, 96, 238, 301));
    EXPECT_EQ(w.categoryList()->font().pixelSize(), 17);
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, TheMenuBarMenusAndScrollBarsGrowWithTheScreenSize)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start(QSize(1280, 1024));
    QMenu* file = w.menuBar()->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    const int barPixels = QFontInfo(w.menuBar()->font()).pixelSize();
    const int menuPixels = QFontInfo(file->font()).pixelSize();
    const int scrollBar = w.categoryList()->verticalScrollBar()->sizeHint().width();
    const int barHeight = w.menuBar()->sizeHint().height();
    w.chooseScreenSize(1280);
    EXPECT_EQ(QFontInfo(w.menuBar()->font()).pixelSize(), 2 * barPixels);
    EXPECT_EQ(QFontInfo(file->font()).pixelSize(), 2 * menuPixels);
    EXPECT_EQ(w.categoryList()->verticalScrollBar()->sizeHint().width(), 2 * scrollBar);
    EXPECT_NEAR(w.menuBar()->sizeHint().height(), 2 * barHeight, 1);
    w.chooseScreenSize(640);
    EXPECT_EQ(QFontInfo(w.menuBar()->font()).pixelSize(), barPixels);
    EXPECT_EQ(w.categoryList()->verticalScrollBar()->sizeHint().width(), scrollBar);
}

TEST_F(MainWindowTest, AWindowStartedAtALargeSizeScalesItsDesignOnce)
{
    writeCollection("SCHOOL.QZ3", {});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nWindow Size=1280\r\n");
    TMainWin& w = start(QSize(1280, 1024));
    w.show();
    EXPECT_EQ(w.categoryList()->font().pixelSize(), 34);
    EXPECT_EQ(w.clientArea()->findChild<QLabel*>()->font().pixelSize(), 34);
    w.chooseScreenSize(640);
    EXPECT_EQ(w.categoryList()->font().pixelSize(), 17);
    EXPECT_EQ(w.clientArea()->size(), QSize(632, 413));
}

TEST_F(MainWindowTest, ASavedSizeTooLargeForTheScreenShowsAt640AndIsKept)
{
    writeCollection("SCHOOL.QZ3", {});
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nWindow Size=1280\r\n");
    TMainWin& w = start(QSize(1024, 768));
    EXPECT_EQ(w.shownScreenSize(), 640);
    EXPECT_TRUE(w.actions().screenSizes[0]->isChecked());
    EXPECT_EQ(w.uiStyle().scale, 1.0);
    w.close();
    EXPECT_EQ(LoadSettings(dir.path()).Misc.WindowSize, 1280);
}

TEST_F(MainWindowTest, UserFontsComeFromTheFontDialogAndAreSaved)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    QFont chosen("Liberation Serif");
    chosen.setItalic(true);
    dialogs.answerFont(FontChoice{chosen, QColor(0x10, 0x20, 0x30)}).cancelFont();
    w.chooseUserFont(UserFontKind::Label);
    w.chooseUserFont(UserFontKind::Button);
    ASSERT_EQ(dialogs.fontRequests().size(), 2u);
    EXPECT_EQ(dialogs.fontRequests()[0].title, "Label Font");
    EXPECT_EQ(dialogs.fontRequests()[0].initial.font.family(), "Arial");
    const QLabel* label = w.clientArea()->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->font().family(), "Liberation Serif");
    EXPECT_TRUE(label->font().italic());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(w.categoryList()->font().family(), "Liberation Serif");
    w.close();
    const Settings saved = LoadSettings(dir.path());
    EXPECT_EQ(saved.LabelFont.FontName, "Liberation Serif");
    EXPECT_TRUE(saved.LabelFont.Italic);
    EXPECT_EQ(saved.LabelFont.Color, 0x302010);
    EXPECT_EQ(saved.ButtonFont.FontName, "Arial");
}

TEST_F(MainWindowTest, ClosingSavesTheSettings)
{
    writeCollection("SCHOOL.QZ3", {});
    writeCollection("OTHER.QZ3", {});
    TMainWin& w = start();
    dialogs.answerFile(QString::fromStdString(pathOf("OTHER.QZ3")));
    w.openCollection();
    w.toggleBackgroundBitmap();
    w.choosePixelFormat(2);
    EXPECT_TRUE(w.actions().colors256->isChecked());
    EXPECT_FALSE(w.actions().colors16Million->isChecked());
    w.close();
    const Settings saved = LoadSettings(dir.path());
    EXPECT_EQ(saved.Misc.LastGroup, pathOf("OTHER.QZ3"));
    EXPECT_EQ(saved.Misc.LastFiles[0], pathOf("SCHOOL.QZ3"));
    EXPECT_FALSE(saved.Misc.BackgroundBitmap);
    EXPECT_EQ(saved.Reports.PixelFormat, 2);
}

TEST_F(MainWindowTest, MenuItemsInOrderWithTheirShortcuts)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    QStringList menus;
    for (QAction* menu : w.menuBar()->actions()) menus.append(menu->text());
    EXPECT_EQ(menus, (QStringList{"&File", "&Edit", "&Options", "&Help"}));

    auto items = [](QAction* menu) {
        QStringList shown;
        for (QAction* item : menu->menu()->actions())
            shown.append(item->isSeparator()
                             ? QString("-")
                             : item->text() +
                                   (item->shortcut().isEmpty() ? QString() : " " + item->shortcut().toString()));
        return shown;
    };
    const auto bar = w.menuBar()->actions();
    EXPECT_EQ(items(bar[0]).mid(0, 16),
              (QStringList{"&New Puzzle Collection File Ctrl+N", "&Open Puzzle Collection File Ctrl+O", "-",
                           "Ne&w Puzzle Ctrl+W", "&Modify Puzzle Ctrl+M", "&Copy Puzzle Ctrl+C",
                           "&Delete Puzzle Ctrl+D", "-", "&Import Puzzles Ctrl+I", "&Export Puzzles Ctrl+E", "-",
                           "&Print Puzzle Ctrl+P", "Printer &Setup Ctrl+S", "Save Collection as PDF &Book...",
                           "Save Collection as Web P&uzzles...", "-"}));
    EXPECT_EQ(items(bar[1]), (QStringList{"&Page Layout Ctrl+L", "Puzzle &Shape Ctrl+H"}));
    EXPECT_EQ(
        items(bar[2]),
        (QStringList{"S&creen Size", "&Background Bitmap Ctrl+G", "&JPEG Compression Factor Ctrl+J",
                     "C&olors For Saving Bitmaps && JPEGs", "&International Characters Ctrl+Y", "-", "&Dictionary Type",
                     "&Add to Dictionary Ctrl+T", "&Exclude From Dictionary Ctrl+U", "-", "&Thesaurus", "-",
                     "&Label Font Shift+F8", "E&dit Font Shift+F9", "B&utton Font Shift+F10"}));
    EXPECT_EQ(items(bar[3]), (QStringList{"&Contents Ctrl+K", "&User Manual", "-", "&Data Exchange via Internet",
                                          "&Review Tips of the Day", "-", "&About Ctrl+A"}));
    EXPECT_EQ(items(bar[2]->menu()->actions()[0]),
              (QStringList{"640 x 480 Ctrl+F1", "800 x 600 Ctrl+F2", "1024 x 768 Ctrl+F3", "1280 x 1024 Ctrl+F4"}));
    EXPECT_EQ(items(bar[2]->menu()->actions()[6]),
              (QStringList{"&Choose at Spell Check Time", "-", "&American", "&British", "&Spanish", "&Italian",
                           "&French", "&German", "&Dutch", "&Swedish"}));
}

TEST_F(MainWindowTest, ToolBarHasItsThirteenButtonsWithHintsAndIcons)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    QStringList hints;
    for (QAction* button : w.actions().toolButtons) {
        hints.append(button->toolTip());
        EXPECT_FALSE(button->icon().isNull()) << button->toolTip().toStdString();
    }
    EXPECT_EQ(hints,
              (QStringList{"Create New Puzzle Collection File", "Open Puzzle Collection File", "Create New Puzzle",
                           "Modify Puzzle", "Copy Puzzle", "Delete Puzzle", "Print Puzzle", "Help", "Import Puzzles",
                           "Export Puzzles", "Exit Program", "Create Puzzle Shape", "Page Layout Designer"}));
}

TEST_F(MainWindowTest, WindowsOfPartsNotLinkedAreDisabled)
{
    writeCollection("SCHOOL.QZ3", {{"Animals", "Cat"}});
    links = MainWindowLinks{};
    TMainWin& w = start();
    for (QAction* action : {w.actions().newPuzzle, w.actions().modifyPuzzle, w.actions().importPuzzles,
                            w.actions().pageLayouts, w.actions().puzzleShapes, w.actions().addToDictionary,
                            w.actions().pdfBook, w.actions().webPuzzles, w.actions().dictionaries[0], w.actions().thesaurusAtUseTime})
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    EXPECT_TRUE(w.actions().deletePuzzle->isEnabled());
    EXPECT_TRUE(w.actions().printPuzzle->isEnabled());
}

TEST_F(MainWindowTest, LanguagesFollowWhatIsInstalled)
{
    writeCollection("SCHOOL.QZ3", {});
    links.settleLanguages = [](TMainWin&) {
        LanguageAvailability available;
        available.dictionaries[1] = true;  // British
        available.thesauri[0] = true;      // American
        return available;
    };
    writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\nDictionary=2\r\n");
    TMainWin& w = start();
    EXPECT_TRUE(w.actions().dictionaries[1]->isChecked());
    EXPECT_TRUE(w.actions().dictionaries[1]->isEnabled());
    EXPECT_FALSE(w.actions().dictionaries[0]->isEnabled());
    EXPECT_TRUE(w.actions().dictionaryAtCheckTime->isEnabled());
    w.actions().dictionaryAtCheckTime->trigger();
    EXPECT_EQ(w.settings().Lexicon.Dictionary, 9);
    EXPECT_FALSE(w.actions().dictionaries[1]->isChecked());
    EXPECT_TRUE(w.actions().dictionaryAtCheckTime->isChecked());
    w.actions().thesauri[0]->trigger();
    EXPECT_EQ(w.settings().Lexicon.Thesaurus, 1);
    EXPECT_TRUE(w.actions().thesauri[0]->isChecked());
}

TEST_F(MainWindowTest, HelpOpensAtItsContentsAndAtTheDataExchangeTopic)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    w.actions().dataExchange->trigger();
    auto* browser = w.findChild<QTextBrowser*>();
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().fileName(), "data_exchange.html");
    EXPECT_TRUE(browser->toPlainText().contains("Export Puzzles"));
    w.showHelpContents();
    EXPECT_EQ(browser->source().fileName(), "index.html");
    w.showHelpTopic("report window");
    EXPECT_EQ(browser->source().fileName(), "reports.html");
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, PuzzleShapeAndItsToolButtonOpenTheShapeListOnTheCurrentShape)
{
    writeCollection("SCHOOL.QZ3", {});
    test::writeFile(dir / "QZFLAY.DAT", test::solidShapeImage("Star", 5, 5).str());
    programDirectory = dir.path();
    links = programLinks();
    TMainWin& w = start();
    EXPECT_EQ(w.currentShape().Name.text(), "New Layout");
    QAction* toolButton = w.actions().toolButtons.at(11);
    ASSERT_EQ(toolButton->toolTip(), "Create Puzzle Shape");
    for (QAction* command : {w.actions().puzzleShapes, toolButton}) {
        ASSERT_TRUE(command->isEnabled());
        w.currentShape() = makeNewShape();
        QString shownList;
        QTimer::singleShot(0, &w, [&] {
            if (auto* shapes = qobject_cast<TSelectShapes*>(QApplication::activeModalWidget())) {
                shownList = QString("%1: %2").arg(shapes->windowTitle(), shapes->panel().shapeBox()->item(0)->text());
                shapes->accept();
            }
        });
        command->trigger();
        EXPECT_EQ(shownList, "Shapes: 5x5 Star") << command->text().toStdString();
        EXPECT_EQ(w.currentShape().Name.text(), "Star");
    }
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(MainWindowTest, PrinterSetupGoesThroughTheDialogs)
{
    writeCollection("SCHOOL.QZ3", {});
    TMainWin& w = start();
    dialogs.answerPrinterSetup(false);
    w.actions().printerSetup->trigger();
    EXPECT_EQ(dialogs.printerSetups(), 1);
}

TEST(ProgramLinks, TheMainWindowOpensThePageLayoutList) { EXPECT_TRUE(programLinks().pageLayouts); }

TEST_F(MainWindowTest, PrintPuzzleOpensThePrintOptionsOnACopyWithTheProgramsHelp)
{
    TMainWin& w = startWithTheProgramsLinksOnAGeneratedPuzzle();
    test::whileModalOpen<TMyReport>([&] { w.actions().printPuzzle->trigger(); },
                                    [](TMyReport& options) {
                                        EXPECT_EQ(options.windowTitle(), "Reports");
                                        EXPECT_EQ(options.printCopy().Title.text(), "Done");
                                        options.HelpClick();
                                        // The help opens over the dialog, at the topic of its keyword.
                                        const auto* help = options.findChild<QTextBrowser*>();
                                        ASSERT_NE(help, nullptr);
                                        EXPECT_TRUE(help->source().toString().endsWith("reports.html"));
                                    });
    EXPECT_TRUE(dialogs.log().empty());
}

}  // namespace
}  // namespace qm
