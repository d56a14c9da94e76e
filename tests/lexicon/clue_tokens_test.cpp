#include "lexicon/clue_tokens.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

using Tokens = std::vector<std::string>;

TEST(ClueTokensTest, MarksStandApartAndSpacesEndTokens)
{
    const struct {
        const char* clue;
        Tokens tokens;
    } cases[] = {
        {"big,red", {"big", ",", "red"}},
        {"  two   spaces ", {"two", "spaces"}},
        {"(a) \"b\"", {"(", "a", ")", "\"", "b", "\""}},
        {"don't stop!", {"don't", "stop!"}},  // the apostrophe and the exclamation mark belong to words
        {"a+b-c.d/e:f;g<h=i>j?k\\l{m}n", {"a", "+", "b", "-", "c", ".", "d", "/",  "e", ":", "f", ";", "g", "<",
                                          "h", "=", "i", ">", "j", "?", "k", "\\", "l", "{", "m", "}", "n"}},
        {"x[y]*z#", {"x[y]*z#"}},
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(clueTokens(c.clue), c.tokens) << c.clue;
}

TEST(ClueTokensTest, EverythingPastTheFiftiethTokenGoesIntoIt)
{
    std::string clue;
    for (int i = 1; i <= 49; ++i) clue += "w" + std::to_string(i) + " ";
    clue += "last, and more";
    const Tokens tokens = clueTokens(clue);
    ASSERT_EQ(tokens.size(), kMaxClueTokens);
    EXPECT_EQ(tokens[48], "w49");
    EXPECT_EQ(tokens[49], "last, and more");
    EXPECT_EQ(tokenWord(tokens[49]), "last and more");
}

TEST(ClueTokensTest, ATokenKeepsAtMost150Characters)
{
    const Tokens tokens = clueTokens(std::string(160, 'a') + " b");
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[0], std::string(150, 'a'));
    EXPECT_EQ(tokens[1], "b");
}

TEST(ClueTokensTest, AReplacedTokenKeepsTheMarksAtItsEnds)
{
    const struct {
        const char* token;
        const char* replacement;
        const char* result;
    } cases[] = {
        {"recieve", "receive", "receive"},
        {"(recieve)", "receive", "(receive)"},
        {"recieve.", "receive", "receive."},
        {"(recieve", "receive", "(receive"},
        {",", "x", ",x"},
    };
    for (const auto& c : cases) EXPECT_EQ(replacedToken(c.token, c.replacement), c.result) << c.token;
}

TEST(ClueTokensTest, ARebuiltClueHasOneSpaceBetweenItsTokens)
{
    EXPECT_EQ(rebuiltClue({"big", ",", "rod"}), "big , rod");
    EXPECT_EQ(rebuiltClue({}), "");
    EXPECT_EQ(tokenWord("(a.b)"), "ab");
}

}  // namespace
}  // namespace qm
