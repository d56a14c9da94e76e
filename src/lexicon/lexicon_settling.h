// Start-up: which languages and thesauri are installed, the Dictionary and Thesaurus settings
// moved off the ones that are not, and the language whose personal lists this run uses.
#pragma once

#include <array>

#include "lexicon/lexicon_languages.h"
#include "lexicon/lexicon_settings.h"

namespace qm {

class LexiconEngines;

struct SettledLexicon {
    std::array<bool, kSpellingLanguageCount> dictionaries{};  // American .. Swedish
    std::array<bool, kThesaurusCount> thesauri{};             // American, British
    // The personal lists are named once, from the Dictionary value settled here: a later change
    // of language in the menu takes effect for them at the next start. Asking at check time, or
    // no language at all, uses the American lists.
    int personalLists = 1;
};

// A Dictionary value naming a language that is not installed becomes American, and American
// not installed becomes 0 (none); asking at check time stays. A British thesaurus not installed
// becomes American, an American one not installed 0; asking at use time stays.
SettledLexicon settleLexicon(const LexiconEngines& engines, LexiconSettings& settings);

// Whether a spell check can run: the Dictionary value names an installed language, or asks at
// check time while some language is installed. Likewise a thesaurus lookup by the Thesaurus value.
bool spellCheckAvailable(const LexiconEngines& engines, const LexiconSettings& settings);
bool thesaurusAvailable(const LexiconEngines& engines, const LexiconSettings& settings);

}  // namespace qm
