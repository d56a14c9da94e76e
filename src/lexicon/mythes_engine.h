// A thesaurus read by MyThes from an .idx and .dat pair, with the spelling dictionary of its
// language to suggest words for unknown ones.
#pragma once

#include <filesystem>
#include <memory>

#include "lexicon/dictionary_encoding.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/thesaurus_meanings.h"

class MyThes;

namespace qm {

class SpellingEngine;

class MythesEngine final : public ThesaurusEngine {
public:
    // speller may be null: then there are no suggestions. It must outlive the engine.
    MythesEngine(const std::filesystem::path& indexFile, const std::filesystem::path& dataFile,
                 SpellingEngine* speller);
    ~MythesEngine() override;

    std::vector<std::string> categories(std::string_view word) override;
    std::vector<std::string> antonymCategories(std::string_view category) override;
    std::vector<std::string> synonyms(std::string_view category) override;
    std::vector<std::string> suggestions(std::string_view word) override;

private:
    std::vector<ThesaurusMeaning> meanings(std::string_view word);
    // A category of the last word asked about, else the whole category of its term.
    MeaningCategory category(std::string_view name);

    std::unique_ptr<MyThes> m_thesaurus;
    DictionaryEncoding m_encoding;
    SpellingEngine* m_speller;
    std::vector<MeaningCategory> m_lastCategories;
};

}  // namespace qm
