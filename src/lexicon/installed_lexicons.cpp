#include "lexicon/installed_lexicons.h"

#include <string>
#include <system_error>

#include "lexicon/hunspell_engine.h"
#include "lexicon/mythes_engine.h"

namespace qm {
namespace {

bool isFile(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

LexiconPlaces LexiconPlaces::standard(const std::filesystem::path& programDirectory)
{
    return {programDirectory, {programDirectory, "/usr/share/hunspell"}, {programDirectory, "/usr/share/mythes"}};
}

InstalledLexicons::InstalledLexicons(LexiconPlaces places) : m_places(std::move(places)) {}

InstalledLexicons::~InstalledLexicons() = default;

std::optional<InstalledLexicons::FilePair> InstalledLexicons::find(const std::vector<std::filesystem::path>& folders,
                                                                   std::string_view name,
                                                                   std::string_view firstExtension,
                                                                   std::string_view secondExtension) const
{
    for (const std::filesystem::path& folder : folders) {
        FilePair pair{folder / (std::string(name) + std::string(firstExtension)),
                      folder / (std::string(name) + std::string(secondExtension))};
        if (isFile(pair.first) && isFile(pair.second)) return pair;
    }
    return std::nullopt;
}

std::optional<InstalledLexicons::FilePair> InstalledLexicons::spellingFiles(int language) const
{
    const SpellingLanguage* entry = spellingLanguage(language);
    return entry ? find(m_places.spellingFolders, entry->dictionary, ".aff", ".dic") : std::nullopt;
}

std::optional<InstalledLexicons::FilePair> InstalledLexicons::thesaurusFiles(int thesaurus) const
{
    const ThesaurusLanguage* entry = thesaurusLanguage(thesaurus);
    return entry ? find(m_places.thesaurusFolders, entry->thesaurus, ".idx", ".dat") : std::nullopt;
}

bool InstalledLexicons::hasSpelling(int language) const { return spellingFiles(language).has_value(); }

bool InstalledLexicons::hasThesaurus(int thesaurus) const { return thesaurusFiles(thesaurus).has_value(); }

SpellingEngine* InstalledLexicons::spelling(int language)
{
    const auto files = spellingFiles(language);
    if (!files) return nullptr;
    std::unique_ptr<SpellingEngine>& engine = m_spelling[static_cast<std::size_t>(language - 1)];
    if (!engine) engine = std::make_unique<HunspellEngine>(files->first, files->second);
    return engine.get();
}

ThesaurusEngine* InstalledLexicons::thesaurus(int thesaurus)
{
    const auto files = thesaurusFiles(thesaurus);
    if (!files) return nullptr;
    std::unique_ptr<ThesaurusEngine>& engine = m_thesauri[static_cast<std::size_t>(thesaurus - 1)];
    if (!engine)
        engine = std::make_unique<MythesEngine>(files->first, files->second,
                                                spelling(thesaurusLanguage(thesaurus)->spellingLanguage));
    return engine.get();
}

}  // namespace qm
