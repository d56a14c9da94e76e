// A spelling dictionary read by Hunspell from an .aff and .dic pair.
#pragma once

#include <filesystem>
#include <memory>

#include "lexicon/dictionary_encoding.h"
#include "lexicon/spelling_engine.h"

class Hunspell;

namespace qm {

class HunspellEngine final : public SpellingEngine {
public:
    HunspellEngine(const std::filesystem::path& affixFile, const std::filesystem::path& dictionaryFile);
    ~HunspellEngine() override;

    bool check(std::string_view word) override;
    std::vector<std::string> suggest(std::string_view word) override;

private:
    std::unique_ptr<Hunspell> m_hunspell;
    DictionaryEncoding m_encoding;
};

}  // namespace qm
