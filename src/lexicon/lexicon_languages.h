// The spelling languages and the thesauri the program offers: their numbers in the settings, the
// names the user sees, and the files that stand behind each.
#pragma once

#include <array>
#include <string_view>

namespace qm {

inline constexpr int kSpellingLanguageCount = 8;
inline constexpr int kThesaurusCount = 2;
// The Dictionary and Thesaurus values that ask for the language each time.
inline constexpr int kChooseDictionaryAtCheckTime = 9;
inline constexpr int kChooseThesaurusAtUseTime = 3;

struct SpellingLanguage {
    int value;                     // the Dictionary setting: 1 American .. 8 Swedish
    std::string_view name;         // in messages: "American"
    std::string_view commandName;  // on the command line: "american"
    std::string_view dictionary;   // the .aff and .dic pair: "en_US"
    std::string_view includeList;  // the personal lists in the program directory
    std::string_view excludeList;
};

inline constexpr std::array<SpellingLanguage, kSpellingLanguageCount> kSpellingLanguages{{
    {1, "American", "american", "en_US", "IncEngl.tlx", "ExcEngl.tlx"},
    {2, "British", "british", "en_GB", "IncBrit.tlx", "ExcBrit.tlx"},
    {3, "Spanish", "spanish", "es_ES", "IncSpan.tlx", "ExcSpan.tlx"},
    {4, "Italian", "italian", "it_IT", "IncItal.tlx", "ExcItal.tlx"},
    {5, "French", "french", "fr", "IncFrnch.tlx", "ExcFrnch.tlx"},
    {6, "German", "german", "de_DE", "IncGerm.tlx", "ExcGerm.tlx"},
    {7, "Dutch", "dutch", "nl", "IncDutch.tlx", "ExcDutch.tlx"},
    {8, "Swedish", "swedish", "sv_SE", "IncSwed.tlx", "ExcSwed.tlx"},
}};

struct ThesaurusLanguage {
    int value;  // the Thesaurus setting: 1 American, 2 British
    std::string_view name;
    std::string_view commandName;
    std::string_view thesaurus;  // the .idx and .dat pair: "th_en_US_v2"
    int spellingLanguage;        // whose dictionary suggests spellings for unknown words
};

// No British English thesaurus is packaged; the Australian one shares its spelling.
inline constexpr std::array<ThesaurusLanguage, kThesaurusCount> kThesauri{{
    {1, "American", "american", "th_en_US_v2", 1},
    {2, "British", "british", "th_en_AU_v2", 2},
}};

// The language of a Dictionary value 1..8, or null.
const SpellingLanguage* spellingLanguage(int value);
const ThesaurusLanguage* thesaurusLanguage(int value);
// By the name used on the command line, in any letter case; null when there is none.
const SpellingLanguage* spellingLanguageNamed(std::string_view commandName);
const ThesaurusLanguage* thesaurusNamed(std::string_view commandName);

}  // namespace qm
