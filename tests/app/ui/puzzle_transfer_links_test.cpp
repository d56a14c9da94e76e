// The main window with the program's links: its start-up offer to convert the old files, and
// Import Puzzles and Export Puzzles from its menu and tool bar.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>

#include "app/ui/main_window.h"
#include "collection/ui/puzzle_transfer_dialogs.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/list_widgets.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::readFile;
using test::selectedText;
using test::TempDir;
using test::writeFile;

class PuzzleTransferLinksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(programDirectory);
        writeFile(dir / "QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\nLast Group=" + (dir / "SCHOOL.QZ3").string() + "\r\n");
        writeFile(dir / "SCHOOL.QZ3", test::collectionImage({{"Fruit", "apple"}, {"Animals", "Zebra"}}));
    }

    TMainWin& start()
    {
        MainWindowEnvironment environment{programDirectory, dir.path(), &dialogs, QSize(1024, 768)};
        window = std::make_unique<TMainWin>(std::move(environment), programLinks());
        return *window;
    }

    TempDir dir;
    std::filesystem::path programDirectory = dir / "program";
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TMainWin> window;  // destroyed before the dialogs it uses
};

TEST_F(PuzzleTransferLinksTest, StartUpAsksAboutTheOldFilesAndNoKeepsThem)
{
    writeFile(dir / "QZFUPUZZ.DAT", test::oldPuzzleImage("Lions", 4, {"LION"}, {{"LION", 1, 4}}).str());
    writeFile(dir / "QZFULAY.DAT", test::solidShapeImage("Old", 6, 6).str());
    dialogs.answerMessage(MessageButton::No).answerMessage(MessageButton::No);
    start();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Notice");
    EXPECT_EQ(dialogs.messages()[0].buttons, kYesNo);
    EXPECT_TRUE(std::filesystem::exists(dir / "QZFUPUZZ.DAT"));
    EXPECT_TRUE(std::filesystem::exists(dir / "QZFULAY.DAT"));
    window.reset();

    // The next start asks again; Yes converts into the program directory.
    dialogs.answerMessage(MessageButton::Yes).answerMessage(MessageButton::Yes);
    start();
    EXPECT_EQ(dialogs.messages().size(), 6u);
    EXPECT_EQ(*CollectionFile(programDirectory / "OLDPUZZ.QZ3").recordCount(), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "QZFUPUZZ.DAT"));
    EXPECT_FALSE(std::filesystem::exists(dir / "QZFULAY.DAT"));
}

TEST_F(PuzzleTransferLinksTest, ImportFromTheToolBarListsTheNewPuzzlesAndKeepsTheSelection)
{
    writeFile(dir / "OTHER.QZ3", test::collectionImage({{"Birds", "Owl"}, {"Fruit", "Banana"}}));
    TMainWin& w = start();
    w.categoryList()->setCurrentRow(1);  // Fruit
    w.puzzleList()->setCurrentRow(0);    // apple
    QAction* toolButton = w.actions().toolButtons.at(8);
    ASSERT_EQ(toolButton->toolTip(), "Import Puzzles");
    ASSERT_TRUE(toolButton->isEnabled());
    dialogs.answerFile(QString::fromStdString((dir / "OTHER.QZ3").string()));
    test::whileModalOpen<TImportPuzzles>([&] { toolButton->trigger(); },
                                         [](TImportPuzzles& dialog) {
                                             dialog.SelectAllClick();
                                             dialog.OkClick();
                                         });
    EXPECT_EQ(w.categoryList()->count(), 3);
    EXPECT_EQ(selectedText(w.categoryList()), "Fruit");
    EXPECT_EQ(w.puzzleList()->count(), 2);
    EXPECT_EQ(selectedText(w.puzzleList()), "apple");
    EXPECT_EQ(w.settings().Misc.LastImportPuzzleFile, (dir / "OTHER.QZ3").string());
}

TEST_F(PuzzleTransferLinksTest, ExportFromTheMenuWritesANewCollection)
{
    TMainWin& w = start();
    ASSERT_TRUE(w.actions().exportPuzzles->isEnabled());
    dialogs.answerFile(QString::fromStdString((dir / "NEW.QZ3").string()));
    test::whileModalOpen<TExportPuzzles>([&] { w.actions().exportPuzzles->trigger(); },
                                         [](TExportPuzzles& dialog) {
                                             dialog.SelectAllClick();
                                             dialog.SaveFileClick();
                                         });
    EXPECT_EQ(readFile(dir / "NEW.QZ3"), test::collectionImage({{"Fruit", "apple"}, {"Animals", "Zebra"}}));
    EXPECT_EQ(w.settings().Misc.LastExportPuzzleFile, (dir / "NEW.QZ3").string());
}

}  // namespace
}  // namespace qm
