#include "lexicon/spell_checker.h"

#include <algorithm>

#include "generate/letter_case.h"
#include "lexicon/spelling_engine.h"

namespace qm {
namespace {

// Letters and digits of Windows-1252: what a word is made of, apart from marks inside it.
bool isWordCharacter(unsigned char byte)
{
    if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z')) return true;
    switch (byte) {
    case 0x83:
    case 0x8A:
    case 0x8C:
    case 0x8E:
    case 0x9A:
    case 0x9C:
    case 0x9E:
    case 0x9F:
    case 0xAA:
    case 0xB5:
    case 0xBA:
        return true;
    default:
        return byte >= 0xC0 && byte != 0xD7 && byte != 0xF7;
    }
}

// The word without the marks before and after it.
struct WordParts {
    std::string_view before;
    std::string_view core;
    std::string_view after;
};

WordParts partsOf(std::string_view word)
{
    std::size_t first = 0;
    while (first < word.size() && !isWordCharacter(static_cast<unsigned char>(word[first]))) ++first;
    std::size_t end = word.size();
    while (end > first && !isWordCharacter(static_cast<unsigned char>(word[end - 1]))) --end;
    return {word.substr(0, first), word.substr(first, end - first), word.substr(end)};
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return UpCaseLetter(static_cast<std::uint8_t>(x)) == UpCaseLetter(static_cast<std::uint8_t>(y));
    });
}

}  // namespace

SpellChecker::SpellChecker(SpellingEngine& dictionary, PersonalWords personal)
    : m_dictionary(dictionary),
      m_personal(std::move(personal))
{
}

bool SpellChecker::listed(const std::vector<std::string>& list, std::string_view word) const
{
    return std::any_of(list.begin(), list.end(),
                       [&](const std::string& entry) { return equalIgnoringCase(entry, word); });
}

bool SpellChecker::check(std::string_view word) const
{
    const std::string_view core = partsOf(word).core;
    if (core.empty()) return true;
    if (listed(m_personal.exclude, core)) return false;
    if (listed(m_personal.include, core)) return true;
    return m_dictionary.check(core);
}

std::vector<std::string> SpellChecker::suggest(std::string_view word) const
{
    const WordParts parts = partsOf(word);
    std::vector<std::string> suggestions;
    if (parts.core.empty()) return suggestions;
    for (const std::string& suggestion : m_dictionary.suggest(parts.core))
        if (!listed(m_personal.exclude, suggestion))
            suggestions.push_back(std::string(parts.before) + suggestion + std::string(parts.after));
    return suggestions;
}

}  // namespace qm
