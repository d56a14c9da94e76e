#include "common/cp1252.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(Cp1252, EveryByteSurvivesARoundTripThroughUtf8)
{
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string utf8 = cp1252ToUtf8(all);
    EXPECT_TRUE(isValidUtf8(utf8));
    EXPECT_EQ(utf8ToCp1252(utf8), all);
}

TEST(Cp1252, MapsTheHighBytesToTheirCharacters)
{
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\u20AC");
    EXPECT_EQ(cp1252ToUtf8("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(cp1252ToUtf8("\x9F"), "\u0178");
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\u0081");
}

TEST(Cp1252, ReplacesCharactersOutsideTheCodePage)
{
    EXPECT_EQ(utf8ToCp1252("\u0416x"), "?x");
    EXPECT_EQ(utf8ToCp1252("\U0001F600", '_'), "_");
    EXPECT_EQ(utf8ToCp1252("\u2122"), "\x99");
}

TEST(Cp1252, TakesInvalidUtf8ByteByByte)
{
    EXPECT_FALSE(isValidUtf8("caf\xE9"));
    EXPECT_EQ(utf8ToCp1252("caf\xE9"), "caf\xE9");
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));      // cut short
}

}  // namespace
}  // namespace qm
