// Import Puzzles, Export Puzzles and the start-up offer to convert old files, with scripted
// answers: the dialogs' controls and messages, and what lands in the files.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/ui/old_data_conversion_offer.h"
#include "collection/ui/puzzle_transfer_commands.h"
#include "collection/ui/puzzle_transfer_dialogs.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/list_widgets.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::readFile;
using test::selectRows;
using test::TempDir;
using test::texts;
using test::writeFile;

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

class PuzzleTransferWindowsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(open, zebra + apple);
        writeFile(other, kiwi + banana + mango);
        shown.set("Animals", "Zebra");
    }

    PuzzleTransferContext context()
    {
        return PuzzleTransferContext{dialogs, style, lastImport, lastExport, open, working, shown, [] {
                                         PageLayoutRecord layout;
                                         layout.Name = "Default";
                                         return layout;
                                     }};
    }

    TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    std::string lastImport;
    std::string lastExport;
    WorkingCopy working;
    ReselectRequest shown;
    std::filesystem::path open = dir / "SCHOOL.QZ3";
    std::filesystem::path other = dir / "OTHER.QZ3";
    std::string zebra = test::puzzleImage("Animals", "Zebra").str();
    std::string apple = test::puzzleImage("Fruit", "apple").str();
    std::string kiwi = test::puzzleImage("Birds", "Kiwi").str();
    std::string banana = test::puzzleImage("Fruit", "Banana").str();
    std::string mango = test::puzzleImage("Fruit", "mango").str();
};

TEST_F(PuzzleTransferWindowsTest, ImportAppendsThePickedPuzzlesInTitleOrder)
{
    PuzzleTransferContext transfer = context();
    dialogs.answerFile(pathText(other));
    bool changed = false;
    test::whileModalOpen<TImportPuzzles>([&] { changed = ImportPuzzles(nullptr, transfer); },
                                         [&](TImportPuzzles& dialog) {
                                             EXPECT_EQ(dialog.windowTitle(), "Import Word Search Puzzles");
                                             EXPECT_EQ(dialog.findChild<QLabel*>("FileName")->toolTip(),
                                                       "File Name: " + pathText(other));
                                             QListWidget* list = dialog.puzzleList();
                                             EXPECT_EQ(texts(list), (QStringList{"Banana", "Kiwi", "mango"}));
                                             QPushButton* ok = dialog.actionButton();
                                             EXPECT_EQ(ok->text(), "&Ok");
                                             EXPECT_FALSE(ok->isEnabled());
                                             dialog.SelectAllClick();
                                             EXPECT_TRUE(ok->isEnabled());
                                             dialog.ClearAllClick();
                                             EXPECT_FALSE(ok->isEnabled());
                                             selectRows(list, {2, 0});
                                             EXPECT_TRUE(ok->isEnabled());
                                             ok->click();
                                         });
    EXPECT_TRUE(changed);
    EXPECT_EQ(readFile(open), zebra + apple + banana + mango);
    EXPECT_TRUE(working.reselect.requested);
    EXPECT_EQ(working.reselect.category, "Animals");
    EXPECT_EQ(working.reselect.title, "Zebra");
    EXPECT_EQ(lastImport, other.string());
    const FileRequest& request = dialogs.fileRequests().at(0);
    EXPECT_EQ(request.title, "Import Puzzles");
    EXPECT_EQ(request.filter, "QMAZE Files (*.QZ3)|*.QZ3|16 bit QMAZE Files (*.QZV)|*.QZV");
    EXPECT_EQ(request.defaultExtension, "QZ3");
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PuzzleTransferWindowsTest, ImportRefusesOtherFilesTheOpenCollectionAndAnEmptyChoice)
{
    PuzzleTransferContext transfer = context();
    dialogs.cancelFile();
    EXPECT_FALSE(ImportPuzzles(nullptr, transfer));
    dialogs.answerFile(pathText(dir / "words.txt"));
    EXPECT_FALSE(ImportPuzzles(nullptr, transfer));
    dialogs.answerFile(pathText(dir / "school.qz3"));
    EXPECT_FALSE(ImportPuzzles(nullptr, transfer));
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{"The file selected is not a valid Quillmaze file.",
                                                            "Import File cannot be the same as the currently open "
                                                            "file."}));

    TImportPuzzles dialog(dialogs, style, other, open);
    dialog.show();
    dialog.OkClick();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialogs.messageTexts().back(), "No puzzles have been selected for import.");
    EXPECT_EQ(readFile(open), zebra + apple);
    EXPECT_FALSE(working.reselect.requested);
}

TEST_F(PuzzleTransferWindowsTest, AnOldPuzzleFileIsConvertedAtOnce)
{
    const auto qzv = dir / "ZOO.QZV";
    writeFile(qzv, test::qzvFileImage("", test::oldPuzzleImage("Old Zoo", 3, {"EMU"}, {{"EMU", 1, 3}})));
    PuzzleTransferContext transfer = context();
    dialogs.answerFile(pathText(qzv));
    EXPECT_TRUE(ImportPuzzles(nullptr, transfer));
    const auto stored = CollectionFile(open).ReadPuzzle(2);
    ASSERT_TRUE(stored);
    EXPECT_EQ((*stored)->Title.text(), "Old Zoo");
    EXPECT_EQ((*stored)->Layout.Name.text(), "Default");
    EXPECT_EQ(working.reselect.category, "Version 2.0 Puzzles");
    EXPECT_EQ(working.reselect.title, "Old Zoo");

    writeFile(qzv, "QZV");
    dialogs.answerFile(pathText(qzv));
    EXPECT_FALSE(ImportPuzzles(nullptr, transfer));
    EXPECT_EQ(dialogs.messageTexts(), std::vector<QString>{"Puzzle file is corrupt or incompatible.  Import aborted."});
    EXPECT_EQ(*CollectionFile(open).recordCount(), 3);
}

TEST_F(PuzzleTransferWindowsTest, ExportWritesThePickedPuzzlesToTheChosenFile)
{
    PuzzleTransferContext transfer = context();
    const auto target = dir / "EXPORT.QZ3";
    writeFile(target, kiwi);
    test::whileModalOpen<TExportPuzzles>(
        [&] { ExportPuzzles(nullptr, transfer); },
        [&](TExportPuzzles& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Export Word Search Puzzles");
            EXPECT_EQ(dialog.findChild<QLabel*>("FileName"), nullptr);
            EXPECT_EQ(texts(dialog.puzzleList()), (QStringList{"apple", "Zebra"}));
            EXPECT_EQ(dialog.actionButton()->text(), "Save &File");
            EXPECT_FALSE(dialog.actionButton()->isEnabled());
            dialog.SaveFileClick();
            EXPECT_EQ(dialogs.messageTexts().back(), "No puzzles have been selected for export.");

            dialog.SelectAllClick();
            // The open collection, named in other letters: refused, and it keeps its puzzles.
            dialogs.answerFile(pathText(dir / "School.QZ3"));
            dialog.SaveFileClick();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialogs.messageTexts().back(), "Export File cannot be the same as the currently open file.");
            EXPECT_EQ(readFile(open), zebra + apple);

            dialogs.answerFile(pathText(target));
            dialog.SaveFileClick();
            EXPECT_FALSE(dialog.isVisible());
        });
    EXPECT_EQ(readFile(target), apple + zebra);
    EXPECT_EQ(lastExport, target.string());
    const FileRequest& request = dialogs.fileRequests().back();
    EXPECT_EQ(request.title, "Save Word Search Puzzles");
    EXPECT_EQ(request.filter, "QMAZE Files (*.QZ3)|*.QZ3");
    EXPECT_EQ(request.defaultExtension, "QZ3");
    EXPECT_TRUE(request.promptOverwrite);
}

TEST_F(PuzzleTransferWindowsTest, CancellingTheSaveDialogClosesTheExport)
{
    TExportPuzzles dialog(dialogs, style, open, lastExport);
    dialog.show();
    dialog.SelectAllClick();
    dialogs.cancelFile();
    dialog.SaveFileClick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

class OldDataOfferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folders.workingDirectory);
        std::filesystem::create_directory(folders.programDirectory);
        writeFile(folders.oldPuzzleFile(), test::oldPuzzleImage("Lions", 4, {"LION"}, {{"LION", 1, 4}}).str());
        writeFile(folders.oldShapeFile(), test::solidShapeImage("Old Square", 8, 8).str());
    }

    void offer()
    {
        offerOldDataConversion(dialogs, folders, [] { return PageLayoutRecord{}; });
    }

    TempDir dir;
    test::ScriptedDialogs dialogs;
    OldDataFolders folders{dir / "work", dir / "program"};
};

constexpr const char* kPuzzlesQuestion =
    "message Notice: User generated puzzles from a previous version of Quillmaze have been detected.  Would you like "
    "to convert them to a puzzle group?";
constexpr const char* kShapesQuestion =
    "message Notice: User generated shapes from a previous version of Quillmaze have been detected.  Would you like "
    "to add them to the current list of puzzle shapes?";

TEST_F(OldDataOfferTest, NoLeavesTheOldFilesForTheNextStart)
{
    dialogs.answerMessage(MessageButton::No).answerMessage(MessageButton::No);
    offer();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{kPuzzlesQuestion, kShapesQuestion}));
    EXPECT_TRUE(std::filesystem::exists(folders.oldPuzzleFile()));
    EXPECT_TRUE(std::filesystem::exists(folders.oldShapeFile()));
    EXPECT_FALSE(std::filesystem::exists(folders.convertedCollection()));
    EXPECT_FALSE(std::filesystem::exists(folders.programDirectory / "QZFLAY.DAT"));
}

TEST_F(OldDataOfferTest, YesConvertsBothAndSaysSo)
{
    dialogs.answerMessage(MessageButton::Yes).answerMessage(MessageButton::Yes);
    offer();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{
                                 kPuzzlesQuestion,
                                 "message Ok: A new puzzle group named \"OLDPUZZ.QZ3\" has been created.",
                                 kShapesQuestion,
                                 "message Ok: Puzzle shapes have been added.",
                             }));
    EXPECT_EQ(*CollectionFile(folders.convertedCollection()).recordCount(), 1);
    EXPECT_EQ(std::filesystem::file_size(folders.programDirectory / "QZFLAY.DAT"), 2555u);
    EXPECT_FALSE(std::filesystem::exists(folders.oldPuzzleFile()));
    EXPECT_FALSE(std::filesystem::exists(folders.oldShapeFile()));

    // Nothing left to offer at the next start.
    offer();
    EXPECT_EQ(dialogs.log().size(), 4u);
}

TEST_F(OldDataOfferTest, AFailedPuzzleConversionEndsTheOfferForThisStart)
{
    folders.programDirectory = dir / "missing";
    dialogs.answerMessage(MessageButton::Yes);
    offer();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{kPuzzlesQuestion, "message Error: Unable to save puzzles."}));
    EXPECT_TRUE(std::filesystem::exists(folders.oldPuzzleFile()));
}

TEST_F(OldDataOfferTest, OnlyTheFilesFoundAreOffered)
{
    std::filesystem::remove(folders.oldPuzzleFile());
    dialogs.answerMessage(MessageButton::No);
    offer();
    EXPECT_EQ(dialogs.log(), std::vector<std::string>{kShapesQuestion});
}

}  // namespace
}  // namespace qm
