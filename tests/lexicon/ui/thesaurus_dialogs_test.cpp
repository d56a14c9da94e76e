#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "lexicon/lexicon_languages.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/lexicon_scene.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "lexicon/ui/word_suggestions_dialog.h"
#include "support/ui/modal_sequence.h"

namespace qm {
namespace {

QStringList texts(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) items.append(list->item(row)->text());
    return items;
}

class ThesaurusDialogTest : public ::testing::Test, protected test::LexiconScene {
protected:
    ThesaurusDialogTest()
    {
        thesaurus.categoriesOf["big"] = {"large.adj", "bigness.n", "empty.v"};
        thesaurus.antonymsOf["large.adj"] = {"small.adj"};
        thesaurus.synonymsOf["large.adj"] = {"large", "huge", "vast"};
        thesaurus.synonymsOf["bigness.n"] = {"bigness", "size"};
        thesaurus.synonymsOf["small.adj"] = {"small", "little"};
        thesaurus.categoriesOf["huge"] = {"huge.adj"};
        thesaurus.synonymsOf["huge.adj"] = {"huge", "immense"};
    }

    test::FakeThesaurus& thesaurus = engines.installThesaurus(1);
};

TEST_F(ThesaurusDialogTest, ShowingLooksTheWordUpAndLoadsTheFirstCategory)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "  big ");
    lookup.start();
    EXPECT_EQ(lookup.windowTitle(), "Thesaurus Lookup");
    EXPECT_EQ(lookup.wordField()->text(), "big");
    EXPECT_EQ(texts(lookup.categoryList()), (QStringList{"large (adjective)", "bigness (noun)", "empty (verb)"}));
    EXPECT_EQ(texts(lookup.antonymList()), QStringList{"small (adjective)"});
    EXPECT_EQ(lookup.categoryList()->currentRow(), 0);
    EXPECT_EQ(texts(lookup.synonymList()), (QStringList{"large", "huge", "vast"}));
    EXPECT_EQ(lookup.synonymList()->currentRow(), 0);
    EXPECT_TRUE(lookup.acceptButton()->isEnabled());
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(ThesaurusDialogTest, ClickingACategoryOrAnAntonymLoadsItsSynonyms)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "big");
    lookup.start();
    lookup.antonymList()->setCurrentRow(0);
    lookup.antonymClicked(0);
    EXPECT_EQ(texts(lookup.synonymList()), (QStringList{"small", "little"}));
    EXPECT_TRUE(lookup.categoryList()->selectedItems().isEmpty());
    lookup.categoryList()->setCurrentRow(1);
    lookup.categoryClicked(1);
    EXPECT_EQ(texts(lookup.synonymList()), (QStringList{"bigness", "size"}));
    EXPECT_TRUE(lookup.antonymList()->selectedItems().isEmpty());
}

TEST_F(ThesaurusDialogTest, ACategoryWithoutSynonymsKeepsAcceptDisabled)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "big");
    lookup.start();
    lookup.categoryClicked(2);
    EXPECT_EQ(lookup.synonymList()->count(), 0);
    EXPECT_FALSE(lookup.acceptButton()->isEnabled());
}

TEST_F(ThesaurusDialogTest, AnUnknownWordWarnsAndLeavesTheListsEmpty)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "big");
    lookup.start();
    lookup.wordField()->setText("bgi");
    lookup.LookUpClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].caption, "Warning");
    EXPECT_EQ(dialogs.messages()[0].text,
              "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.");
    for (QListWidget* list : {lookup.categoryList(), lookup.antonymList(), lookup.synonymList()})
        EXPECT_EQ(list->count(), 0);
    EXPECT_FALSE(lookup.acceptButton()->isEnabled());
}

TEST_F(ThesaurusDialogTest, AcceptGivesTheSelectedSynonymAndRefusesWithoutOne)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "big");
    lookup.show();
    lookup.start();
    lookup.synonymList()->clearSelection();
    lookup.AcceptClick();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{QString::fromStdString(LexiconMessages::NoReplacementSelected.message)});
    EXPECT_TRUE(lookup.isVisible());
    lookup.synonymList()->setCurrentRow(2);
    lookup.AcceptClick();
    EXPECT_EQ(lookup.accepted(), "vast");
    EXPECT_FALSE(lookup.isVisible());
}

TEST_F(ThesaurusDialogTest, ADoubleClickedSynonymIsLookedUp)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "big");
    lookup.start();
    lookup.synonymDoubleClicked(1);
    EXPECT_EQ(lookup.wordField()->text(), "huge");
    EXPECT_EQ(texts(lookup.categoryList()), QStringList{"huge (adjective)"});
    EXPECT_EQ(texts(lookup.synonymList()), (QStringList{"huge", "immense"}));
    EXPECT_EQ(thesaurus.looked, (std::vector<std::string>{"big", "huge"}));
}

TEST_F(ThesaurusDialogTest, WithoutAThesaurusTheDialogSaysSoAndOffersNothing)
{
    TThesSuggestions lookup(dialogs, style, nullptr, "big");
    lookup.start();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>{QString::fromStdString(LexiconMessages::CannotFindThesaurus.message)});
    EXPECT_EQ(dialogs.messages()[0].caption, "Error");
    EXPECT_EQ(lookup.categoryList()->count(), 0);
    lookup.LookUpClick();
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(ThesaurusDialogTest, SuggestOffersWordsAndLooksUpTheOneChosen)
{
    thesaurus.suggestionsFor["bgi"] = {"big", "bog"};
    TThesSuggestions lookup(dialogs, style, &thesaurus, "bgi");
    dialogs.answerMessage(MessageButton::Ok);
    lookup.start();
    test::ModalSequence sequence;
    sequence.then<TThes2Sugs>([](TThes2Sugs& suggestions) {
        EXPECT_EQ(suggestions.windowTitle(), "Word Suggestions");
        EXPECT_EQ(suggestions.findChild<QLabel*>("Word")->text(), "bgi");
        EXPECT_EQ(texts(suggestions.suggestionList()), (QStringList{"big", "bog"}));
        suggestions.OkClick();
    });
    sequence.run([&] { lookup.SuggestClick(); });
    EXPECT_EQ(lookup.wordField()->text(), "big");
    EXPECT_EQ(lookup.categoryList()->count(), 3);
}

TEST_F(ThesaurusDialogTest, SuggestWithoutSuggestionsSaysSo)
{
    TThesSuggestions lookup(dialogs, style, &thesaurus, "xqzv");
    dialogs.answerMessage(MessageButton::Ok);
    lookup.start();
    lookup.SuggestClick();
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].caption, "Error");
    EXPECT_EQ(dialogs.messages()[1].text, "No suggestions found for the word xqzv.");
}

TEST_F(ThesaurusDialogTest, TheLookupOfTheEditorAcceptsASynonymAndAThesaurusChosenAtUseTime)
{
    engines.installThesaurus(2).categoriesOf["colour"] = {"colour.n"};
    engines.thesauri[2]->synonymsOf["colour.n"] = {"colour", "hue"};
    settings.Thesaurus = kChooseThesaurusAtUseTime;
    LexiconTools tools(context());
    std::optional<std::string> accepted;
    test::ModalSequence sequence;
    sequence
        .then<TChooseThesCheck>([](TChooseThesCheck& choice) {
            EXPECT_EQ(choice.windowTitle(), "Thesaurus");
            EXPECT_TRUE(choice.choiceButton(1)->isChecked());
            choice.choiceButton(2)->click();
            choice.accept();
        })
        .then<TThesSuggestions>([](TThesSuggestions& lookup) {
            lookup.synonymList()->setCurrentRow(1);
            lookup.AcceptClick();
        });
    sequence.run([&] { accepted = tools.thesaurus(nullptr, "colour"); });
    EXPECT_EQ(accepted, "hue");
    EXPECT_EQ(settings.Thesaurus, kChooseThesaurusAtUseTime);
    EXPECT_EQ(settings.UserThesaurus, 2);
}

TEST_F(ThesaurusDialogTest, AbortGivesNothing)
{
    settings.Thesaurus = 1;
    LexiconTools tools(context());
    std::optional<std::string> accepted = "unchanged";
    test::ModalSequence sequence;
    sequence.then<TThesSuggestions>([](TThesSuggestions& lookup) { lookup.AbortClick(); });
    sequence.run([&] { accepted = tools.thesaurus(nullptr, "big"); });
    EXPECT_EQ(accepted, std::nullopt);
}

}  // namespace
}  // namespace qm
