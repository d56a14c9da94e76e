// The dictionaries and thesauri on this machine: a pair of files is looked for in the program
// directory first (where a user may drop a dictionary of their own), then in the system's folders.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "lexicon/lexicon_engines.h"
#include "lexicon/lexicon_languages.h"

namespace qm {

struct LexiconPlaces {
    std::filesystem::path programDirectory;
    std::vector<std::filesystem::path> spellingFolders;
    std::vector<std::filesystem::path> thesaurusFolders;

    // The program directory, then /usr/share/hunspell and /usr/share/mythes.
    static LexiconPlaces standard(const std::filesystem::path& programDirectory);
};

class InstalledLexicons final : public LexiconEngines {
public:
    explicit InstalledLexicons(LexiconPlaces places);
    ~InstalledLexicons() override;

    bool hasSpelling(int language) const override;
    bool hasThesaurus(int thesaurus) const override;
    SpellingEngine* spelling(int language) override;
    ThesaurusEngine* thesaurus(int thesaurus) override;

private:
    struct FilePair {
        std::filesystem::path first;
        std::filesystem::path second;
    };
    // The first folder that holds both files name.firstExtension and name.secondExtension.
    std::optional<FilePair> find(const std::vector<std::filesystem::path>& folders, std::string_view name,
                                 std::string_view firstExtension, std::string_view secondExtension) const;
    std::optional<FilePair> spellingFiles(int language) const;
    std::optional<FilePair> thesaurusFiles(int thesaurus) const;

    LexiconPlaces m_places;
    std::array<std::unique_ptr<SpellingEngine>, kSpellingLanguageCount> m_spelling;
    std::array<std::unique_ptr<ThesaurusEngine>, kThesaurusCount> m_thesauri;
};

}  // namespace qm
