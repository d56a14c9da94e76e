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

TEST(Cp1252, ComposesALetterAndItsCombiningAccent)
{
    struct Case {
        std::string utf8;
        std::string bytes;
        std::size_t replaced;
    } cases[] = {
        {"cafe\u0301", "caf\xE9", 0},
        {"Nin\u0303o", "Ni\xF1o", 0},
        {"A\u030Angstr\u00F6m", "\xC5ngstr\xF6m", 0},
        {"S\u030Ckoda", "\x8Akoda", 0},
        {"Y\u0308", "\x9F", 0},
        {"q\u0301", "q?", 1},           // no such letter in the code page
        {"\u0301e", "?e", 1},           // an accent without a letter before it
        {"e\u0301\u0301", "\xE9?", 1},  // one accent a letter
        {"\u0416\u0301", "??", 2},      // not onto a replaced character
    };
    for (const Case& c : cases) {
        const Cp1252Conversion converted = convertUtf8ToCp1252(c.utf8);
        EXPECT_EQ(converted.bytes, c.bytes) << c.utf8;
        EXPECT_EQ(converted.replaced, c.replaced) << c.utf8;
    }
}

TEST(Cp1252, TextFilesAreTakenInTheirEncoding)
{
    struct Case {
        std::string contents;
        TextFileEncoding encoding;
        std::string bytes;
    } cases[] = {
        {"plain\r\n", TextFileEncoding::Utf8, "plain\r\n"},
        {"\xEF\xBB\xBF"
         "caf\xC3\xA9",
         TextFileEncoding::Utf8, "caf\xE9"},
        {"caf\xE9 \x80", TextFileEncoding::Windows1252, "caf\xE9 \x80"},
        {std::string("\xFF\xFE"
                     "c\0\xE9\0\xAC\x20\n\0",
                     10),
         TextFileEncoding::Utf16, "c\xE9\x80\n"},
        {std::string("\xFE\xFF\0c\0\xE9\xD8\x3D\xDE\x00", 10), TextFileEncoding::Utf16, "c\xE9?"},
        {std::string("\xFF\xFE\x00\xD8x", 5), TextFileEncoding::Utf16, "?"},  // a lone surrogate, a lone byte
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeTextFile(c.contents).encoding, c.encoding) << c.bytes;
        EXPECT_EQ(textFileToCp1252(c.contents), c.bytes) << c.bytes;
    }
}

}  // namespace
}  // namespace qm
