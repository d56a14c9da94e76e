// The lexicon tools as the word list editor asks for them: its rows go to the spell check as a
// plain list of words and clues and come back with the user's replacements.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "generate/ui/word_list_lexicon.h"
#include "lexicon/ui/lexicon_tools.h"

namespace qm {

class EditorLexicon final : public WordListLexicon {
public:
    explicit EditorLexicon(LexiconTools tools) : m_tools(std::move(tools)) {}

    bool spellingAvailable() const override { return m_tools.spellingAvailable(); }
    bool thesaurusAvailable() const override { return m_tools.thesaurusAvailable(); }
    void spellCheck(QWidget* parent, std::array<WordListRow, kMaxWords>& rows, bool checkWords,
                    bool checkClues) override;
    std::optional<std::string> thesaurus(QWidget* parent, const std::string& word) override
    {
        return m_tools.thesaurus(parent, word);
    }
    void editInternationalCharacters(QWidget* parent) override { m_tools.editInternationalCharacters(parent); }
    std::optional<char> internationalCharacter(int key) const override { return m_tools.internationalCharacter(key); }

private:
    LexiconTools m_tools;
};

}  // namespace qm
