// The word list editor's Import and Export dialogs with scripted answers: their controls, their
// settings and messages, and the rows they fill or the file they write.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "generate/ui/word_export_dialog.h"
#include "generate/ui/word_import_dialog.h"
#include "generate/ui/word_list_scene.h"
#include "generate/ui/word_text_mode_box.h"
#include "generate/ui/words_clues_grid_widget.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/list_widgets.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::readFile;
using test::selectRows;
using test::texts;
using test::writeFile;

template <typename T>
T* child(QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
}

WordListRows rowsOf(std::initializer_list<WordListRow> filled)
{
    WordListRows rows;
    std::size_t i = 0;
    for (const WordListRow& row : filled) rows[i++] = row;
    return rows;
}

class WordTextDialogsTest : public ::testing::Test, protected test::WordListScene {
protected:
    QString wordFile(const char* name, std::string_view contents)
    {
        writeFile(dir / name, contents);
        return QString::fromStdString((dir / name).string());
    }

    WordListSettings& words = settings.WordList;
};

TEST_F(WordTextDialogsTest, ImportStartsWithTheStoredModeAndNothingToPick)
{
    words.ImportOption = 3;
    words.SepChar = '-';
    TImport dialog(dialogs, style, words, {});
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Import");
    EXPECT_TRUE(dialog.modeBox()->button(WordTextMode::WordsAndClues)->isChecked());
    EXPECT_TRUE(dialog.modeBox()->separatorEdit()->isVisible());
    EXPECT_EQ(dialog.modeBox()->separatorEdit()->text(), "-");
    for (const char* name : {"SelectAll", "Clear", "Ok"}) EXPECT_FALSE(child<QPushButton>(dialog, name)->isEnabled());
    EXPECT_TRUE(child<QPushButton>(dialog, "OpenFile")->isEnabled());

    // Choosing a mode keeps it; the separator is shown only for words with clues.
    dialog.modeBox()->button(WordTextMode::Clues)->click();
    EXPECT_EQ(words.ImportOption, 2);
    EXPECT_FALSE(dialog.modeBox()->separatorEdit()->isVisible());
    dialog.modeBox()->button(WordTextMode::WordsAndClues)->click();
    QLineEdit* separator = dialog.modeBox()->separatorEdit();
    separator->selectAll();
    QTest::keyClicks(separator, ";");
    EXPECT_EQ(words.SepChar, ';');
    QTest::keyClick(separator, Qt::Key_Backspace);
    EXPECT_EQ(words.SepChar, ';');  // a blank edit leaves the setting alone
}

TEST_F(WordTextDialogsTest, WithoutCluesOnlyWordsAreOffered)
{
    words.UseClues = false;
    words.ImportOption = 3;
    words.ExportOption = 2;
    TImport importDialog(dialogs, style, words, {});
    TMyExport exportDialog(dialogs, style, words, rowsOf({{"CAT", "meows", false}}));
    for (WordTextModeBox* box : {importDialog.modeBox(), exportDialog.modeBox()}) {
        EXPECT_TRUE(box->button(WordTextMode::Words)->isChecked());
        for (WordTextMode mode : {WordTextMode::Clues, WordTextMode::WordsAndClues}) {
            EXPECT_TRUE(box->button(mode)->isHidden());
            EXPECT_FALSE(box->button(mode)->isEnabled());
        }
        EXPECT_TRUE(box->separatorEdit()->isHidden());
    }
    EXPECT_EQ(texts(exportDialog.lineList()), QStringList{"CAT"});
}

TEST_F(WordTextDialogsTest, OpenFileListsTheSortedLinesAndRemembersTheFile)
{
    words.LastImportWordFile = (dir / "old.txt").string();
    TImport dialog(dialogs, style, words, {});
    const QString path = wordFile("words.txt", "zebra\r\n\r\n   \r\n  Apple  \r\nmango\r\n");
    dialogs.answerFile(path);
    dialog.OpenFileClick();
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    const FileRequest& request = dialogs.fileRequests()[0];
    EXPECT_EQ(request.title, "Import Word/Clue List");
    EXPECT_EQ(request.filter, "text (*.txt)|*.txt|all files (*.*)|*.*");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_EQ(request.initialFile.toStdString(), (dir / "old.txt").string());
    EXPECT_EQ(words.LastImportWordFile, path.toStdString());
    EXPECT_EQ(texts(dialog.lineList()), (QStringList{"Apple", "mango", "zebra"}));
    EXPECT_EQ(child<QLabel>(dialog, "FileName")->text(), "File Name: words.txt");
    for (const char* name : {"SelectAll", "Clear", "Ok"}) EXPECT_TRUE(child<QPushButton>(dialog, name)->isEnabled());
    EXPECT_TRUE(dialogs.messages().empty());

    dialog.SelectAllClick();
    EXPECT_EQ(dialog.lineList()->selectedItems().size(), 3);
    dialog.ClearClick();
    EXPECT_TRUE(dialog.lineList()->selectedItems().isEmpty());
}

TEST_F(WordTextDialogsTest, ImportTellsOfFilesItCannotOpenAndCharactersItCannotStore)
{
    TImport dialog(dialogs, style, words, {});
    dialogs.answerFile(QString::fromStdString((dir / "gone.txt").string()));
    dialog.OpenFileClick();
    dialogs.answerFile(wordFile("cyrillic.txt", "CAT\n\xD0\x96UK\nDOG\n"));
    dialog.OpenFileClick();
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{
                                 "file Import Word/Clue List",
                                 "message Error: Unable to open import file.",
                                 "file Import Word/Clue List",
                                 "message Warning: Line 2 holds characters that a puzzle cannot store.  They are "
                                 "replaced by \"?\".",
                             }));
    EXPECT_EQ(texts(dialog.lineList()), (QStringList{"?UK", "CAT", "DOG"}));
}

TEST_F(WordTextDialogsTest, OkFillsTheRowsWithThePickedLinesInListOrder)
{
    words.ImportOption = 3;
    TImport dialog(dialogs, style, words, rowsOf({{"CAT", "meows", true}}));
    dialogs.answerFile(wordFile("zoo.txt", "ZEBRA: striped\nAPE: swings\nLION: roars\n"));
    dialog.OpenFileClick();
    selectRows(dialog.lineList(), {2, 0});  // ZEBRA and APE
    dialog.OkClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const WordListRows& rows = dialog.rows();
    EXPECT_EQ(rows[0].Word, "CAT");
    EXPECT_TRUE(rows[0].Used);
    EXPECT_EQ(rows[1].Word, "APE");
    EXPECT_EQ(rows[1].Clue, "swings");
    EXPECT_EQ(rows[2].Word, "ZEBRA");
    EXPECT_EQ(rows[3].Word, "");
}

TEST_F(WordTextDialogsTest, OkRefusesABlankSeparatorAndAsksBeforeLeavingWordsOut)
{
    WordListRows full;
    for (int i = 0; i < 329; ++i) full[static_cast<std::size_t>(i)].Word = "W" + std::to_string(i);
    words.ImportOption = 3;
    TImport dialog(dialogs, style, words, full);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    dialogs.answerFile(wordFile("two.txt", "ONE:1\nTWO:2\nTHREE:3\n"));
    dialog.OpenFileClick();
    dialog.SelectAllClick();

    dialog.modeBox()->separatorEdit()->setText(" ");
    dialog.OkClick();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dialog.modeBox()->separatorEdit());

    dialog.modeBox()->separatorEdit()->setText(":");
    dialogs.answerMessage(MessageButton::No);
    dialog.OkClick();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.rows()[328].Word, "W328");

    dialogs.answerMessage(MessageButton::Yes);
    dialog.OkClick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.rows()[329].Word, "");  // row 330 is never filled
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{
                                          "No word/clue seperator character specified.",
                                          "Too many words selected.  Last 2 words will not be used.  Continue?",
                                          "Too many words selected.  Last 2 words will not be used.  Continue?",
                                      }));
    EXPECT_EQ(dialogs.messages()[1].caption, "Warning");
}

TEST_F(WordTextDialogsTest, ExportListsTheModesLinesAndSelectsTheUsedOnes)
{
    words.ExportOption = 3;
    words.SepChar = '-';
    TMyExport dialog(dialogs, style, words,
                     rowsOf({{"WOLF", "Forest animal", true}, {"APE", "", false}, {"", "lonely clue", true}}));
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Export");
    const QString pad(27, ' ');
    EXPECT_EQ(texts(dialog.lineList()),
              (QStringList{QString(31, ' ') + "- lonely clue", "APE " + pad + "- ", "WOLF" + pad + "- Forest animal"}));
    EXPECT_FALSE(child<QPushButton>(dialog, "SaveFile")->isEnabled());

    dialog.modeBox()->button(WordTextMode::Words)->click();
    EXPECT_EQ(words.ExportOption, 1);
    EXPECT_EQ(texts(dialog.lineList()), (QStringList{"APE", "WOLF"}));
    EXPECT_FALSE(dialog.modeBox()->separatorEdit()->isVisible());
    dialog.modeBox()->button(WordTextMode::Clues)->click();
    EXPECT_EQ(texts(dialog.lineList()), (QStringList{"Forest animal", "lonely clue"}));

    dialog.SelectUsedClick();
    EXPECT_EQ(dialog.lineList()->selectedItems().size(), 2);
    EXPECT_TRUE(child<QPushButton>(dialog, "SaveFile")->isEnabled());
    dialog.ClearClick();
    EXPECT_FALSE(child<QPushButton>(dialog, "SaveFile")->isEnabled());
    dialog.SelectAllClick();
    EXPECT_TRUE(child<QPushButton>(dialog, "SaveFile")->isEnabled());

    // The separator edit rebuilds the lines of words and clues as it is typed.
    dialog.modeBox()->button(WordTextMode::WordsAndClues)->click();
    dialog.modeBox()->separatorEdit()->selectAll();
    QTest::keyClicks(dialog.modeBox()->separatorEdit(), "|");
    EXPECT_EQ(words.SepChar, '|');
    EXPECT_EQ(dialog.lineList()->item(2)->text(), "WOLF" + pad + "| Forest animal");
    QTest::keyClick(dialog.modeBox()->separatorEdit(), Qt::Key_Backspace);
    EXPECT_EQ(dialog.lineList()->item(2)->text(), "WOLF" + pad + ": Forest animal");
}

TEST_F(WordTextDialogsTest, SaveFileWritesThePickedLinesAndRemembersTheFile)
{
    words.ExportOption = 1;
    TMyExport dialog(dialogs, style, words, rowsOf({{"Caf\xE9", "", false}, {"APE", "", false}, {"EMU", "", false}}));
    dialog.show();
    dialog.SaveFileClick();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{"No words/clues selected for output.  Please select the desired words/clues."});

    selectRows(dialog.lineList(), {2, 1});
    dialogs.answerFile(QString::fromStdString((dir / "missing" / "out.txt").string()));
    dialog.SaveFileClick();
    EXPECT_EQ(dialogs.messageTexts().back(), "Unable to create export file.");
    EXPECT_TRUE(dialog.isVisible());

    const QString out = QString::fromStdString((dir / "out.txt").string());
    dialogs.answerFile(out);
    dialog.SaveFileClick();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(readFile(dir / "out.txt"), "Caf\xE9\r\nEMU\r\n");
    EXPECT_EQ(words.LastExportWordFile, out.toStdString());
    const FileRequest& request = dialogs.fileRequests().back();
    EXPECT_EQ(request.title, "Save Word/Clue List");
    EXPECT_EQ(request.filter, "text (*.txt)|*.txt");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_TRUE(request.promptOverwrite);
}

TEST_F(WordTextDialogsTest, TheEditorsButtonsOpenTheDialogsOnItsGrid)
{
    writeFile(dir / "QZFLAY.DAT", test::solidShapeImage("Small", 5, 5).str());
    words.ImportOption = 1;
    TWordList editor(context(), "Create New Puzzle");
    editor.show();
    editor.grid()->item(0, WordsCluesGrid::WordColumn)->setText("CAT");
    dialogs.answerFile(wordFile("words.txt", "OWL\nBAT\n"));
    test::whileModalOpen<TImport>([&] { editor.ImportClueClick(); },
                                  [&](TImport& dialog) {
                                      dialog.OpenFileClick();
                                      dialog.SelectAllClick();
                                      dialog.OkClick();
                                  });
    EXPECT_EQ(editor.grid()->item(1, WordsCluesGrid::WordColumn)->text(), "BAT");
    EXPECT_EQ(editor.grid()->item(2, WordsCluesGrid::WordColumn)->text(), "OWL");

    test::whileModalOpen<TMyExport>([&] { editor.ExportClueClick(); },
                                    [&](TMyExport& dialog) {
                                        dialog.modeBox()->button(WordTextMode::Words)->click();
                                        EXPECT_EQ(texts(dialog.lineList()), (QStringList{"BAT", "CAT", "OWL"}));
                                    });
    // Cancelling the import leaves the grid as it was.
    test::whileModalOpen<TImport>([&] { editor.ImportClueClick(); }, [](TImport&) {});
    EXPECT_EQ(editor.GetWordCount(), 3);
}

}  // namespace
}  // namespace qm
