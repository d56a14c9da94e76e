// spell, thesaurus and dictionary of the command-line tool, on the installed dictionaries.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::readFile;
using test::runCommand;
using test::TempDir;

class LexiconCommandsTest : public ::testing::Test {
protected:
    // The personal lists live in a folder of the test's own, never beside the tool.
    test::CommandOutput run(const std::string& arguments)
    {
        return runCommand(std::string("'") + QM_CLI + "' " + arguments + " --directory '" + dir.path().string() + "'");
    }

    TempDir dir;
};

TEST_F(LexiconCommandsTest, SpellFindsWordsAndSuggestsForTheOthers)
{
    const auto result = run("spell --language american house recieve");
    ASSERT_EQ(result.status, 0) << result.err;
    const json words = json::parse(result.out)["words"];
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0], json({{"word", "house"}, {"found", true}, {"suggestions", json::array()}}));
    EXPECT_EQ(words[1]["found"], false);
    EXPECT_NE(std::find(words[1]["suggestions"].begin(), words[1]["suggestions"].end(), "receive"),
              words[1]["suggestions"].end());
}

TEST_F(LexiconCommandsTest, SpellTakesAccentedLettersInEachLanguage)
{
    for (const auto& [language, word] : {std::pair{"french", "café"}, {"german", "Straße"}, {"swedish", "är"}}) {
        const auto result = run(std::string("spell --language ") + language + " " + word);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(json::parse(result.out)["words"][0]["found"], true) << word;
    }
}

TEST_F(LexiconCommandsTest, ThePersonalListsDecideBeforeTheDictionary)
{
    ASSERT_EQ(run("dictionary add --language british Quillmaze").status, 0);
    const auto excluded = run("dictionary exclude --language british house");
    ASSERT_EQ(excluded.status, 0) << excluded.err;
    EXPECT_EQ(json::parse(excluded.out), json({{"include", {"Quillmaze"}}, {"exclude", {"house"}}}));
    EXPECT_EQ(readFile(dir / "IncBrit.tlx"), "Quillmaze\n");

    const json words = json::parse(run("spell --language british Quillmaze house").out)["words"];
    EXPECT_EQ(words[0]["found"], true);
    EXPECT_EQ(words[1]["found"], false);
    // Another language keeps lists of its own.
    EXPECT_EQ(json::parse(run("dictionary list --language american").out),
              json({{"include", json::array()}, {"exclude", json::array()}}));
}

TEST_F(LexiconCommandsTest, ThesaurusListsShownCategoriesAntonymsAndSynonyms)
{
    const auto result = run("thesaurus --thesaurus american big");
    ASSERT_EQ(result.status, 0) << result.err;
    const json lookup = json::parse(result.out);
    ASSERT_FALSE(lookup["categories"].empty());
    ASSERT_FALSE(lookup["antonyms"].empty());
    const std::string first = lookup["categories"][0];
    EXPECT_NE(first.find(" (adjective)"), std::string::npos) << first;
    EXPECT_FALSE(lookup["synonyms"][first].empty());
    EXPECT_TRUE(lookup["synonyms"].contains(lookup["antonyms"][0].get<std::string>()));
}

TEST_F(LexiconCommandsTest, AnUnknownWordGivesEmptyListsAndTheWarning)
{
    const auto result = run("thesaurus --thesaurus british qzxvwk");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(json::parse(result.out),
              json({{"categories", json::array()}, {"antonyms", json::array()}, {"synonyms", json::object()}}));
    EXPECT_NE(result.err.find("Word not found in Thesaurus."), std::string::npos) << result.err;
}

TEST_F(LexiconCommandsTest, AnUnknownLanguageIsRefused)
{
    EXPECT_EQ(run("spell --language klingon word").status, 1);
    EXPECT_EQ(run("thesaurus --thesaurus spanish word").status, 1);
}

}  // namespace
}  // namespace qm
