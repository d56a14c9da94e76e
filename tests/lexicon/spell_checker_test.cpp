#include "lexicon/spell_checker.h"

#include <gtest/gtest.h>

#include "support/lexicon/fake_lexicons.h"

namespace qm {
namespace {

using Words = std::vector<std::string>;

TEST(SpellCheckerTest, PersonalListsComeBeforeTheDictionary)
{
    test::FakeSpelling dictionary{{"colour", "wow", "hello", "caf\xE9", "don't"}};
    const SpellChecker checker{dictionary, {{"quillmaze", "CAF\xC9S"}, {"colour"}}};
    const struct {
        const char* word;
        bool correct;
    } cases[] = {
        {"hello", true},
        {"helo", false},
        // The exclude list wins over the dictionary, in any letter case.
        {"colour", false},
        {"COLOUR", false},
        // The include list accepts what the dictionary does not know, in any letter case.
        {"Quillmaze", true},
        {"caf\xE9s", true},
        // Marks around a word are not part of it; a word of marks only has nothing to check.
        {"wow!", true},
        {"'hello'", true},
        {"don't", true},
        {"!!", true},
        {"caf\xE9.", true},
    };
    for (const auto& c : cases) EXPECT_EQ(checker.check(c.word), c.correct) << c.word;
}

TEST(SpellCheckerTest, SuggestionsKeepTheMarksAndLeaveExcludedWordsOut)
{
    test::FakeSpelling dictionary{{}, {{"wrold", {"world", "would", "wold"}}}};
    const SpellChecker checker(dictionary, {{}, {"WOLD"}});
    EXPECT_EQ(checker.suggest("\"wrold!\""), (Words{"\"world!\"", "\"would!\""}));
    EXPECT_EQ(checker.suggest("wrold"), (Words{"world", "would"}));
    EXPECT_EQ(checker.suggest("?!"), Words{});
    // The dictionary was asked about the word itself, without its marks.
    EXPECT_FALSE(checker.check("(wrold)"));
    EXPECT_EQ(dictionary.checked, Words{"wrold"});
}

}  // namespace
}  // namespace qm
