#include "lexicon/mythes_engine.h"

#include <algorithm>
#include <cstdio>  // before mythes.hxx, which uses FILE

#include <mythes.hxx>

#include "lexicon/spelling_engine.h"

namespace qm {
namespace {

// The index holds its words in lower case.
std::string lowerCase(std::string_view cp1252)
{
    std::string lower(cp1252);
    for (char& c : lower) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
            c = static_cast<char>(byte + 0x20);
    }
    return lower;
}

// The part of speech of MyThes's definition "(adj) large": the text up to the first blank.
std::string_view partOfSpeechOf(std::string_view definition) { return definition.substr(0, definition.find(' ')); }

}  // namespace

MythesEngine::MythesEngine(const std::filesystem::path& indexFile, const std::filesystem::path& dataFile,
                           SpellingEngine* speller)
    : m_thesaurus(std::make_unique<MyThes>(indexFile.c_str(), dataFile.c_str())),
      m_encoding(m_thesaurus->get_th_encoding() ? m_thesaurus->get_th_encoding() : ""),
      m_speller(speller)
{
}

MythesEngine::~MythesEngine() = default;

std::vector<ThesaurusMeaning> MythesEngine::meanings(std::string_view word)
{
    const std::string query = m_encoding.fromRecordText(lowerCase(word));
    mentry* entries = nullptr;
    const int count = m_thesaurus->Lookup(query.c_str(), static_cast<int>(query.size()), &entries);
    std::vector<ThesaurusMeaning> meanings;
    for (int i = 0; i < count; ++i) {
        const mentry& entry = entries[i];
        std::vector<std::string> terms;
        for (int k = 0; k < entry.count; ++k)
            if (auto term = m_encoding.toRecordText(entry.psyns[k] ? entry.psyns[k] : "")) terms.push_back(*term);
        meanings.push_back(parseMeaning(partOfSpeechOf(entry.defn ? entry.defn : ""), terms));
    }
    if (count > 0) m_thesaurus->CleanUpAfterLookup(&entries, count);
    return meanings;
}

std::vector<std::string> MythesEngine::categories(std::string_view word)
{
    m_lastCategories = categoriesOf(meanings(word));
    std::vector<std::string> names;
    for (const MeaningCategory& category : m_lastCategories) names.push_back(category.name);
    return names;
}

MeaningCategory MythesEngine::category(std::string_view name)
{
    for (const MeaningCategory& category : m_lastCategories)
        if (category.name == name) return category;
    return wholeCategory(name, meanings(splitCategoryName(name).term));
}

std::vector<std::string> MythesEngine::antonymCategories(std::string_view name)
{
    return category(name).antonymCategories;
}

std::vector<std::string> MythesEngine::synonyms(std::string_view name) { return category(name).synonyms; }

std::vector<std::string> MythesEngine::suggestions(std::string_view word)
{
    std::vector<std::string> known;
    if (!m_speller) return known;
    for (std::string& suggestion : m_speller->suggest(word)) {
        // Only words that can be looked up here help.
        if (meanings(suggestion).empty()) continue;
        if (std::find(known.begin(), known.end(), suggestion) == known.end()) known.push_back(std::move(suggestion));
    }
    return known;
}

}  // namespace qm
