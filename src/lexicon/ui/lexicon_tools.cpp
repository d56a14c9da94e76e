#include "lexicon/ui/lexicon_tools.h"

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "lexicon/international_keys.h"
#include "lexicon/lexicon_engines.h"
#include "lexicon/lexicon_languages.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/lexicon_settling.h"
#include "lexicon/spell_check_run.h"
#include "lexicon/spell_checker.h"
#include "lexicon/ui/international_characters_dialog.h"
#include "lexicon/ui/language_choice_dialog.h"
#include "lexicon/ui/spell_suggestions_dialog.h"
#include "lexicon/ui/thesaurus_lookup_dialog.h"

namespace qm {
namespace {

// The user's side of a check: the suggestion dialog and the messages around it.
class DialogSpellCheckUser final : public SpellCheckUser {
public:
    DialogSpellCheckUser(UserDialogs& dialogs, TSpellSuggestions& suggestions)
        : m_dialogs(dialogs),
          m_suggestions(suggestions)
    {
    }

    SpellAnswer askAbout(const std::string& word, const std::vector<std::string>& suggestions) override
    {
        return m_suggestions.ask(word, suggestions);
    }
    void tellNoSuggestions(const std::string& word) override
    {
        const Refusal notice = LexiconMessages::notFoundWithoutSuggestions(word);
        m_dialogs.message(toQString(notice.caption), toQString(notice.message));
    }
    void reportFailure(const Failure& failure) override { m_dialogs.reportIoFailure(failure); }

private:
    UserDialogs& m_dialogs;
    TSpellSuggestions& m_suggestions;
};

}  // namespace

bool LexiconTools::spellingAvailable() const { return spellCheckAvailable(m_context.engines, m_context.settings); }

bool LexiconTools::thesaurusAvailable() const { return qm::thesaurusAvailable(m_context.engines, m_context.settings); }

void LexiconTools::spellCheck(QWidget* parent, std::vector<SpellCheckEntry>& entries, bool checkWords,
                              bool checkClues)
{
    int language = m_context.settings.Dictionary;
    if (language == kChooseDictionaryAtCheckTime) {
        const auto chosen = chooseSpellingLanguage(parent, m_context.style, m_context.engines, m_context.settings);
        if (!chosen) return;
        language = *chosen;
    }
    SpellingEngine* dictionary = m_context.engines.spelling(language);
    if (!dictionary) {
        showRefusal(m_context.dialogs, LexiconMessages::CannotFindDictionaryFiles);
        return;
    }
    const SpellChecker checker(*dictionary, readPersonalWords(m_context.personalLists));
    TSpellSuggestions suggestions(m_context.dialogs, m_context.style, spellingLanguage(language)->name, parent);
    DialogSpellCheckUser user(m_context.dialogs, suggestions);
    const auto outcome =
        DoSpellCheck(entries, {checkWords, checkClues}, checker, user, m_context.personalLists.include);
    const Refusal report = spellCheckReport(outcome);
    m_context.dialogs.message(toQString(report.caption), toQString(report.message));
}

std::optional<std::string> LexiconTools::thesaurus(QWidget* parent, const std::string& word)
{
    int thesaurus = m_context.settings.Thesaurus;
    if (thesaurus == kChooseThesaurusAtUseTime) {
        const auto chosen = chooseThesaurus(parent, m_context.style, m_context.engines, m_context.settings);
        if (!chosen) return std::nullopt;
        thesaurus = *chosen;
    }
    TThesSuggestions lookup(m_context.dialogs, m_context.style, m_context.engines.thesaurus(thesaurus), word, parent);
    return lookup.run();
}

void LexiconTools::editInternationalCharacters(QWidget* parent)
{
    if (auto chosen = runInternationalCharacters(parent, m_context.style, m_context.settings))
        m_context.settings = std::move(*chosen);
}

std::optional<char> LexiconTools::internationalCharacter(int key) const
{
    if (key < 1 || key > kInternationalKeys) return std::nullopt;
    return typedCharacter(m_context.settings.IntKeys[static_cast<std::size_t>(key - 1)]);
}

}  // namespace qm
