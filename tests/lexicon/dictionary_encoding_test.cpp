#include "lexicon/dictionary_encoding.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(DictionaryEncodingTest, Utf8DictionariesGetAndGiveRecordText)
{
    const DictionaryEncoding utf8("utf-8");
    EXPECT_EQ(utf8.fromRecordText("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(utf8.toRecordText("Stra\xC3\x9F"
                                "e"),
              "Stra\xDF"
              "e");
    EXPECT_EQ(utf8.toRecordText("\xE2\x82\xAC"), "\x80");
    // A Greek letter has no Windows-1252 byte; broken UTF-8 is no word either.
    EXPECT_EQ(utf8.toRecordText("\xCE\xB1"), std::nullopt);
    EXPECT_EQ(utf8.toRecordText("\xC3"), std::nullopt);
}

TEST(DictionaryEncodingTest, Latin1DictionariesShareTheUpperHalfOnly)
{
    const DictionaryEncoding latin1("ISO8859-1");
    EXPECT_EQ(latin1.fromRecordText("caf\xE9"), "caf\xE9");
    EXPECT_EQ(latin1.fromRecordText("\x80uro"), "?uro");
    EXPECT_EQ(latin1.toRecordText("caf\xE9"), "caf\xE9");
    EXPECT_EQ(latin1.toRecordText("\x85"), std::nullopt);
}

}  // namespace
}  // namespace qm
