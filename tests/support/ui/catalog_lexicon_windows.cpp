// The catalog's windows of the spelling checker and the thesaurus, on small dictionaries of
// their own: the language choices, the suggestions, the lookup, the word suggestions, the
// personal word lists and the international characters.
#include "lexicon/lexicon_settings.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/international_characters_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/spell_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"
#include "lexicon/ui/word_suggestions_dialog.h"
#include "support/lexicon/fake_lexicons.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/window_catalog.h"

namespace qm::test {
namespace {

// American and British installed, with a thesaurus that knows "big".
struct LexiconWorld {
    explicit LexiconWorld(double scale)
    {
        style.scale = scale;
        engines.install(1, FakeSpelling({"savannah"}, {{"recieve", {"receive", "relieve", "reprieve"}}}));
        engines.install(2);
        FakeThesaurus& thesaurus = engines.installThesaurus(1);
        thesaurus.categoriesOf["big"] = {"large (adj.)", "important (adj.)"};
        thesaurus.antonymsOf["large (adj.)"] = {"small (adj.)"};
        thesaurus.synonymsOf["large (adj.)"] = {"huge", "vast", "enormous", "sizable"};
        thesaurus.suggestionsFor["bgi"] = {"big", "bog", "bag"};
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    UiStyle style;
    LexiconSettings settings;
    FakeLexicons engines;
};

}  // namespace

void addLexiconWindows(std::vector<CatalogWindow>& catalog)
{
    catalog.push_back(onScene<LexiconWorld>("Spell Check (language)", [](LexiconWorld& world, const WindowLook& look) {
        TChooseSpellCheck choice(world.style, world.engines, world.settings);
        showAndLook(choice, look);
    }));
    catalog.push_back(onScene<LexiconWorld>("Thesaurus (language)", [](LexiconWorld& world, const WindowLook& look) {
        TChooseThesCheck choice(world.style, world.engines, world.settings);
        showAndLook(choice, look);
    }));
    catalog.push_back(onScene<LexiconWorld>("Spelling Suggestions", [](LexiconWorld& world, const WindowLook& look) {
        TSpellSuggestions suggestions(world.dialogs, world.style, "American");
        suggestions.showWord("recieve", {"receive", "relieve", "reprieve"});
        showAndLook(suggestions, look);
    }));
    catalog.push_back(onScene<LexiconWorld>("Thesaurus Lookup", [](LexiconWorld& world, const WindowLook& look) {
        TThesSuggestions lookup(world.dialogs, world.style, world.engines.thesaurus(1), "big");
        lookup.start();
        showAndLook(lookup, look);
    }));
    catalog.push_back(onScene<LexiconWorld>("Word Suggestions", [](LexiconWorld& world, const WindowLook& look) {
        TThes2Sugs suggestions(world.style, "bgi", {"big", "bog", "bag"});
        showAndLook(suggestions, look);
    }));
    const std::pair<const char*, PersonalList> lists[] = {{"Add to Dictionary", PersonalList::Include},
                                                          {"Exclude From Dictionary", PersonalList::Exclude}};
    for (const auto& [name, list] : lists) {
        catalog.push_back(onScene<LexiconWorld>(name, [list = list](LexiconWorld& world, const WindowLook& look) {
            TMyEditBox maintenance(world.dialogs, world.style, list, "American", {"Quillmaze", "savannah"},
                                   world.dir / "IncEngl.tlx");
            showAndLook(maintenance, look);
        }));
    }
    catalog.push_back(
        onScene<LexiconWorld>("International Characters", [](LexiconWorld& world, const WindowLook& look) {
            TDoIntChars characters(world.style, world.settings);
            showAndLook(characters, look);
        }));
}

}  // namespace qm::test
