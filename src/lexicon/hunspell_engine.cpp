#include "lexicon/hunspell_engine.h"

#include <hunspell.hxx>

namespace qm {

HunspellEngine::HunspellEngine(const std::filesystem::path& affixFile, const std::filesystem::path& dictionaryFile)
    : m_hunspell(std::make_unique<Hunspell>(affixFile.c_str(), dictionaryFile.c_str())),
      m_encoding(m_hunspell->get_dic_encoding())
{
}

HunspellEngine::~HunspellEngine() = default;

bool HunspellEngine::check(std::string_view word) { return m_hunspell->spell(m_encoding.fromRecordText(word)); }

std::vector<std::string> HunspellEngine::suggest(std::string_view word)
{
    std::vector<std::string> suggestions;
    for (const std::string& suggestion : m_hunspell->suggest(m_encoding.fromRecordText(word)))
        if (auto text = m_encoding.toRecordText(suggestion)) suggestions.push_back(std::move(*text));
    return suggestions;
}

}  // namespace qm
