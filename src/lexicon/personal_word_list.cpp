#include "lexicon/personal_word_list.h"

#include <algorithm>
#include <system_error>

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"
#include "lexicon/lexicon_languages.h"

namespace qm {

PersonalListFiles PersonalListFiles::of(const std::filesystem::path& programDirectory, int language)
{
    const SpellingLanguage* entry = spellingLanguage(language);
    if (!entry) entry = &kSpellingLanguages.front();
    return {entry->value, programDirectory / entry->includeList, programDirectory / entry->excludeList};
}

Result<std::vector<std::string>> readPersonalList(const std::filesystem::path& path)
{
    std::vector<std::string> words;
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) return words;
    const Result<std::string> contents = readWholeFile(path);
    if (!contents) return contents.failure();
    const std::string text = textFileToCp1252(*contents);
    for (std::string_view line : textLines(text))
        if (const std::string_view word = trimmed(line); !word.empty()) words.emplace_back(word);
    return words;
}

Status writePersonalList(const std::filesystem::path& path, const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words) text += cp1252ToUtf8(word) + "\n";
    return writeFileAtomically(path, text);
}

PersonalWords readPersonalWords(const PersonalListFiles& files)
{
    auto words = [](const std::filesystem::path& path) {
        Result<std::vector<std::string>> list = readPersonalList(path);
        return list ? std::move(*list) : std::vector<std::string>{};
    };
    return {words(files.include), words(files.exclude)};
}

Status addToPersonalList(const std::filesystem::path& path, const std::string& word)
{
    Result<std::vector<std::string>> words = readPersonalList(path);
    if (!words) return words.failure();
    if (std::find(words->begin(), words->end(), word) != words->end()) return {};
    words->push_back(word);
    return writePersonalList(path, *words);
}

}  // namespace qm
