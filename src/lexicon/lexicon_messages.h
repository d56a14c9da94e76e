// What the spelling checker and the thesaurus tell the user, with their captions.
#pragma once

#include <string>
#include <string_view>

#include "common/refusal.h"  // kNoticeCaption

namespace qm {

inline constexpr const char* kSpellingOkCaption = "Spelling Ok";
inline constexpr const char* kSpellingStatusCaption = "Spelling Status";

inline constexpr const char* kCannotFindDictionaryFiles = "Could not find one of the dictionary files.";
inline constexpr const char* kAllWordsFound = "All words were found in the dictionary.";
inline constexpr const char* kSpellCheckAborted = "Spell checking aborted.";
inline constexpr const char* kSpellCheckComplete = "Spell checking complete.";
inline constexpr const char* kNoReplacementSelected =
    "No replacement word has been selected.  Please choose a replacement first.";

inline std::string notFoundWithoutSuggestions(std::string_view word)
{
    return std::string(word) + " was not found in the dictionary.  No suggestions could be found.";
}

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

inline constexpr const char* kCannotFindThesaurus = "Could not find the Thesaurus file.";
inline constexpr const char* kWordNotInThesaurus =
    "Word not found in Thesaurus.  Click on \"suggest\" for possible substitute words.";

inline std::string noThesaurusSuggestions(std::string_view word)
{
    return "No suggestions found for the word " + std::string(word) + ".";
}

}  // namespace qm
