// The word and clue text file reader.
#include <gtest/gtest.h>

#include <fstream>

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
    std::ofstream(dir / "words.txt", std::ios::binary) << "caf\xC3\xA9:Kaffee\r\nStra\xC3\x9F" "e\r\n";
    auto lines = readWordFile(dir / "words.txt", ':');
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 2u);
    EXPECT_EQ((*lines)[0].word, "caf\xE9");
    EXPECT_EQ((*lines)[0].clue, "Kaffee");
    EXPECT_EQ((*lines)[1].word, "Stra\xDF" "e");

    const auto missing = readWordFile(dir / "none.txt", ':');
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.failure().path, dir / "none.txt");
}

}  // namespace
}  // namespace qm
