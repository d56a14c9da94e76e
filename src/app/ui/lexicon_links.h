// The spelling checker, the thesaurus and the international characters as the main window and
// the word list editor reach them: the installed engines, loaded on first use and kept while the
// program runs, and the personal lists named at start-up.
#pragma once

#include <memory>

#include "app/ui/editor_lexicon.h"
#include "app/ui/main_window_links.h"
#include "lexicon/installed_lexicons.h"
#include "lexicon/personal_word_list.h"
#include "lexicon/ui/lexicon_tools.h"

namespace qm {

class ProgramLexicon {
public:
    // Start-up: finds what is installed beside the program and on the system, settles the
    // settings and names the personal lists.
    LanguageAvailability settle(TMainWin& window);
    // What the editor and the menu commands use; valid while the window and this live.
    EditorLexicon tools(TMainWin& window);
    LexiconContext context(TMainWin& window);

private:
    std::unique_ptr<InstalledLexicons> m_engines;
    PersonalListFiles m_personalLists;
};

// Connects the start-up settling, dictionary maintenance and the international characters.
void linkLexicon(MainWindowLinks& links, const std::shared_ptr<ProgramLexicon>& lexicon);

}  // namespace qm
