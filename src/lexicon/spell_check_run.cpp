#include "lexicon/spell_check_run.h"

#include <optional>

#include "common/text_rules.h"
#include "lexicon/clue_tokens.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/personal_word_list.h"
#include "lexicon/spell_checker.h"

namespace qm {
namespace {

constexpr std::size_t kReplacementLimit = 255;

class CheckRun {
public:
    CheckRun(const SpellChecker& checker, SpellCheckUser& user, const std::filesystem::path& includeList)
        : m_checker(checker),
          m_user(user),
          m_includeList(includeList)
    {
    }

    // The replacement the user chose for the word, if any.
    std::optional<std::string> check(const std::string& word)
    {
        if (m_checker.check(word)) return std::nullopt;
        m_findings.anyNotFound = true;
        const std::vector<std::string> suggestions = m_checker.suggest(word);
        if (suggestions.empty()) {
            m_user.tellNoSuggestions(word);
            return std::nullopt;
        }
        const SpellAnswer answer = m_user.askAbout(word, suggestions);
        switch (answer.decision) {
        case SpellDecision::Replace:
            return answer.replacement.substr(0, kReplacementLimit);
        case SpellDecision::Add:
            if (const Status added = addToPersonalList(m_includeList, word); !added)
                m_user.reportFailure(added.failure());
            break;
        case SpellDecision::Abort:
            m_aborted = true;
            break;
        case SpellDecision::Ignore:
            break;
        }
        return std::nullopt;
    }

    // The clue rebuilt from its tokens when a word of it was replaced; an untouched clue keeps
    // its own spacing.
    std::optional<std::string> checkClue(std::string_view clue)
    {
        std::vector<std::string> tokens = clueTokens(clue);
        bool replaced = false;
        for (std::string& token : tokens) {
            const std::string word = tokenWord(token);
            if (word.empty()) continue;
            if (const auto replacement = check(word)) {
                token = replacedToken(token, *replacement);
                replaced = true;
            }
            if (aborted()) break;
        }
        if (!replaced) return std::nullopt;
        return rebuiltClue(tokens);
    }

    bool aborted() const { return m_aborted; }
    Outcome<SpellCheckFindings> outcome() const
    {
        return m_aborted ? Outcome<SpellCheckFindings>::cancelled(m_findings)
                         : Outcome<SpellCheckFindings>::done(m_findings);
    }

private:
    const SpellChecker& m_checker;
    SpellCheckUser& m_user;
    const std::filesystem::path& m_includeList;
    SpellCheckFindings m_findings;
    bool m_aborted = false;
};

}  // namespace

Outcome<SpellCheckFindings> DoSpellCheck(std::vector<SpellCheckEntry>& entries, SpellCheckPasses passes,
                                         const SpellChecker& checker, SpellCheckUser& user,
                                         const std::filesystem::path& includeList)
{
    CheckRun run(checker, user, includeList);
    if (passes.words) {
        for (SpellCheckEntry& entry : entries) {
            const std::string word = trimmedCopy(entry.Word);
            if (word.empty()) continue;
            if (const auto replacement = run.check(word)) entry.Word = *replacement;
            if (run.aborted()) return run.outcome();
        }
    }
    if (!passes.clues) return run.outcome();
    for (SpellCheckEntry& entry : entries) {
        const std::string_view clue = trimmed(entry.Clue);
        if (clue.empty()) continue;
        if (auto rebuilt = run.checkClue(clue)) entry.Clue = std::move(*rebuilt);
        if (run.aborted()) break;
    }
    return run.outcome();
}

Refusal spellCheckReport(const Outcome<SpellCheckFindings>& outcome)
{
    if (!outcome.value.anyNotFound) return LexiconMessages::AllWordsFound;
    return outcome.kind == Ending::Kind::Cancelled ? LexiconMessages::SpellCheckAborted
                                                   : LexiconMessages::SpellCheckComplete;
}

}  // namespace qm
