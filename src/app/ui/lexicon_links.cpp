#include "app/ui/lexicon_links.h"

#include "app/ui/main_window.h"
#include "lexicon/lexicon_settling.h"
#include "lexicon/ui/dictionary_maintenance_dialog.h"
#include "lexicon/ui/international_characters_dialog.h"

namespace qm {

LanguageAvailability ProgramLexicon::settle(TMainWin& window)
{
    m_engines = std::make_unique<InstalledLexicons>(LexiconPlaces::standard(window.programDirectory()));
    const SettledLexicon settled = settleLexicon(*m_engines, window.settings().Lexicon);
    m_personalLists = PersonalListFiles::of(window.programDirectory(), settled.personalLists);
    return {settled.dictionaries, settled.thesauri};
}

LexiconContext ProgramLexicon::context(TMainWin& window)
{
    // Links run only on a window that settled its languages at start-up.
    return {window.dialogs(), window.uiStyle(), window.settings().Lexicon, *m_engines, m_personalLists};
}

EditorLexicon ProgramLexicon::tools(TMainWin& window) { return EditorLexicon(LexiconTools(context(window))); }

void linkLexicon(MainWindowLinks& links, const std::shared_ptr<ProgramLexicon>& lexicon)
{
    links.settleLanguages = [lexicon](TMainWin& window) { return lexicon->settle(window); };
    links.dictionaryMaintenance = [lexicon](TMainWin& window, DictionaryList list) {
        const LexiconContext context = lexicon->context(window);
        runDictionaryMaintenance(&window, context.dialogs, context.style, context.personalLists,
                                 list == DictionaryList::Include ? PersonalList::Include : PersonalList::Exclude);
    };
    links.internationalCharacters = [](TMainWin& window) {
        LexiconSettings& settings = window.settings().Lexicon;
        if (auto chosen = runInternationalCharacters(&window, window.uiStyle(), settings))
            settings = std::move(*chosen);
    };
}

}  // namespace qm
