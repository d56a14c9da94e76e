// The spelling checker, the thesaurus and the international characters as the word list editor
// reaches them (DoSpellCheck, DoThesCheck, the F1..F12 keys); the program hands them to the
// editor.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "lexicon/lexicon_settings.h"
#include "lexicon/personal_word_list.h"
#include "lexicon/spell_check_run.h"

class QWidget;

namespace qm {

class LexiconEngines;

// What the dialogs of the lexicon work with; the caller owns all of it.
struct LexiconContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    LexiconSettings& settings;
    LexiconEngines& engines;
    PersonalListFiles personalLists;  // the lists named at start-up
};

class LexiconTools final {
public:
    explicit LexiconTools(LexiconContext context) : m_context(std::move(context)) {}

    bool spellingAvailable() const;
    bool thesaurusAvailable() const;
    // Asks for the language first when the setting says so; the choice holds for this check only.
    void spellCheck(QWidget* parent, std::vector<SpellCheckEntry>& entries, bool checkWords, bool checkClues);
    // Asks for the thesaurus first when the setting says so; the choice holds for this lookup only.
    std::optional<std::string> thesaurus(QWidget* parent, const std::string& word);
    void editInternationalCharacters(QWidget* parent);
    std::optional<char> internationalCharacter(int key) const;

private:
    LexiconContext m_context;
};

}  // namespace qm
