// The real engines, Hunspell and MyThes, on the dictionaries and thesauri the program installs.
#include "lexicon/installed_lexicons.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "lexicon/lexicon_settling.h"
#include "lexicon/spell_checker.h"
#include "lexicon/spelling_engine.h"
#include "lexicon/thesaurus_engine.h"
#include "lexicon/thesaurus_lookup.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::TempDir;
using test::writeFile;
using Words = std::vector<std::string>;

bool contains(const Words& words, const std::string& word)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

class InstalledLexiconsTest : public ::testing::Test {
protected:
    TempDir programDirectory;
    InstalledLexicons installed{LexiconPlaces::standard(programDirectory.path())};
};

TEST_F(InstalledLexiconsTest, EveryLanguageAndBothThesauriAreInstalled)
{
    LexiconSettings settings;
    settings.Dictionary = 8;
    settings.Thesaurus = 2;
    const SettledLexicon settled = settleLexicon(installed, settings);
    EXPECT_EQ(settled.dictionaries, (std::array<bool, 8>{true, true, true, true, true, true, true, true}));
    EXPECT_EQ(settled.thesauri, (std::array<bool, 2>{true, true}));
    EXPECT_EQ(settings.Dictionary, 8);
    EXPECT_EQ(settings.Thesaurus, 2);
}

TEST_F(InstalledLexiconsTest, AMisspeltWordGetsTheRightSpellingAmongTheFirstSuggestions)
{
    SpellingEngine& american = *installed.spelling(1);
    EXPECT_FALSE(american.check("recieve"));
    EXPECT_TRUE(american.check("receive"));
    const Words suggestions = american.suggest("recieve");
    ASSERT_FALSE(suggestions.empty());
    EXPECT_TRUE(contains(Words(suggestions.begin(), suggestions.begin() + std::min<std::size_t>(3, suggestions.size())),
                         "receive"));
    // Puzzle words are often written in capitals.
    EXPECT_TRUE(american.check("RECEIVE"));
    EXPECT_EQ(installed.spelling(1), &american);
}

TEST_F(InstalledLexiconsTest, WindowsTextChecksAgainstUtf8Dictionaries)
{
    const struct {
        int language;
        const char* cp1252;
    } cases[] = {
        {5, "caf\xE9"},
        {6, "Stra\xDF"
            "e"},
        {3, "ma\xF1"
            "ana"},
        {8, "sm\xF6rg\xE5sbord"},
        {4, "citt\xE0"},
        {7, "co\xF6"
            "rdinatie"},
        {2, "colour"},
    };
    for (const auto& c : cases) {
        SpellingEngine* dictionary = installed.spelling(c.language);
        ASSERT_NE(dictionary, nullptr) << c.language;
        EXPECT_TRUE(dictionary->check(c.cp1252)) << c.language;
    }
}

TEST_F(InstalledLexiconsTest, SuggestionsComeBackInWindowsText)
{
    const Words suggestions = installed.spelling(5)->suggest("cafe");
    EXPECT_TRUE(contains(suggestions, "caf\xE9")) << testing::PrintToString(suggestions);
}

TEST_F(InstalledLexiconsTest, PersonalListsOverrideTheDictionary)
{
    const PersonalListFiles files = PersonalListFiles::of(programDirectory.path(), 1);
    writeFile(files.include, "quillmaze\n");
    writeFile(files.exclude, "colour\n");
    SpellingEngine& american = *installed.spelling(1);
    EXPECT_FALSE(american.check("quillmaze"));
    EXPECT_TRUE(american.check("color"));
    const SpellChecker checker(american, readPersonalWords(files));
    EXPECT_TRUE(checker.check("Quillmaze"));
    EXPECT_FALSE(checker.check("colour"));
    EXPECT_TRUE(checker.check("color"));
}

TEST_F(InstalledLexiconsTest, ADictionaryInTheProgramDirectoryComesFirst)
{
    writeFile(programDirectory / "en_US.aff", "SET UTF-8\n");
    writeFile(programDirectory / "en_US.dic", "1\nquillmazer\n");
    SpellingEngine& american = *installed.spelling(1);
    EXPECT_TRUE(american.check("quillmazer"));
    EXPECT_FALSE(american.check("house"));
}

TEST_F(InstalledLexiconsTest, ALanguageWithoutItsFilesIsNotInstalled)
{
    writeFile(programDirectory / "sv_SE.aff", "SET UTF-8\n");  // the .dic is missing
    InstalledLexicons bare({programDirectory.path(), {programDirectory.path()}, {programDirectory.path()}});
    EXPECT_FALSE(bare.hasSpelling(8));
    EXPECT_EQ(bare.spelling(8), nullptr);
    EXPECT_FALSE(bare.hasThesaurus(1));
    EXPECT_EQ(bare.thesaurus(1), nullptr);
    EXPECT_EQ(bare.spelling(0), nullptr);
    EXPECT_EQ(bare.thesaurus(3), nullptr);
    LexiconSettings settings;
    settings.Dictionary = 8;
    settleLexicon(bare, settings);
    EXPECT_EQ(settings.Dictionary, 0);
    EXPECT_EQ(settings.Thesaurus, 0);
}

TEST_F(InstalledLexiconsTest, BigHasAdjectiveCategoriesAndAntonyms)
{
    ThesaurusEngine& american = *installed.thesaurus(1);
    const ThesaurusLookup lookup = lookUpWord(american, "BIG");
    ASSERT_TRUE(lookup.found);
    EXPECT_EQ(lookup.categories.front(), "large (adjective)");
    EXPECT_FALSE(contains(Words(lookup.categories.begin() + 1, lookup.categories.end()), "large (adjective)"));
    EXPECT_TRUE(contains(lookup.antonyms, "small (adjective)")) << testing::PrintToString(lookup.antonyms);
    const Words synonyms = synonymsOfShown(american, "large (adjective)");
    EXPECT_EQ(synonyms.front(), "large");
    EXPECT_TRUE(contains(synonyms, "huge"));
    EXPECT_FALSE(contains(synonyms, "small"));
    EXPECT_TRUE(contains(synonymsOfShown(american, "small (adjective)"), "little"));
}

TEST_F(InstalledLexiconsTest, TheBritishThesaurusKnowsBritishSpelling)
{
    ThesaurusEngine& british = *installed.thesaurus(2);
    EXPECT_TRUE(lookUpWord(british, "colour").found);
    EXPECT_FALSE(lookUpWord(british, "bgi").found);
    EXPECT_TRUE(contains(british.suggestions("bgi"), "big"));
}

}  // namespace
}  // namespace qm
