// transfer, convert-qzv, convert-old and words export of the command-line tool.
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
using test::readFile;
using test::runCommand;
using test::shellQuoted;
using test::TempDir;
using test::writeFile;

class TransferCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(from, zebra + apple + mango);
        writeFile(to, kiwi);
    }

    test::CommandOutput transfer(const std::string& options, const std::filesystem::path& target)
    {
        return runCommand(cli("transfer --from " + shellQuoted(from) + " --to " + shellQuoted(target) + " " + options));
    }
    test::CommandOutput transfer(const std::string& options) { return transfer(options, to); }

    TempDir dir;
    std::filesystem::path from = dir / "FROM.QZ3";
    std::filesystem::path to = dir / "TO.QZ3";
    std::string zebra = puzzleImage("Animals", "Zebra").str();
    std::string apple = puzzleImage("Fruit", "apple").str();
    std::string mango = puzzleImage("Fruit", "Mango").str();
    std::string kiwi = puzzleImage("Birds", "Kiwi").str();
};

TEST_F(TransferCommandsTest, CopiesEveryPuzzleInTitleOrderBehindTheOthers)
{
    const auto result = transfer("");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(to), kiwi + apple + mango + zebra);
    EXPECT_EQ(json::parse(result.out)["copied"], json::parse(R"([{"from": 1, "to": 1, "title": "apple"},
                                                                 {"from": 2, "to": 2, "title": "Mango"},
                                                                 {"from": 0, "to": 3, "title": "Zebra"}])"));
}

TEST_F(TransferCommandsTest, ChosenPuzzlesReplaceTheContent)
{
    const auto result = transfer("--index 0 --index 1 --replace");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(to), apple + zebra);
    EXPECT_EQ(json::parse(result.out)["copied"][1], json({{"from", 0}, {"to", 1}, {"title", "Zebra"}}));
}

TEST_F(TransferCommandsTest, RefusalsPrintTheirMessageAndWriteNothing)
{
    struct Case {
        std::string arguments;
        std::filesystem::path target;
        std::string message;
    } cases[] = {
        {"--index 7", to, "There is no puzzle 7 in " + from.string() + "."},
        {"--replace", dir / "from.qz3", "Export File cannot be the same as the currently open file."},
        {"", from, "Import File cannot be the same as the currently open file."},
    };
    for (const Case& c : cases) {
        const auto result = transfer(c.arguments, c.target);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, c.message + "\n") << c.arguments;
    }
    const auto qzv = runCommand(cli("transfer --from " + shellQuoted(dir / "OLD.QZV") + " --to " + shellQuoted(to)));
    EXPECT_EQ(qzv.err, "The file selected is not a valid Quillmaze file.\n");
    const auto missing =
        runCommand(cli("transfer --from " + shellQuoted(dir / "NONE.QZ3") + " --to " + shellQuoted(to)));
    EXPECT_EQ(missing.err, "Unable to import puzzles.\n");
    writeFile(dir / "EMPTY.QZ3", "");
    const auto empty =
        runCommand(cli("transfer --from " + shellQuoted(dir / "EMPTY.QZ3") + " --to " + shellQuoted(to)));
    EXPECT_EQ(empty.err, "No puzzles have been selected for import.\n");
    EXPECT_EQ(readFile(from), zebra + apple + mango);
    EXPECT_EQ(readFile(to), kiwi);
}

TEST(ConvertCommands, AQzvPuzzleIsAppendedAndItsIndexPrinted)
{
    TempDir dir;
    const auto collection = dir / "SCHOOL.QZ3";
    writeFile(collection, puzzleImage("Birds", "Owls").str());
    writeFile(dir / "ZOO.QZV", test::qzvFileImage("x", test::oldPuzzleImage("Zoo", 3, {"EMU"}, {{"EMU", 1, 3}})));
    auto result =
        runCommand(cli("convert-qzv " + shellQuoted(dir / "ZOO.QZV") + " --collection " + shellQuoted(collection)));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json({{"index", 1}, {"title", "Zoo"}, {"category", "Version 2.0 Puzzles"}}));
    const auto dumped = runCommand(cli("dump " + shellQuoted(collection) + " 1"));
    EXPECT_EQ(json::parse(dumped.out)["Words"][0], "EMU");

    writeFile(dir / "BAD.QZV", "QZV");
    result =
        runCommand(cli("convert-qzv " + shellQuoted(dir / "BAD.QZV") + " --collection " + shellQuoted(collection)));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Puzzle file is corrupt or incompatible.  Import aborted.\n");
}

TEST(ConvertCommands, ConvertOldTakesInTheOldFilesWithoutAsking)
{
    TempDir dir;
    const std::string lion = test::oldPuzzleImage("Lions", 4, {"LION"}, {{"LION", 1, 4}}).str();
    const std::string shape = test::solidShapeImage("Old", 6, 6).str();
    writeFile(dir / "QZFUPUZZ.DAT", lion + lion);
    writeFile(dir / "QZFULAY.DAT", shape);
    auto result = runCommand(cli("convert-old " + shellQuoted(dir.path())));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json({{"puzzles", {{"converted", 2}, {"file", (dir / "OLDPUZZ.QZ3").string()}}},
                                             {"shapes", {{"converted", 1}, {"file", (dir / "QZFLAY.DAT").string()}}}}));
    EXPECT_EQ(readFile(dir / "QZFLAY.DAT"), shape);
    EXPECT_FALSE(std::filesystem::exists(dir / "QZFUPUZZ.DAT"));

    result = runCommand(cli("convert-old " + shellQuoted(dir.path())));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json({{"puzzles", nullptr}, {"shapes", nullptr}}));
}

class WordsCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ImageBuilder record = puzzleImage("Animals", "Zoo");
        record.i16(5067, 2).text(5069, "WOLF").text(5069 + 31, "Caf\xE9").text(15299, "Forest animal");
        record.text(5069 + 31 * 329, "LAST");  // row 330 is never exported
        writeFile(collection, record.str());
    }

    test::CommandOutput exportWords(const std::string& options)
    {
        return runCommand(
            cli("words export " + shellQuoted(collection) + " 0 --out " + shellQuoted(out) + " " + options));
    }

    TempDir dir;
    std::filesystem::path collection = dir / "SCHOOL.QZ3";
    std::filesystem::path out = dir / "words.txt";
};

TEST_F(WordsCommandsTest, WritesTheLinesTheEditorsExportWrites)
{
    struct Case {
        std::string options;
        std::string expected;
    } cases[] = {
        {"", "Caf\xE9" + std::string(27, ' ') + ": \r\nWOLF" + std::string(27, ' ') + ": Forest animal\r\n"},
        {"--mode words", "Caf\xE9\r\nWOLF\r\n"},
        {"--mode clues", "Forest animal\r\n"},
        {"--mode both --separator '\xC2\xA7'", "WOLF" + std::string(27, ' ') + "\xA7 Forest animal\r\n"},
    };
    for (const Case& c : cases) {
        const auto result = exportWords(c.options);
        ASSERT_EQ(result.status, 0) << c.options << result.err;
        EXPECT_NE(readFile(out).find(c.expected), std::string::npos) << c.options;
    }
    EXPECT_EQ(json::parse(exportWords("--mode words").out), json({{"lines", 2}, {"file", out.string()}}));
}

TEST_F(WordsCommandsTest, RefusesWhatItCannotDo)
{
    EXPECT_EQ(runCommand(cli("words export " + shellQuoted(collection) + " 3 --out " + shellQuoted(out))).err,
              "Unable to load puzzle.\n");
    EXPECT_EQ(exportWords("--separator ab").err, "The separator is one character.\n");
    EXPECT_EQ(exportWords("--mode all").status, 1);
    EXPECT_EQ(
        runCommand(cli("words export " + shellQuoted(collection) + " 0 --out " + shellQuoted(dir / "no" / "x.txt")))
            .err,
        "Unable to create export file.\n");
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace qm
