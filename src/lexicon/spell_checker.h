// One language's dictionary with the user's personal lists in front of it: a word in the exclude
// list is misspelt even when the dictionary knows it, a word in the include list is correct.
// Both lists match in any letter case. Marks around a word ("wow!", "'quoted'") are not part of
// it: they are neither checked nor lost from a suggestion.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "lexicon/personal_word_list.h"

namespace qm {

class SpellingEngine;

class SpellChecker {
public:
    SpellChecker(SpellingEngine& dictionary, PersonalWords personal);

    bool check(std::string_view word) const;
    // Replacements for the whole word, marks around it kept; excluded words are never offered.
    std::vector<std::string> suggest(std::string_view word) const;

private:
    bool listed(const std::vector<std::string>& list, std::string_view word) const;

    SpellingEngine& m_dictionary;
    PersonalWords m_personal;
};

}  // namespace qm
