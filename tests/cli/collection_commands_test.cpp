#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/cli_command.h"
#include "support/record_images.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::cli;
using test::puzzleImage;
using test::runCommand;
using test::shellQuoted;
using test::TempDir;
using test::writeFile;

class CollectionCommandsTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path file = dir / "School Puzzles.QZ3";
};

TEST_F(CollectionCommandsTest, ListPrintsCategoriesAndPuzzlesInFileOrder)
{
    writeFile(file, puzzleImage("Zoo", "Lions").str() + puzzleImage("Caf\xE9", "Cr\xE8me").str() +
                        puzzleImage("Zoo", "Bears").str());
    const auto result = runCommand(cli("list " + shellQuoted(file)));
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["categories"], json({"Zoo", "Caf\u00E9"}));
    ASSERT_EQ(out["puzzles"].size(), 3u);
    EXPECT_EQ(out["puzzles"][1],
              json({{"index", 1}, {"title", "Cr\u00E8me"}, {"category", "Caf\u00E9"}, {"tag", 65537}}));
    EXPECT_EQ(out["puzzles"][2]["index"], 2);
    EXPECT_EQ(out["puzzles"][2]["category"], "Zoo");
    EXPECT_EQ(out["puzzles"][2]["tag"], 2);
}

TEST_F(CollectionCommandsTest, ListOfAFileThatCannotBeOpenedIsEmpty)
{
    const auto result = runCommand(cli("list " + shellQuoted(dir / "none.QZ3")));
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(json::parse(result.out), json({{"categories", json::array()}, {"puzzles", json::array()}}));
}

TEST_F(CollectionCommandsTest, DumpShowsEveryFieldByName)
{
    test::ImageBuilder image = puzzleImage("Animals", "Farm");
    image.i16(5067, 1).text(5069, "COW").text(15299, "moo").i16(65129, 2).i16(65789, 4).byte(66449, 1);
    image.byte(67 + 1, 'C').byte(2567, 'X').byte(66779, 1).text(66780, "Bonus?");
    writeFile(file, puzzleImage("A", "First").str() + image.str());
    const auto result = runCommand(cli("dump " + shellQuoted(file) + " 1"));
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    const std::vector<std::string> names = {
        "VersionTag", "Category", "Title",     "Width",   "Height", "Letters",   "FillLetters",   "WordCount",
        "Words",      "Clues",    "StartCell", "EndCell", "Placed", "Generated", "BonusQuestion", "HiddenPhraseUsed",
        "Layout"};
    std::vector<std::string> keys;
    const auto ordered = nlohmann::ordered_json::parse(result.out);
    for (const auto& item : ordered.items()) keys.push_back(item.key());
    EXPECT_EQ(keys, names);
    EXPECT_EQ(out["VersionTag"], "3.0g");
    EXPECT_EQ(out["Title"], "Farm");
    EXPECT_EQ(out["Width"], 15);
    EXPECT_EQ(out["WordCount"], 1);
    ASSERT_EQ(out["Letters"].size(), 50u);
    EXPECT_EQ(out["Letters"][0].get<std::string>(), std::string("\0C", 2) + std::string(48, '\0'));
    EXPECT_EQ(out["FillLetters"][0].get<std::string>()[0], 'X');
    ASSERT_EQ(out["Words"].size(), 330u);
    EXPECT_EQ(out["Words"][0], "COW");
    EXPECT_EQ(out["Words"][1], "");
    EXPECT_EQ(out["Clues"][0], "moo");
    EXPECT_EQ(out["StartCell"][0], 2);
    EXPECT_EQ(out["EndCell"][0], 4);
    EXPECT_EQ(out["Placed"][0], true);
    EXPECT_EQ(out["Placed"].size(), 330u);
    EXPECT_EQ(out["Generated"], true);
    EXPECT_EQ(out["BonusQuestion"], "Bonus?");
    EXPECT_EQ(out["HiddenPhraseUsed"], false);
    EXPECT_NE(result.out.find("\"\\u0000C\\u0000"), std::string::npos);
}

TEST_F(CollectionCommandsTest, BrokenRecordDumpsWithTextsCutAndCountsClamped)
{
    writeFile(file, std::string(95830, '\xFF'));
    const auto result = runCommand(cli("dump " + shellQuoted(file) + " 0"));
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["Title"].get<std::string>(), [] {
        std::string s;
        for (int i = 0; i < 35; ++i) s += "\u00FF";
        return s;
    }());
    EXPECT_EQ(out["Width"], 0);
    EXPECT_EQ(out["Height"], 0);
    EXPECT_EQ(out["WordCount"], 0);
    EXPECT_EQ(out["Words"][329].get<std::string>().size(), 60u);  // 30 characters of two bytes
    EXPECT_EQ(out["StartCell"][0], -1);
}

TEST_F(CollectionCommandsTest, DumpRefusesAnIndexPastTheEndAndReportsAMissingFile)
{
    writeFile(file, puzzleImage("A", "Only").str());
    auto result = runCommand(cli("dump " + shellQuoted(file) + " 1"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Unable to load puzzle.\n");
    result = runCommand(cli("dump " + shellQuoted(dir / "none.QZ3") + " 0"));
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("none.QZ3: No such file or directory"), std::string::npos);
}

TEST_F(CollectionCommandsTest, DeleteAndCreate)
{
    writeFile(file, puzzleImage("A", "One").str() + puzzleImage("A", "Two").str());
    auto result = runCommand(cli("delete " + shellQuoted(file) + " 0"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(std::filesystem::file_size(file), 95830u);
    result = runCommand(cli("delete " + shellQuoted(file) + " 5"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(std::filesystem::file_size(file), 95830u);
    result = runCommand(cli("create " + shellQuoted(file)));
    ASSERT_EQ(result.status, 0);
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
    result = runCommand(cli("create " + shellQuoted(dir / "no" / "x.QZ3")));
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("x.QZ3"), std::string::npos);
}

TEST_F(CollectionCommandsTest, WrongUsageIsARefusal)
{
    EXPECT_EQ(runCommand(cli("dump")).status, 1);
    EXPECT_EQ(runCommand(cli("frobnicate")).status, 1);
    EXPECT_EQ(runCommand(cli("--help")).status, 0);
}

}  // namespace
}  // namespace qm
