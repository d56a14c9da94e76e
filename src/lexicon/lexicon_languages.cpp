#include "lexicon/lexicon_languages.h"

#include "common/text_rules.h"

namespace qm {
namespace {

template <typename Table>
const typename Table::value_type* byValue(const Table& table, int value)
{
    for (const auto& entry : table)
        if (entry.value == value) return &entry;
    return nullptr;
}

template <typename Table>
const typename Table::value_type* byCommandName(const Table& table, std::string_view name)
{
    for (const auto& entry : table)
        if (equalsIgnoringCase(entry.commandName, name)) return &entry;
    return nullptr;
}

}  // namespace

const SpellingLanguage* spellingLanguage(int value) { return byValue(kSpellingLanguages, value); }
const ThesaurusLanguage* thesaurusLanguage(int value) { return byValue(kThesauri, value); }
const SpellingLanguage* spellingLanguageNamed(std::string_view name) { return byCommandName(kSpellingLanguages, name); }
const ThesaurusLanguage* thesaurusNamed(std::string_view name) { return byCommandName(kThesauri, name); }

}  // namespace qm
