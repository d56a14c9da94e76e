#include "lexicon/ui/international_characters_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>

#include "lexicon/ui/lexicon_scene.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

class InternationalCharactersTest : public ::testing::Test, protected test::LexiconScene {};

TEST_F(InternationalCharactersTest, ListsTheUpperCharactersAndShowsEachKeysChoice)
{
    settings.IntKeys[4] = "0100";  // not offered: the first entry
    TDoIntChars dialog(style, settings);
    EXPECT_EQ(dialog.windowTitle(), "International Characters");
    EXPECT_TRUE(dialog.findChild<QLabel*>("Note")->text().startsWith(
        "The function keys F1 through F12 can be assigned any number of international characters.  "));
    QComboBox* f1 = dialog.keyList(1);
    ASSERT_EQ(f1->count(), 64);
    EXPECT_EQ(f1->itemText(0), QString(QChar(0xC0)));
    EXPECT_EQ(f1->itemText(63), QString(QChar(0xFF)));
    EXPECT_EQ(f1->currentText(), QString(QChar(0xE1)));
    EXPECT_EQ(dialog.keyList(2)->currentText(), QString(QChar(0xE9)));
    EXPECT_EQ(dialog.keyList(5)->currentIndex(), 0);
    EXPECT_EQ(dialog.keyList(12)->currentText(), QString(QChar(0xF2)));
}

TEST_F(InternationalCharactersTest, OkStoresEveryKeyAsFourCharactersAndCancelNothing)
{
    settings.IntKeys[4] = "0100";
    {
        TDoIntChars dialog(style, settings);
        dialog.keyList(1)->setCurrentIndex(63);
        dialog.reject();
        EXPECT_FALSE(dialog.chosen());
    }
    EXPECT_EQ(settings.IntKeys[0], "0225");
    TDoIntChars dialog(style, settings);
    dialog.keyList(1)->setCurrentIndex(63);
    dialog.OkClick();
    ASSERT_TRUE(dialog.chosen());
    const LexiconSettings& chosen = *dialog.chosen();
    EXPECT_EQ(chosen.IntKeys[0], "0255");
    EXPECT_EQ(chosen.IntKeys[4], "0192");
    EXPECT_EQ(chosen.IntKeys[11], "0242");
}

// The editor's keys follow what Ok chose; Cancel leaves them.
TEST_F(InternationalCharactersTest, TheToolsStoreTheKeysOkChose)
{
    LexiconTools tools(context());
    const auto chooseLast = [](bool ok) {
        return [ok](TDoIntChars& dialog) {
            dialog.keyList(2)->setCurrentIndex(63);
            ok ? dialog.OkClick() : dialog.reject();
        };
    };
    test::whileModalOpen<TDoIntChars>([&] { tools.editInternationalCharacters(nullptr); }, chooseLast(false));
    EXPECT_EQ(tools.internationalCharacter(2), '\xE9');
    test::whileModalOpen<TDoIntChars>([&] { tools.editInternationalCharacters(nullptr); }, chooseLast(true));
    EXPECT_EQ(tools.internationalCharacter(2), '\xFF');
    EXPECT_EQ(settings.IntKeys[1], "0255");
}

TEST_F(InternationalCharactersTest, TheEditorTypesTheCharacterOfEachKey)
{
    settings.IntKeys[4] = "0100";
    LexiconTools tools(context());
    EXPECT_EQ(tools.internationalCharacter(2), '\xE9');
    EXPECT_EQ(tools.internationalCharacter(5), 'd');
    EXPECT_EQ(tools.internationalCharacter(0), std::nullopt);
    EXPECT_EQ(tools.internationalCharacter(13), std::nullopt);
}

}  // namespace
}  // namespace qm
