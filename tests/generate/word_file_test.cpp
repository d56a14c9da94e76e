// The word and clue text file reader.
#include <gtest/gtest.h>

#include <fstream>

#include "generate/generate_messages.h"
#include "generate/word_file.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

struct Line {
    std::string word;
    std::string clue;
};

std::vector<Line> linesOf(std::string_view text, std::optional<char> separator)
{
    std::vector<Line> lines;
    for (auto& line : wordFileLines(text, separator)) lines.push_back({line.word, line.clue});
    return lines;
}

bool operator==(const Line& a, const Line& b) { return a.word == b.word && a.clue == b.clue; }

TEST(WordFile, SplitsAtTheFirstSeparatorAndLeavesOutBlankWords)
{
    struct Case {
        std::string text;
        std::optional<char> separator;
        std::vector<Line> expected;
    } cases[] = {
        {"apple\r\npear\nplum\rfig", std::nullopt, {{"apple", ""}, {"pear", ""}, {"plum", ""}, {"fig", ""}}},
        {"apple:a red fruit:sweet\npear", ':', {{"apple", "a red fruit:sweet"}, {"pear", ""}}},
        {"apple:fruit", std::nullopt, {{"apple:fruit", ""}}},
        {"apple;fruit\n", ';', {{"apple", "fruit"}}},
        {"\n   \n :a clue without a word\n\t\nkiwi \n", ':', {{"kiwi ", ""}}},
        {"", ':', {}},
    };
    for (const Case& c : cases) EXPECT_EQ(linesOf(c.text, c.separator), c.expected) << c.text;
}

TEST(WordFile, ReadsUtf8AsRecordTextAndReportsAMissingFile)
{
    test::TempDir dir;
    std::ofstream(dir / "words.txt", std::ios::binary) << "caf\xC3\xA9:Kaffee\r\nStra\xC3\x9F"
                                                          "e\r\n\r\n";
    auto file = readWordFile(dir / "words.txt", ':');
    ASSERT_TRUE(file);
    ASSERT_EQ(file->lines.size(), 2u);
    EXPECT_EQ(file->lines[0].word, "caf\xE9");
    EXPECT_EQ(file->lines[0].clue, "Kaffee");
    EXPECT_EQ(file->lines[1].word, "Stra\xDF"
                                   "e");
    EXPECT_TRUE(file->unstorableLines.empty());

    const auto missing = readWordFile(dir / "none.txt", ':');
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().path, dir / "none.txt");
}

TEST(WordFile, NotesTheLinesWhoseCharactersThePuzzleCannotStore)
{
    // Windows-1252 files hold only characters of the code page; UTF-8 files may hold others.
    const WordFileText windows = wordFileText("caf\xE9\r\n\x80uro\r\n");
    EXPECT_EQ(windows.lines, (std::vector<std::string>{"caf\xE9", "\x80uro"}));
    EXPECT_TRUE(windows.unstorableLines.empty());

    const WordFileText utf8 = wordFileText("cat\n\xD0\x96uk\n\ndog \xE2\x9C\x93\ncafe\xCC\x81\n");
    EXPECT_EQ(utf8.lines, (std::vector<std::string>{"cat", "?uk", "", "dog ?", "caf\xE9"}));
    EXPECT_EQ(utf8.unstorableLines, (std::vector<int>{2, 4}));
}

TEST(WordFile, TheMessageNamesTheFirstTenLines)
{
    EXPECT_EQ(GenerateMessages::unstorableLines({4}).message,
              "Line 4 holds characters that a puzzle cannot store.  They are replaced by \"?\".");
    EXPECT_EQ(GenerateMessages::unstorableLines({4, 9, 1200}).message,
              "Lines 4, 9 and 1,200 hold characters that a puzzle cannot store.  They are replaced by \"?\".");
    EXPECT_EQ(GenerateMessages::unstorableLines({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}).message,
              "Lines 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 2 more hold characters that a puzzle cannot store.  They are "
              "replaced by \"?\".");
}

}  // namespace
}  // namespace qm
