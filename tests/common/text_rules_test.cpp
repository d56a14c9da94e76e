#include "common/text_rules.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

struct CopyNameCase {
    const char* name;
    std::size_t limit;
    const char* copy;
};

TEST(MakeCopyName, FollowsTheNumberInParentheses)
{
    const CopyNameCase cases[] = {
        {"Animals", 35, "Animals (2)"},
        {"Animals (2)", 35, "Animals (3)"},
        {"Heart", 50, "Heart (2)"},
        {"Heart (2)", 50, "Heart (3)"},
        {"Star(9)", 50, "Star(10)"},
        {"Tree (x)", 50, "Tree (x) (2)"},
        {"Quiz (0)", 35, "Quiz (0) (2)"},
        {"Quiz ( 7)", 35, "Quiz (8)"},     // blanks before the digits are skipped
        {"Quiz (7b)", 35, "Quiz (8)"},     // only the leading digits count
        {"  Padded  ", 35, "Padded (2)"},  // trimmed first
        {"()", 35, "() (2)"},
        {"", 35, " (2)"},
        {"A name of exactly twenty", 20, "A name of exactly tw"},  // cut to the limit
        {"Name (99999999999999999999)", 50, "Name (9223372036854775807)"},
    };
    for (const auto& c : cases) EXPECT_EQ(MakeCopyName(c.name, c.limit), c.copy) << c.name;
}

TEST(LeadingNumber, TakesDigitsUpToTheFirstOther)
{
    EXPECT_EQ(leadingNumber("12x"), 12);
    EXPECT_EQ(leadingNumber("  7"), 7);
    EXPECT_EQ(leadingNumber("007"), 7);
    EXPECT_EQ(leadingNumber("x12"), std::nullopt);
    EXPECT_EQ(leadingNumber(""), std::nullopt);
    EXPECT_EQ(leadingNumber("-5"), std::nullopt);
    EXPECT_EQ(leadingNumber(" 5", false), std::nullopt);
}

TEST(GroupedNumber, PutsCommasBetweenGroupsOfThree)
{
    EXPECT_EQ(groupedNumber(0), "0");
    EXPECT_EQ(groupedNumber(999), "999");
    EXPECT_EQ(groupedNumber(1000), "1,000");
    EXPECT_EQ(groupedNumber(1234567), "1,234,567");
    EXPECT_EQ(groupedNumber(-12345), "-12,345");
    EXPECT_EQ(groupedNumber(INT64_MIN), "-9,223,372,036,854,775,808");
}

TEST(Trimmed, RemovesBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(trimmed("  a b \t\r\n"), "a b");
    EXPECT_EQ(trimmed("   "), "");
    EXPECT_EQ(trimmed("\xE9t\xE9"), "\xE9t\xE9");  // Latin-1 letters are not blanks
}

TEST(HasExtension, IgnoresLetterCase)
{
    EXPECT_TRUE(hasExtension("/home/a/School.QZ3", ".QZ3"));
    EXPECT_TRUE(hasExtension("school.qz3", ".QZ3"));
    EXPECT_FALSE(hasExtension("school.qz3.bak", ".QZ3"));
    EXPECT_FALSE(hasExtension("QZ3", ".QZ3"));
}

TEST(TextLines, EndAtCrLfLfOrCr)
{
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(textLines(""), Lines{});
    EXPECT_EQ(textLines("one"), Lines{"one"});
    EXPECT_EQ(textLines("one\n"), Lines{"one"});
    EXPECT_EQ(textLines("one\r\ntwo\rthree\nfour"), (Lines{"one", "two", "three", "four"}));
    EXPECT_EQ(textLines("a\n\n\r\n\rb"), (Lines{"a", "", "", "", "b"}));
    EXPECT_EQ(textLines("\n\r"), (Lines{"", ""}));
}

}  // namespace
}  // namespace qm
