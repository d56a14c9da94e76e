#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "lexicon/lexicon_languages.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/lexicon_scene.h"
#include "lexicon/ui/spell_suggestions_dialog.h"
#include "support/ui/modal_sequence.h"

namespace qm {
namespace {

using test::readFile;
using test::writeFile;
using Words = std::vector<std::string>;

QStringList texts(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items.append(list->item(row)->text());
    return items;
}

class SpellSuggestionsTest : public ::testing::Test, protected test::LexiconScene {
protected:
    TSpellSuggestions dialog{dialogs, style, "French"};
};

TEST_F(SpellSuggestionsTest, ShowsTheWordWithItsSuggestionsTheFirstSelected)
{
    dialog.showWord("cafe", {"caf\xE9", "cage"});
    EXPECT_EQ(dialog.windowTitle(), "Spelling Suggestions");
    EXPECT_EQ(dialog.findChild<QLabel*>("Notice")->text(),
              "The following word was not found in the French dictionary.  Suggestions are listed below.");
    EXPECT_EQ(dialog.findChild<QLabel*>("Word")->text(), "cafe");
    EXPECT_EQ(texts(dialog.suggestionList()), (QStringList{"caf\u00E9", "cage"}));
    EXPECT_EQ(dialog.suggestionList()->currentRow(), 0);
    dialog.ReplaceClick();
    EXPECT_EQ(dialog.answer().decision, SpellDecision::Replace);
    EXPECT_EQ(dialog.answer().replacement, "caf\xE9");
}

TEST_F(SpellSuggestionsTest, ReplaceWithoutASelectionIsRefusedAndTheDialogStays)
{
    dialog.show();
    dialog.showWord("cafe", {"caf\xE9"});
    dialog.suggestionList()->clearSelection();
    dialog.ReplaceClick();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{QString::fromStdString(LexiconMessages::NoReplacementSelected.message)});
    EXPECT_EQ(dialogs.messages().at(0).caption, "Error");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SpellSuggestionsTest, EachButtonGivesItsDecisionAndClosingAborts)
{
    const std::pair<void (TSpellSuggestions::*)(), SpellDecision> buttons[] = {
        {&TSpellSuggestions::IgnoreClick, SpellDecision::Ignore},
        {&TSpellSuggestions::AbortClick, SpellDecision::Abort},
        {&TSpellSuggestions::AddClick, SpellDecision::Add},
        {&TSpellSuggestions::reject, SpellDecision::Abort},
    };
    for (const auto& [button, decision] : buttons) {
        dialog.show();
        dialog.showWord("cafe", {"caf\xE9"});
        (dialog.*button)();
        EXPECT_EQ(dialog.answer().decision, decision);
        EXPECT_FALSE(dialog.isVisible());
    }
}

class SpellCheckWiringTest : public ::testing::Test, protected test::LexiconScene {
protected:
    SpellCheckWiringTest()
    {
        rows[0].Word = "kat";
        rows[0].Clue = "big,reed";
    }

    void runCheck(test::ModalSequence& sequence)
    {
        LexiconTools tools(context());
        sequence.run([&] { tools.spellCheck(nullptr, rows, true, true); });
    }

    std::vector<SpellCheckEntry> rows = std::vector<SpellCheckEntry>(1);
};

TEST_F(SpellCheckWiringTest, RepliesGoIntoTheRowsAndTheCheckEndsWithItsReport)
{
    settings.Dictionary = 1;
    engines.install(1, {{"big", "red"}, {{"kat", {"cat"}}, {"reed", {"red", "rod"}}}});
    test::ModalSequence sequence;
    sequence
        .then<TSpellSuggestions>([](TSpellSuggestions& dialog) {
            EXPECT_EQ(dialog.findChild<QLabel*>("Word")->text(), "kat");
            dialog.IgnoreClick();
        })
        .then<TSpellSuggestions>([](TSpellSuggestions& dialog) {
            dialog.suggestionList()->setCurrentRow(1);
            dialog.ReplaceClick();
        });
    runCheck(sequence);
    EXPECT_EQ(rows[0].Word, "kat");
    EXPECT_EQ(rows[0].Clue, "big , rod");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Spelling Status");
    EXPECT_EQ(dialogs.messages()[0].text, "Spell checking complete.");
}

TEST_F(SpellCheckWiringTest, AWordWithoutSuggestionsIsANotice)
{
    engines.install(1, {{"big", "reed"}});
    test::ModalSequence none;
    runCheck(none);
    EXPECT_EQ(dialogs.messageTexts(),
              (std::vector<QString>{"kat was not found in the dictionary.  No suggestions could be found.",
                                    "Spell checking complete."}));
    EXPECT_EQ(dialogs.messages()[0].caption, "Notice");
}

TEST_F(SpellCheckWiringTest, NoDictionaryForTheLanguageStopsTheCheck)
{
    for (int dictionary : {0, 2}) {
        settings.Dictionary = dictionary;
        engines.install(1);
        test::ModalSequence none;
        runCheck(none);
    }
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>(2, QString::fromStdString(LexiconMessages::CannotFindDictionaryFiles.message)));
    EXPECT_EQ(dialogs.messages()[0].caption, "Error");
    EXPECT_EQ(rows[0].Clue, "big,reed");
}

TEST_F(SpellCheckWiringTest, ALanguageChosenAtCheckTimeHoldsForThatCheckOnly)
{
    settings.Dictionary = kChooseDictionaryAtCheckTime;
    settings.UserDictionary = 2;
    engines.install(2);
    engines.install(5, {{"big", "reed"}, {{"kat", {"chat"}}}});
    test::ModalSequence sequence;
    sequence
        .then<TChooseSpellCheck>([](TChooseSpellCheck& choice) {
            EXPECT_EQ(choice.windowTitle(), "Spell Check");
            EXPECT_TRUE(choice.choiceButton(2)->isChecked());
            EXPECT_FALSE(choice.choiceButton(1)->isEnabled());
            EXPECT_EQ(choice.choiceButton(8)->text(), "S&wedish");
            choice.choiceButton(5)->click();
            choice.findChild<QPushButton*>("OkButton")->click();
        })
        .then<TSpellSuggestions>([](TSpellSuggestions& dialog) {
            EXPECT_TRUE(dialog.findChild<QLabel*>("Notice")->text().contains("French dictionary"));
            dialog.AddClick();
        });
    runCheck(sequence);
    EXPECT_EQ(settings.Dictionary, kChooseDictionaryAtCheckTime);
    EXPECT_EQ(settings.UserDictionary, 5);
    // The personal lists stay those named at start-up.
    EXPECT_EQ(readFile(dir / "IncEngl.tlx"), "kat\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "IncFrnch.tlx"));
}

TEST_F(SpellCheckWiringTest, CancellingTheLanguageChoiceChecksNothing)
{
    settings.Dictionary = kChooseDictionaryAtCheckTime;
    engines.install(1);
    test::ModalSequence sequence;
    sequence.then<TChooseSpellCheck>([](TChooseSpellCheck& choice) {
        choice.choiceButton(1)->click();
        choice.findChild<QPushButton*>("CancelButton")->click();
    });
    runCheck(sequence);
    EXPECT_TRUE(dialogs.log().empty());
    EXPECT_TRUE(engines.spellings[1]->checked.empty());
}

class DictionaryMaintenanceTest : public ::testing::Test, protected test::LexiconScene {
protected:
    PersonalListFiles files = PersonalListFiles::of(dir.path(), 6);

    void maintain(PersonalList list, const std::function<void(TMyEditBox&)>& act)
    {
        test::ModalSequence sequence;
        sequence.then(act);
        sequence.run([&] { runDictionaryMaintenance(nullptr, dialogs, style, files, list); });
    }
};

TEST_F(DictionaryMaintenanceTest, HeadingsNameTheLanguageOfTheList)
{
    QString include;
    QString exclude;
    maintain(PersonalList::Include, [&](TMyEditBox& box) { include = box.findChild<QLabel*>("Heading")->text(); });
    maintain(PersonalList::Exclude, [&](TMyEditBox& box) { exclude = box.findChild<QLabel*>("Heading")->text(); });
    EXPECT_EQ(include, "These words will be added to the German dictionary and counted as valid.");
    EXPECT_EQ(exclude, "These words will be excluded from the  German dictionary and will be invalid.");
}

TEST_F(DictionaryMaintenanceTest, EditsTheListAndOkWritesItAnew)
{
    writeFile(files.exclude, "eins\nzwei\ndrei\n");
    maintain(PersonalList::Exclude, [](TMyEditBox& box) {
        EXPECT_EQ(box.windowTitle(), "Dictionary Maintenance");
        EXPECT_EQ(texts(box.wordList()), (QStringList{"eins", "zwei", "drei"}));
        EXPECT_EQ(box.wordList()->currentRow(), 0);
        box.entryField()->setText("  Stra\u00DFe ");
        box.AddClick();
        EXPECT_TRUE(box.entryField()->text().isEmpty());
        box.entryField()->setText("   ");
        box.AddClick();
        box.wordList()->setCurrentRow(1);
        box.DeleteClick();
        EXPECT_EQ(box.wordList()->currentItem()->text(), "drei");  // the word now at that place
        box.wordList()->setCurrentRow(2);
        box.DeleteClick();
        EXPECT_EQ(box.wordList()->currentItem()->text(), "drei");  // the last went: the one before
        box.OkClick();
    });
    EXPECT_EQ(readFile(files.exclude), "eins\ndrei\n");
    maintain(PersonalList::Exclude, [](TMyEditBox& box) {
        box.entryField()->setText("Stra\u00DFe");
        box.AddClick();
        box.findChild<QPushButton*>("CancelButton")->click();
    });
    EXPECT_EQ(readFile(files.exclude), "eins\ndrei\n");
}

TEST_F(DictionaryMaintenanceTest, AnEmptyListIsSavedAsAnEmptyFile)
{
    writeFile(files.include, "only\n");
    maintain(PersonalList::Include, [](TMyEditBox& box) {
        box.DeleteClick();
        EXPECT_EQ(box.wordList()->count(), 0);
        EXPECT_EQ(box.wordList()->currentRow(), -1);
        box.DeleteClick();  // nothing left to delete
        box.OkClick();
    });
    EXPECT_TRUE(std::filesystem::exists(files.include));
    EXPECT_EQ(readFile(files.include), "");
}

TEST_F(DictionaryMaintenanceTest, AListThatCannotBeReadIsReportedAndNotOpened)
{
    std::filesystem::create_directory(files.include);
    runDictionaryMaintenance(nullptr, dialogs, style, files, PersonalList::Include);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains("IncGerm.tlx"));
}

TEST_F(DictionaryMaintenanceTest, AListThatCannotBeWrittenKeepsTheDialogOpen)
{
    TMyEditBox box(dialogs, style, PersonalList::Include, "German", {"eins"}, dir.path());
    box.show();
    box.OkClick();
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(box.isVisible());
    EXPECT_EQ(box.words(), Words{"eins"});
}

}  // namespace
}  // namespace qm
