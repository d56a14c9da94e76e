#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>

#include "layout/default_page_layout.h"
#include "support/cli_command.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::runCommand;
using test::shellQuoted;
using test::TempDir;
using test::writeFile;

// Offsets of the stored record the checks below read.
constexpr std::size_t kRecord = 95830, kLetters = 67, kFillLetters = 2567, kWordCount = 5067, kWords = 5069,
                      kClues = 15299, kPlaced = 66449, kGenerated = 66779, kHiddenPhrase = 66931, kLayout = 66932;

class CreateCommandTest : public ::testing::Test {
protected:
    // Runs in the temporary directory, the working directory of the program.
    test::CommandOutput create(const std::string& arguments)
    {
        return runCommand("cd " + shellQuoted(dir.path().string()) + " && " + shellQuoted(QM_CLI) +
                          " create --collection " + shellQuoted(collection.string()) + " --words " +
                          shellQuoted(words.string()) + " " + arguments);
    }
    std::string stored() const { return test::readFile(collection); }
    static std::string text(const std::string& record, std::size_t offset)
    {
        return record.substr(offset + 1, static_cast<unsigned char>(record[offset]));
    }
    static int i16(const std::string& record, std::size_t offset)
    {
        return static_cast<std::int16_t>(static_cast<unsigned char>(record[offset]) |
                                         (static_cast<unsigned char>(record[offset + 1]) << 8));
    }

    TempDir dir;
    std::filesystem::path collection = dir / "Animals.QZ3";
    std::filesystem::path words = dir / "animals.txt";
};

TEST_F(CreateCommandTest, StoresACompleteNewPuzzleAndPrintsItsIndex)
{
    writeFile(words, "zebra: stripes \n\nhorse:runs fast\n  ant :small\nEel\n");
    const std::string options = "--title ' Animals ' --category 'Caf\xC3\xA9' --clues --size 9x9 --attempts 5 --seed 3";
    const auto result = create(options);
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    EXPECT_EQ(out["index"], 0);
    EXPECT_EQ(out["title"], "Animals");
    EXPECT_EQ(out["category"], "Caf\u00E9");
    EXPECT_EQ(out["score"], 4);

    const std::string record = stored();
    ASSERT_EQ(record.size(), kRecord);
    EXPECT_EQ(record.substr(0, 5), std::string("\x04"
                                               "3.0g"));
    EXPECT_EQ(text(record, 6), "Caf\xE9");
    EXPECT_EQ(text(record, 27), "Animals");
    EXPECT_EQ(i16(record, 63), 9);
    EXPECT_EQ(i16(record, 65), 9);
    EXPECT_EQ(i16(record, kWordCount), 4);
    // Placed words in byte order, each with its own clue; every later slot empty.
    const char* expected[][2] = {{"Eel", ""}, {"ant", "small"}, {"horse", "runs fast"}, {"zebra", "stripes"}};
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(text(record, kWords + slot * 31), expected[slot][0]);
        EXPECT_EQ(text(record, kClues + slot * 151), expected[slot][1]);
        EXPECT_EQ(record[kPlaced + slot], 1);
    }
    for (int slot = 4; slot < 330; ++slot) {
        EXPECT_EQ(record[kWords + slot * 31], 0) << slot;
        EXPECT_EQ(record[kPlaced + slot], 0) << slot;
    }
    EXPECT_EQ(record[kGenerated], 1);
    EXPECT_EQ(record[kHiddenPhrase], 0);
    for (int cell = 0; cell < 2500; ++cell) {
        if (cell % 50 >= 9 || cell / 50 >= 9 || record[kLetters + cell] != ' ') continue;
        const char fill = record[kFillLetters + cell];
        EXPECT_TRUE(fill >= 'A' && fill <= 'Z') << cell;
    }
    std::array<std::uint8_t, kPageLayoutSize> layout{};
    encodePageLayout(loadDefaultPageLayout(std::filesystem::path(QM_CLI).parent_path(), 0), layout);
    EXPECT_EQ(record.substr(kLayout, layout.size()), std::string(layout.begin(), layout.end()));

    // The same seed appends the same puzzle.
    const auto again = create(options);
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(json::parse(again.out)["index"], 1);
    const std::string both = stored();
    ASSERT_EQ(both.size(), 2 * kRecord);
    EXPECT_EQ(both.substr(kRecord), record);
}

TEST_F(CreateCommandTest, AHiddenPhraseFillsTheFreeCellsInReadingOrder)
{
    writeFile(words, "horse\nzebra\n");
    const std::string options = "--title Animals --category Zoo --size 6x5 --seed 8 --phrase ";
    const auto wrong = create(options + "x");
    ASSERT_EQ(wrong.status, 1);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(wrong.err, match,
                                  std::regex("^(\\d+) characters are required for the hidden phrase\\.  "
                                             "You have entered 1 characters\\.  Please change your "
                                             "phrase or select not to use a phrase\\.\n$")))
        << wrong.err;
    EXPECT_FALSE(std::filesystem::exists(collection));
    const int freeCells = std::stoi(match[1]);
    ASSERT_GE(freeCells, 30 - 10);  // two words of five letters on 6 x 5 cells, crossing or not

    std::string phrase;
    for (int i = 0; i < freeCells; ++i) phrase += static_cast<char>('a' + i % 26);
    const auto result = create(options + "' " + phrase + " '");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string record = stored();
    EXPECT_EQ(record[kHiddenPhrase], 1);
    std::string filled;
    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 6; ++column)
            if (record[kLetters + row * 50 + column] == ' ') filled += record[kFillLetters + row * 50 + column];
    std::string raised = phrase;
    for (char& letter : raised) letter = static_cast<char>(letter - 'a' + 'A');
    EXPECT_EQ(filled, raised);

    EXPECT_EQ(create(options + "'ab cd'").err, "Spaces were used in the hidden phrase.\n");
}

TEST_F(CreateCommandTest, RefusesWhatTheEditorRefusesWithItsMessages)
{
    writeFile(words, "horse:runs\nzebra:" + std::string(151, 'z') + "\n");
    struct Case {
        std::string arguments;
        std::string message;
    };
    const Case cases[] = {
        {"--category Zoo", "No title specified.  Please correct."},
        {"--title '  ' --category Zoo", "No title specified.  Please correct."},
        {"--title Animals --category ' '", "No category specified.  Please correct."},
        {"--title Animals --category Zoo --attempts 0", "Attempts must be between 1 and 999.  Please correct."},
        {"--title Animals --category Zoo --attempts ''",
         "--attempts: \"\" is not a number written in decimal digits\nRun with --help for more information."},
        {"--title Animals --category Zoo --attempts 12x",
         "--attempts: \"12x\" is not a number written in decimal digits\nRun with --help for more information."},
        {"--title Animals --category Zoo --size 4x3",
         "Word is greater than puzzle dimension size of 4 characters in \"horse:runs\"."},
        {"--title Animals --category Zoo --clues",
         "The length of the clue for the word \"zebra\" is 1 characters longer than the maximum clue size of 150."},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.arguments);
        const auto result = create(test.arguments);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, test.message + "\n");
    }
    EXPECT_FALSE(std::filesystem::exists(collection));
}

TEST_F(CreateCommandTest, WordsThatDidNotFitNeedTheKeepFlag)
{
    // Six five-letter words, only rightwards, no crossing, on five rows: one never fits.
    writeFile(words, "abcde\nfghij\nklmno\npqrst\nuvwxy\nzabcd\n");
    const std::string options = "--title T --category C --size 5x5 --directions Right --integration 0 --seed 2";
    const auto refused = create(options);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("One or more words did not fit into the puzzle."), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(collection));

    const auto kept = create(options + " --keep-excluded");
    ASSERT_EQ(kept.status, 0) << kept.err;
    const std::string record = stored();
    EXPECT_EQ(i16(record, kWordCount), 5);
    EXPECT_EQ(record[kPlaced + 5], 0);
    EXPECT_EQ(text(record, kWords + 5 * 31).size(), 5u);  // the excluded word behind WordCount
    EXPECT_EQ(record[kWords + 6 * 31], 0);
}

// Two one-letter words: any A or B among the fill letters reads one of them a second time.
TEST_F(CreateCommandTest, SecondReadingsAreCountedAndAvoidedByTheSetting)
{
    writeFile(words, "a\nb\n");
    const std::string options = "--title T --category C --size 6x6 --seed 4";
    const auto avoided = create(options);
    ASSERT_EQ(avoided.status, 0) << avoided.err;
    EXPECT_EQ(json::parse(avoided.out)["secondReadings"], 0);
    const std::string record = stored();
    for (int cell = 0; cell < 2500; ++cell)
        if (cell % 50 < 6 && cell / 50 < 6 && record[kLetters + cell] == ' ')
            EXPECT_TRUE(record[kFillLetters + cell] != 'A' && record[kFillLetters + cell] != 'B') << cell;

    writeFile(dir / "QMAZE3.INI", "[Create Options]\r\nAvoid Second Readings=No\r\n");
    const auto old = create(options);
    ASSERT_EQ(old.status, 0) << old.err;
    EXPECT_GT(json::parse(old.out)["secondReadings"], 0);
}

TEST_F(CreateCommandTest, FileProblemsAndTheEmptyCollectionForm)
{
    writeFile(words, "horse\n");
    collection = dir / "missing" / "Animals.QZ3";
    const auto unable = create("--title T --category C");
    EXPECT_EQ(unable.status, 2);
    EXPECT_EQ(unable.err.rfind("Unable to save puzzle.", 0), 0u) << unable.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    collection = dir / "Animals.txt";
    const auto wrongKind = create("--title T --category C");
    EXPECT_EQ(wrongKind.status, 1);
    EXPECT_EQ(wrongKind.err, "The file selected is not a valid Word Search file.\n");

    collection = dir / "Animals.qz3";
    words = dir / "none.txt";
    const auto noWords = create("--title T --category C");
    EXPECT_EQ(noWords.status, 2);
    EXPECT_NE(noWords.err.find("none.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(collection));

    EXPECT_EQ(runCommand(shellQuoted(QM_CLI) + " create").status, 1);
    EXPECT_EQ(
        runCommand(shellQuoted(QM_CLI) + " create " + shellQuoted((dir / "e.QZ3").string()) + " --collection x.QZ3")
            .status,
        1);
    EXPECT_EQ(runCommand(shellQuoted(QM_CLI) + " create " + shellQuoted((dir / "e.QZ3").string())).status, 0);
    EXPECT_EQ(std::filesystem::file_size(dir / "e.QZ3"), 0u);
}

}  // namespace
}  // namespace qm
