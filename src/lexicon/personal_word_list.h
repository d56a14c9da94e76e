// The user's personal word lists in the program directory (IncEngl.tlx, ExcEngl.tlx, ...): plain
// text, one word a line, which a user can read and edit. Words are Windows-1252 in memory; the
// files are written in UTF-8 and read in UTF-8 or Windows-1252.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/result.h"

namespace qm {

enum class PersonalList { Include, Exclude };

// Where the lists of one language lie.
struct PersonalListFiles {
    int language = 1;  // the Dictionary value 1..8 whose lists these are
    std::filesystem::path include;
    std::filesystem::path exclude;

    static PersonalListFiles of(const std::filesystem::path& programDirectory, int language);
    const std::filesystem::path& path(PersonalList list) const
    {
        return list == PersonalList::Include ? include : exclude;
    }
};

// The words of the list, trimmed, blank lines left out; a list whose file does not exist is empty.
Result<std::vector<std::string>> readPersonalList(const std::filesystem::path& path);
// Replaces the file whole with the words in order; no words leaves an empty file.
Status writePersonalList(const std::filesystem::path& path, const std::vector<std::string>& words);
struct PersonalWords {
    std::vector<std::string> include;
    std::vector<std::string> exclude;
};
// Both lists of a language; a list that cannot be read counts as empty, so a check still runs.
PersonalWords readPersonalWords(const PersonalListFiles& files);

// Adds the word at the end, creating the file when it does not exist; a word the list holds
// already is not added again.
Status addToPersonalList(const std::filesystem::path& path, const std::string& word);

}  // namespace qm
