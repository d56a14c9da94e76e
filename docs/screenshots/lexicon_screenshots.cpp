// The spelling checker's choice of language, suggestions and dictionary maintenance, the
// thesaurus lookup with the words it suggests for an unknown one, and the international
// characters, on the installed dictionaries.
#include <QListWidget>

#include "common/cp1252.h"
#include "lexicon/installed_lexicons.h"
#include "lexicon/spell_checker.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/international_characters_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/spell_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "lexicon/ui/word_suggestions_dialog.h"
#include "screenshots.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::screenshots {
namespace {

// Asked before each check when the setting says to choose the language each time.
void shootLanguageChoice(ScreenshotFolder& folder, const UiStyle& style, const LexiconEngines& lexicons)
{
    LexiconSettings settings;
    TChooseSpellCheck choice(style, lexicons, settings);
    choice.show();
    folder.save(choice, "language-choice.png");
}

// What Suggest of the thesaurus lookup offers for a word the thesaurus does not know.
void shootWordSuggestions(ScreenshotFolder& folder, const UiStyle& style, ThesaurusEngine& thesaurus)
{
    const std::string unknown = "elefant";
    const std::vector<std::string> words = thesaurus.suggestions(unknown);
    require(!words.empty(), "the thesaurus suggests for " + unknown);
    TThes2Sugs suggestions(style, unknown, words);
    suggestions.show();
    folder.save(suggestions, "word-suggestions.png");
}

}  // namespace

void takeLexiconScreenshots(ScreenshotFolder& folder)
{
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    InstalledLexicons lexicons(LexiconPlaces::standard(dir.path()));

    shootLanguageChoice(folder, style, lexicons);
    SpellingEngine* american = lexicons.spelling(1);
    require(american != nullptr, "the American dictionary is installed");
    const SpellChecker checker(*american, {});
    TSpellSuggestions suggestions(dialogs, style, "American");
    suggestions.showWord("recieve", checker.suggest("recieve"));
    require(suggestions.suggestionList()->count() > 0, "the dictionary suggests for recieve");
    suggestions.show();
    folder.save(suggestions, "spell-suggestions.png");

    ThesaurusEngine* thesaurus = lexicons.thesaurus(1);
    require(thesaurus != nullptr, "the American thesaurus is installed");
    TThesSuggestions lookup(dialogs, style, thesaurus, "big");
    lookup.start();
    require(lookup.categoryList()->count() > 0, "the thesaurus knows big");
    lookup.show();
    folder.save(lookup, "thesaurus-lookup.png");
    shootWordSuggestions(folder, style, *thesaurus);

    const std::vector<std::string> words{"Quillmaze", utf8ToCp1252("crème brûlée"), "savannah", "wordsearch"};
    TMyEditBox maintenance(dialogs, style, PersonalList::Include, "American", words, dir / "IncEngl.tlx");
    maintenance.show();
    folder.save(maintenance, "dictionary-maintenance.png");

    LexiconSettings settings;
    TDoIntChars characters(style, settings);
    characters.show();
    folder.save(characters, "international-characters.png");
}

}  // namespace qm::screenshots
