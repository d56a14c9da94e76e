#include "lexicon/lexicon_settling.h"

#include <algorithm>

#include "lexicon/lexicon_engines.h"

namespace qm {

SettledLexicon settleLexicon(const LexiconEngines& engines, LexiconSettings& settings)
{
    SettledLexicon settled;
    for (const SpellingLanguage& language : kSpellingLanguages)
        settled.dictionaries[static_cast<std::size_t>(language.value - 1)] = engines.hasSpelling(language.value);
    for (const ThesaurusLanguage& thesaurus : kThesauri)
        settled.thesauri[static_cast<std::size_t>(thesaurus.value - 1)] = engines.hasThesaurus(thesaurus.value);

    int& dictionary = settings.Dictionary;
    if (dictionary != 0 && dictionary != kChooseDictionaryAtCheckTime && !engines.hasSpelling(dictionary))
        dictionary = 1;
    if (dictionary == 1 && !engines.hasSpelling(1)) dictionary = 0;
    settled.personalLists = spellingLanguage(dictionary) ? dictionary : 1;

    int& thesaurus = settings.Thesaurus;
    if (thesaurus != 0 && thesaurus != kChooseThesaurusAtUseTime && !engines.hasThesaurus(thesaurus)) thesaurus = 1;
    if (thesaurus == 1 && !engines.hasThesaurus(1)) thesaurus = 0;
    return settled;
}

bool spellCheckAvailable(const LexiconEngines& engines, const LexiconSettings& settings)
{
    if (settings.Dictionary != kChooseDictionaryAtCheckTime)
        return spellingLanguage(settings.Dictionary) && engines.hasSpelling(settings.Dictionary);
    return std::any_of(kSpellingLanguages.begin(), kSpellingLanguages.end(),
                       [&](const SpellingLanguage& language) { return engines.hasSpelling(language.value); });
}

bool thesaurusAvailable(const LexiconEngines& engines, const LexiconSettings& settings)
{
    if (settings.Thesaurus != kChooseThesaurusAtUseTime)
        return thesaurusLanguage(settings.Thesaurus) && engines.hasThesaurus(settings.Thesaurus);
    return std::any_of(kThesauri.begin(), kThesauri.end(),
                       [&](const ThesaurusLanguage& thesaurus) { return engines.hasThesaurus(thesaurus.value); });
}

}  // namespace qm
