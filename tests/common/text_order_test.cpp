#include "common/text_order.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace qm {
namespace {

std::vector<std::string> sorted(std::vector<std::string> texts)
{
    std::stable_sort(texts.begin(), texts.end(),
                     [](const std::string& a, const std::string& b) { return compareListedText(a, b) < 0; });
    return texts;
}

TEST(TextOrder, LettersSortWithoutRegardToCaseAndAccentsBesideTheirLetters)
{
    // Windows-1252: \xC9 is E acute, \xE9 e acute, \xE4 a diaeresis, \x8A S caron.
    EXPECT_EQ(sorted({"zoo", "Apple", "banana", "apple", "\xC9t\xE9", "Euro", "\xE4rger", "Band",
                      "\x8A"
                      "a",
                      "Sb"}),
              (std::vector<std::string>{"Apple", "apple", "\xE4rger", "banana", "Band", "\xC9t\xE9", "Euro",
                                        "\x8A"
                                        "a",
                                        "Sb", "zoo"}));
}

TEST(TextOrder, OrderIsTotalAndAPrefixComesFirst)
{
    EXPECT_LT(compareListedText("Quiz", "Quiz (2)"), 0);
    EXPECT_LT(compareListedText("", "a"), 0);
    EXPECT_EQ(compareListedText("same", "same"), 0);
    EXPECT_NE(compareListedText("Same", "same"), 0);
    EXPECT_EQ(compareListedText("Same", "same"), -compareListedText("same", "Same"));
    EXPECT_LT(compareListedText("e", "\xE9"), 0);  // the plain letter before its accented forms
}

TEST(TextOrder, EqualityIgnoresCaseOnly)
{
    EXPECT_TRUE(equalsIgnoringLetterCase("Animals", "aNIMALS"));
    EXPECT_TRUE(equalsIgnoringLetterCase("\xC9T\xC9", "\xE9t\xE9"));
    EXPECT_FALSE(equalsIgnoringLetterCase("ete", "\xE9t\xE9"));
    EXPECT_FALSE(equalsIgnoringLetterCase("Animal", "Animals"));
    EXPECT_TRUE(equalsIgnoringLetterCase("", ""));
}

}  // namespace
}  // namespace qm
