#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/cli_command.h"
#include "support/record_images.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::runCommand;
using test::shellQuoted;
using test::TempDir;
using test::writeFile;

class GenerateCommandTest : public ::testing::Test {
protected:
    // Runs in the temporary directory, which stands for the working directory of the program.
    test::CommandOutput generate(const std::string& arguments, const std::string& program = QM_CLI)
    {
        return runCommand("cd " + shellQuoted(dir.path()) + " && " + shellQuoted(std::filesystem::path(program)) +
                          " generate --words " + shellQuoted(words) + " " + arguments);
    }
    json slots(const std::string& arguments)
    {
        const auto result = generate(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        return json::parse(result.out)["slots"];
    }

    TempDir dir;
    std::filesystem::path words = dir / "animals.txt";
};

TEST_F(GenerateCommandTest, PrintsFourSlotsWithScoreFlagsAndRecord)
{
    writeFile(words, "horse: runs fast\r\n\r\n  zebra:stripes  \ncaf\xC3\xA9 au lait\n");
    const json out = slots("--clues --size 12x8 --attempts 3 --seed 12");
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(out[0]["Score"], 3);
    ASSERT_EQ(out[0]["PlacedFlags"].size(), 330u);
    EXPECT_EQ(out[0]["PlacedFlags"][2], true);
    EXPECT_EQ(out[0]["PlacedFlags"][3], false);
    const json& record = out[0]["Record"];
    EXPECT_EQ(record["Width"], 12);
    EXPECT_EQ(record["Height"], 8);
    EXPECT_EQ(record["WordCount"], 3);
    EXPECT_EQ(record["Words"][0], "caf\u00E9 au lait");
    EXPECT_EQ(record["Words"][1], "horse");
    EXPECT_EQ(record["Clues"][1], "runs fast");
    EXPECT_EQ(record["Words"][2], "zebra");
    EXPECT_EQ(record["Clues"][2], "stripes");
    std::string grid;
    for (const auto& row : record["Letters"]) grid += row.get<std::string>();
    EXPECT_NE(grid.find("\u00C9"), std::string::npos);  // the accented letter in capitals

    // The same seed gives the same candidates.
    EXPECT_EQ(slots("--clues --size 12x8 --attempts 3 --seed 12"), out);
}

// AA and A side by side without sharing a cell fill the row AAA: AA reads again across both.
TEST_F(GenerateCommandTest, EachSlotCountsTheSecondReadingsOfItsBareGrid)
{
    writeFile(words, "aa\na\n");
    const json out = slots("--size 3x1 --integration 0 --seed 5");
    ASSERT_EQ(out[0]["Score"], 2);
    EXPECT_EQ(out[0]["SecondReadings"], 1);
    for (int slot = 1; slot < 4; ++slot) EXPECT_EQ(out[slot]["SecondReadings"], 0);  // empty slots
}

TEST_F(GenerateCommandTest, WithoutCluesTheWholeLineIsTheWord)
{
    writeFile(words, "new york: city\n");
    const json out = slots("--seed 1");
    EXPECT_EQ(out[0]["Record"]["Words"][0], "new york: city");
    EXPECT_EQ(out[0]["Record"]["Width"], 15);
}

TEST_F(GenerateCommandTest, DirectionsComeFromTheOptionOrTheSettingsFile)
{
    writeFile(words, "horse\nzebra\ntiger\nmouse\n");
    auto allRunRight = [](const json& out) {
        for (const auto& slot : out) {
            const json& record = slot["Record"];
            for (int i = 0; i < record["WordCount"].get<int>(); ++i)
                if (record["EndCell"][i].get<int>() - record["StartCell"][i].get<int>() != 4) return false;
        }
        return true;
    };
    writeFile(
        dir / "QMAZE3.INI",
        "[Create]\r\nUp=No\r\nUp Right=No\r\nRight=Yes\r\nDown Right=No\r\nDown=No\r\nDown Left=No\r\nLeft=No\r\nUp "
        "Left=No\r\n");
    EXPECT_TRUE(allRunRight(slots("--attempts 4 --seed 2")));
    EXPECT_FALSE(allRunRight(slots("--attempts 4 --seed 2 --directions Up,Down,Left")));
    EXPECT_TRUE(allRunRight(slots("--attempts 4 --seed 2 --directions Right")));
    const json none = slots("--attempts 4 --directions ''");
    for (const auto& slot : none) EXPECT_EQ(slot["Score"], 0);
}

// Eight words of 40 letters for the 36 cells of 6 x 6: the attempts leave some out, the search
// after them (--pack) places more, and the slots it made say so.
TEST_F(GenerateCommandTest, PackPlacesMoreWordsAndMarksTheSlotsItMade)
{
    writeFile(words, "horse\nzebra\ntiger\nmouse\ncamel\nllama\nbison\notter\n");
    const json attempts = slots("--size 6x6 --attempts 20 --seed 3");
    const json packed = slots("--size 6x6 --attempts 20 --seed 3 --pack --pack-seconds 1");
    for (const auto& slot : attempts) EXPECT_EQ(slot["Packed"], false);
    EXPECT_GT(packed[0]["Score"].get<int>(), attempts[0]["Score"].get<int>());
    EXPECT_EQ(packed[0]["Packed"], true);
    EXPECT_EQ(packed[0]["Record"]["WordCount"], packed[0]["Score"]);

    const auto alone = generate("--size 6x6 --pack-seconds 3");
    EXPECT_EQ(alone.status, 1);
    EXPECT_NE(alone.err.find("--pack"), std::string::npos);
    EXPECT_EQ(generate("--size 6x6 --pack --pack-seconds 31").status, 1);
}

TEST_F(GenerateCommandTest, ShapeComesFromTheShapeFileBesideTheProgram)
{
    // A copy of the program in a directory of its own, with a shape file of two shapes: the
    // second lets letters into row 3 only.
    std::filesystem::create_directory(dir / "program");
    const auto program = dir / "program" / "quillmaze-cli";
    std::filesystem::copy_file(QM_CLI, program);
    test::ImageBuilder shapes(2 * 2555);
    shapes.text(0, "Full").i16(51, 10).i16(53, 10);
    shapes.text(2555, "Row three").i16(2555 + 51, 12).i16(2555 + 53, 5);
    for (int column = 0; column < 12; ++column) shapes.byte(2555 + 55 + 2 * 50 + column, 1);
    writeFile(dir / "program" / "QZFLAY.DAT", shapes.str());
    writeFile(words, "horse\n");

    const auto result = generate("--shape 1 --seed 4", program.string());
    ASSERT_EQ(result.status, 0) << result.err;
    const json record = json::parse(result.out)["slots"][0]["Record"];
    EXPECT_EQ(record["Width"], 12);
    EXPECT_EQ(record["Height"], 5);
    EXPECT_EQ(record["StartCell"][0].get<int>() / 50, 2);  // a cell of row 3
    EXPECT_EQ(record["Letters"][0], std::string(50, '\0'));

    const auto missing = generate("--shape 2", program.string());
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("no shape number 2"), std::string::npos);

    std::filesystem::remove(dir / "program" / "QZFLAY.DAT");
    const auto noFile = generate("--shape 0", program.string());
    EXPECT_EQ(noFile.status, 2);
    EXPECT_NE(noFile.err.find("QZFLAY.DAT"), std::string::npos);
}

TEST_F(GenerateCommandTest, RefusesBadOptionsAndReportsAMissingFile)
{
    writeFile(words, "horse\n");
    struct Case {
        std::string arguments;
        int status;
    };
    const Case cases[] = {
        {"--integration 7", 1},      {"--integration -1", 1}, {"--attempts 0", 1},  {"--attempts 1000", 1},
        {"--size 51x5", 1},          {"--size 10", 1},        {"--size 10x10x", 1}, {"--directions Up,Sideways", 1},
        {"--shape 0 --size 5x5", 1},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments);
        EXPECT_EQ(generate(test.arguments).status, test.status);
    }
    std::string tooMany;
    for (int i = 0; i < 331; ++i) tooMany += "word" + std::to_string(i) + "\n";
    writeFile(words, tooMany);
    EXPECT_EQ(generate("").status, 1);
    std::filesystem::remove(words);
    const auto missing = generate("");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("animals.txt"), std::string::npos);
}

}  // namespace
}  // namespace qm
