// What the word list editor asks of the spelling checker, the thesaurus and the international
// characters. The program connects them; an editor without them keeps their buttons disabled.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "generate/word_list_form.h"

class QWidget;

namespace qm {

class WordListLexicon {
public:
    virtual ~WordListLexicon() = default;

    // Whether a dictionary, or a thesaurus, of the languages the settings allow is installed:
    // without one the button stays disabled.
    virtual bool spellingAvailable() const = 0;
    virtual bool thesaurusAvailable() const = 0;

    // Checks the words, then the clues of the rows, as asked, putting the user's replacements
    // into them.
    virtual void spellCheck(QWidget* parent, std::array<WordListRow, kMaxWords>& rows, bool checkWords,
                            bool checkClues) = 0;
    // The synonym the user accepted for the word, or nothing.
    virtual std::optional<std::string> thesaurus(QWidget* parent, const std::string& word) = 0;
    virtual void editInternationalCharacters(QWidget* parent) = 0;
    // The Windows-1252 character the function key F1..F12 types, or nothing.
    virtual std::optional<char> internationalCharacter(int key) const = 0;
};

}  // namespace qm
