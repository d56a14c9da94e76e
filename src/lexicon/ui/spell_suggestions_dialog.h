// TSpellSuggestions ("Spelling Suggestions"): a word the dictionary does not know, with the words
// it suggests instead. One dialog serves a whole spell check, shown once for each such word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "lexicon/spell_check_run.h"

class QLabel;
class QListWidget;

namespace qm {

class TSpellSuggestions : public StyledDialog {
    Q_OBJECT
public:
    // language: the name in the notice, "American" .. "Swedish".
    TSpellSuggestions(UserDialogs& dialogs, const UiStyle& style, std::string_view language, QWidget* parent = nullptr);

    // Shows the word with its suggestions, the first selected, until the user decides.
    SpellAnswer ask(const std::string& word, const std::vector<std::string>& suggestions);
    // The word and suggestions shown, without waiting: for ask and for tests.
    void showWord(const std::string& word, const std::vector<std::string>& suggestions);
    const SpellAnswer& answer() const { return m_answer; }

    // The buttons, also for tests. Replace without a selected suggestion is refused.
    void ReplaceClick();
    void IgnoreClick();
    void AbortClick();
    void AddClick();

    QListWidget* suggestionList() const { return m_suggestions; }

    // Escape and the title bar's close button stop the check, as Abort does.
    void reject() override;

private:
    void decide(SpellDecision decision);

    UserDialogs& m_dialogs;
    QLabel* m_word = nullptr;
    QListWidget* m_suggestions = nullptr;
    SpellAnswer m_answer;
};

}  // namespace qm
