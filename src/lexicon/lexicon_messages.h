// What the spelling checker and the thesaurus tell the user, with their captions.
#pragma once

#include <string>
#include <string_view>

#include "common/refusal.h"

namespace qm::LexiconMessages {

inline constexpr const char* SpellingOkCaption = "Spelling Ok";
inline constexpr const char* SpellingStatusCaption = "Spelling Status";

inline const Refusal CannotFindDictionaryFiles{"Could not find one of the dictionary files.", kErrorCaption};
inline const Refusal AllWordsFound{"All words were found in the dictionary.", SpellingOkCaption};
inline const Refusal SpellCheckAborted{"Spell checking aborted.", SpellingStatusCaption};
inline const Refusal SpellCheckComplete{"Spell checking complete.", SpellingStatusCaption};
inline const Refusal NoReplacementSelected{"No replacement word has been selected.  Please choose a replacement first.",
                                           kErrorCaption};

inline Refusal notFoundWithoutSuggestions(std::string_view word)
{
    return {std::string(word) + " was not found in the dictionary.  No suggestions could be found.", kNoticeCaption};
}

// The headings of the suggestions dialog and of the personal lists.
inline std::string suggestionNotice(std::string_view language)
{
    return "The following word was not found in the " + std::string(language) +
           " dictionary.  Suggestions are listed below.";
}

inline std::string includeListHeading(std::string_view language)
{
    return "These words will be added to the " + std::string(language) + " dictionary and counted as valid.";
}

// Two spaces before the name, as the program has always shown it.
inline std::string excludeListHeading(std::string_view language)
{
    return "These words will be excluded from the  " + std::string(language) + " dictionary and will be invalid.";
}

inline const Refusal CannotFindThesaurus{"Could not find the Thesaurus file.", kErrorCaption};
inline const Refusal WordNotInThesaurus{
    "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.", kWarningCaption};

inline Refusal noThesaurusSuggestions(std::string_view word)
{
    return {"No suggestions found for the word " + std::string(word) + ".", kErrorCaption};
}

}  // namespace qm::LexiconMessages
