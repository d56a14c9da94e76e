// The program's links store what the windows they open hand back: the settings of the layout
// list, of the word list editor and of the international characters.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>

#include "app/ui/main_window.h"
#include "generate/ui/word_list_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "lexicon/ui/international_characters_dialog.h"
#include "support/temp_dir.h"
#include "support/ui/modal_window.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

using test::whileModalOpen;

class ProgramLinksResultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(programDirectory);
        std::filesystem::copy_file(std::filesystem::path(QM_PROGRAM_DIR) / "QZFPAGE.DAT",
                                   programDirectory / "QZFPAGE.DAT");
        test::writeFile(dir / "QMAZE3.INI", "[Misc]\r\nShow Tips=No\r\n");
        window = std::make_unique<TMainWin>(
            MainWindowEnvironment{programDirectory, dir.path(), &dialogs, QSize(1024, 768)}, programLinks());
    }

    // In an open layout list: makes an entry without the default mark the default, and gives
    // the setting the list now holds.
    static int setAnotherDefault(TListPages& list)
    {
        QListWidget& box = *list.shapeBox();
        for (int row = 0; row < box.count(); ++row) {
            if (box.item(row)->text().contains("<<DEFAULT>>")) continue;
            box.setCurrentRow(row);
            break;
        }
        list.findChild<QPushButton*>("DefaultButton")->click();
        return list.settings().DefaultPage;
    }

    test::TempDir dir;
    std::filesystem::path programDirectory = dir / "program";
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TMainWin> window;
};

TEST_F(ProgramLinksResultsTest, TheLayoutListsDefaultBecomesTheProgramsWhenTheListCloses)
{
    const int before = window->settings().PageLayout.DefaultPage;
    int chosen = before;
    whileModalOpen<TListPages>([&] { window->actions().pageLayouts->trigger(); },
                               [&](TListPages& list) { chosen = setAnotherDefault(list); });
    EXPECT_NE(chosen, before);
    EXPECT_EQ(window->settings().PageLayout.DefaultPage, chosen);
}

TEST_F(ProgramLinksResultsTest, TheEditorsSettingsAndThoseOfTheLayoutListItOpensAreStored)
{
    const bool shrink = window->settings().WordList.Generation.Shrink;
    const int before = window->settings().PageLayout.DefaultPage;
    int chosen = before;
    dialogs.answerMessage(MessageButton::Ok);  // no shapes beside the program
    whileModalOpen<TWordList>(
        [&] { window->newPuzzle(); },
        [&](TWordList& editor) {
            editor.findChild<QCheckBox*>("AutoShrink")->click();
            whileModalOpen<TListPages>([&] { editor.ChangeLayoutClick(); },
                                       [&](TListPages& list) { chosen = setAnotherDefault(list); });
            EXPECT_EQ(window->settings().PageLayout.DefaultPage, chosen) << "stored when the list closes";
            editor.CancelClick();
        });
    EXPECT_NE(chosen, before);
    EXPECT_EQ(window->settings().WordList.Generation.Shrink, !shrink);
}

TEST_F(ProgramLinksResultsTest, TheInternationalCharactersOfOkAreStoredAndCancelKeepsThem)
{
    const std::string before = window->settings().Lexicon.IntKeys[0];
    const auto lastCharacter = [](bool ok) {
        return [ok](TDoIntChars& dialog) {
            dialog.keyList(1)->setCurrentIndex(63);
            ok ? dialog.OkClick() : dialog.reject();
        };
    };
    whileModalOpen<TDoIntChars>([&] { window->actions().internationalCharacters->trigger(); }, lastCharacter(false));
    EXPECT_EQ(window->settings().Lexicon.IntKeys[0], before);
    whileModalOpen<TDoIntChars>([&] { window->actions().internationalCharacters->trigger(); }, lastCharacter(true));
    EXPECT_EQ(window->settings().Lexicon.IntKeys[0], "0255");
}

}  // namespace
}  // namespace qm
