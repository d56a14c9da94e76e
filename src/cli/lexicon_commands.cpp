#include "cli/lexicon_commands.h"

#include <iostream>
#include <map>
#include <memory>

#include "cli/cli_support.h"
#include "common/cp1252.h"
#include "lexicon/installed_lexicons.h"
#include "lexicon/lexicon_messages.h"
#include "lexicon/personal_word_list.h"
#include "lexicon/spell_checker.h"
#include "lexicon/thesaurus_lookup.h"

namespace qm::cli {
namespace {

struct LexiconArgs {
    int language = 1;  // a Dictionary or Thesaurus value
    std::string directory;
    std::vector<std::string> words;  // as typed, UTF-8

    // The program directory holds the personal lists and the user's own dictionaries.
    std::filesystem::path programFolder() const
    {
        return directory.empty() ? programDirectory() : std::filesystem::path(directory);
    }
};

Json recordTexts(const std::vector<std::string>& texts)
{
    Json list = Json::array();
    for (const std::string& text : texts) list.push_back(recordText(text));
    return list;
}

void spell(const LexiconArgs& args)
{
    InstalledLexicons lexicons(LexiconPlaces::standard(args.programFolder()));
    SpellingEngine* dictionary = lexicons.spelling(args.language);
    if (!dictionary) refuse(LexiconMessages::CannotFindDictionaryFiles.message);
    const SpellChecker checker(*dictionary,
                               readPersonalWords(PersonalListFiles::of(args.programFolder(), args.language)));
    Json words = Json::array();
    for (const std::string& typed : args.words) {
        const std::string word = utf8ToCp1252(typed);
        const bool found = checker.check(word);
        words.push_back({{"word", typed},
                         {"found", found},
                         {"suggestions", found ? Json::array() : recordTexts(checker.suggest(word))}});
    }
    printJson(Json{{"words", words}});
}

void lookUp(const LexiconArgs& args)
{
    InstalledLexicons lexicons(LexiconPlaces::standard(args.programFolder()));
    ThesaurusEngine* thesaurus = lexicons.thesaurus(args.language);
    if (!thesaurus) refuse(LexiconMessages::CannotFindThesaurus.message);
    const ThesaurusLookup lookup = lookUpWord(*thesaurus, utf8ToCp1252(args.words.front()));
    Json synonyms = Json::object();
    for (const auto* shownList : {&lookup.categories, &lookup.antonyms})
        for (const std::string& shown : *shownList)
            synonyms[cp1252ToUtf8(shown)] = recordTexts(synonymsOfShown(*thesaurus, shown));
    printJson(Json{{"categories", recordTexts(lookup.categories)},
                   {"antonyms", recordTexts(lookup.antonyms)},
                   {"synonyms", synonyms}});
    if (!lookup.found) refuse(LexiconMessages::WordNotInThesaurus.message);
}

// Adds the words to one personal list, or lists both; either way prints both lists as they stand.
void maintain(const LexiconArgs& args, std::optional<PersonalList> list)
{
    const PersonalListFiles files = PersonalListFiles::of(args.programFolder(), args.language);
    if (list)
        for (const std::string& word : args.words) check(addToPersonalList(files.path(*list), utf8ToCp1252(word)));
    Json lists = Json::object();
    for (const auto& [name, which] :
         {std::pair{"include", PersonalList::Include}, {"exclude", PersonalList::Exclude}}) {
        auto words = readPersonalList(files.path(which));
        if (!words) failIo(words.failure());
        lists[name] = recordTexts(*words);
    }
    printJson(lists);
}

template <typename Languages>
std::map<std::string, int> languageNames(const Languages& languages)
{
    std::map<std::string, int> names;
    for (const auto& language : languages) names.emplace(language.commandName, language.value);
    return names;
}

void addLanguageOption(CLI::App& command, LexiconArgs& args)
{
    command
        .add_option("--language", args.language,
                    "american, british, spanish, italian, french, german, dutch or swedish")
        ->transform(CLI::CheckedTransformer(languageNames(kSpellingLanguages), CLI::ignore_case))
        ->required();
}

void addDirectoryOption(CLI::App& command, LexiconArgs& args)
{
    command.add_option("--directory", args.directory,
                       "Folder of the personal lists and of your own dictionaries (default: the program's)");
}

}  // namespace

void addLexiconCommands(CLI::App& app)
{
    auto spellArgs = std::make_shared<LexiconArgs>();
    auto* spellCommand = app.add_subcommand("spell", "Check words in a dictionary and the personal lists");
    addLanguageOption(*spellCommand, *spellArgs);
    addDirectoryOption(*spellCommand, *spellArgs);
    spellCommand->add_option("WORD", spellArgs->words, "Words to check")->required();
    spellCommand->callback([spellArgs] { spell(*spellArgs); });

    auto thesaurusArgs = std::make_shared<LexiconArgs>();
    auto* thesaurusCommand = app.add_subcommand("thesaurus", "Look a word up in a thesaurus");
    thesaurusCommand->add_option("--thesaurus", thesaurusArgs->language, "american or british")
        ->transform(CLI::CheckedTransformer(languageNames(kThesauri), CLI::ignore_case))
        ->required();
    addDirectoryOption(*thesaurusCommand, *thesaurusArgs);
    thesaurusCommand->add_option("WORD", thesaurusArgs->words, "Word to look up")->required()->expected(1);
    thesaurusCommand->callback([thesaurusArgs] { lookUp(*thesaurusArgs); });

    auto* dictionary = app.add_subcommand("dictionary", "The personal include and exclude lists");
    dictionary->require_subcommand(1);
    struct ListCommand {
        const char* name;
        const char* description;
        std::optional<PersonalList> list;
    };
    const ListCommand listCommands[] = {{"add", "Count words as correct", PersonalList::Include},
                                        {"exclude", "Count words as misspelt", PersonalList::Exclude},
                                        {"list", "Print both lists", std::nullopt}};
    for (const ListCommand& listCommand : listCommands) {
        auto args = std::make_shared<LexiconArgs>();
        auto* command = dictionary->add_subcommand(listCommand.name, listCommand.description);
        addLanguageOption(*command, *args);
        addDirectoryOption(*command, *args);
        auto* words = command->add_option("WORD", args->words, "Words to add");
        if (listCommand.list) words->required();
        command->callback([args, list = listCommand.list] { maintain(*args, list); });
    }
}

}  // namespace qm::cli
