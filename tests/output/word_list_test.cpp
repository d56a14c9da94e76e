// The word list: entries by word option, columns, what fits and Make It Fit.
#include <gtest/gtest.h>

#include "output/page/word_entries.h"
#include "output/render_fixtures.h"

namespace qm::test {
namespace {

TEST(WordEntries, NormalSortsOnCapitalsAndPrintsAsStored)
{
    auto record = pageRecord();
    setWords(*record, {"pear", "Apple", "banana", "Zebra", "\xE9t\xE9"});
    ScriptedRandom random({});
    PrintOptions options;
    for (const int option : {kWordOptionNormal, 0, 7}) {
        options.WordOption = option;
        EXPECT_EQ(WordListEntries(*record, 5, options, random),
                  (std::vector<std::string>{"Apple", "banana", "pear", "Zebra", "\xE9t\xE9"}))
            << option;
    }
}

TEST(WordEntries, ScrambledAndPartialKeepTheStoredOrder)
{
    auto record = pageRecord();
    setWords(*record, {"pear", "Fig"});
    PrintOptions options;
    options.WordOption = kWordOptionScramble;
    ScriptedRandom random({3, 2, 1, 0, 0, 1, 2});
    EXPECT_EQ(WordListEntries(*record, 2, options, random), (std::vector<std::string>{"raep", "fig"}));
    options.WordOption = kWordOptionPartial;
    options.FirstLetters = 1;
    options.LastLetters = 1;
    EXPECT_EQ(WordListEntries(*record, 2, options, random), (std::vector<std::string>{"P...R", "F...G"}));
}

TEST(WordEntries, PartialWordsShowTheirFirstAndLastLetters)
{
    struct Case {
        const char* word;
        int first, last;
        bool underscores;
        std::string shown;
    };
    std::string thirtyBlanks;
    for (int i = 0; i < 30; ++i) thirtyBlanks += " _";
    const Case cases[] = {
        {"WORD", 3, 3, true, "WORD"},  // the last letters shrink to 1, nothing is hidden
        {"WORD", 3, 3, false, "WORD"},
        {"ELEPHANT", 2, 1, true, "EL _ _ _ _ _ T"},
        {"ELEPHANT", 2, 1, false, "EL...T"},
        {"CAT", 0, 0, false, "..."},
        {"CAT", 5, 0, true, "CAT"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCD", 0, 0, true, thirtyBlanks},  // the closing space is cut at 60
        {"ABCDEFGHIJKLMNOPQRST", -3, 40, false, "...LMNOPQRST"},       // counts taken as 0 and 9
        {"", 2, 2, true, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PartialWord(c.word, c.first, c.last, c.underscores), c.shown) << c.word;
}

TEST(WordEntries, ScrambledWordsTakeTheNextFreeLetterFromTheEnd)
{
    struct Case {
        const char* word;
        std::vector<int> random;  // 0-based positions drawn
        const char* scrambled;
    };
    const Case cases[] = {
        {"Abc", {2, 2, 0}, "cba"},
        {"WORD", {1, 1, 3, 0}, "odrw"},
        {"\xC9t\xC9", {0, 1, 2}, "\xC9t\xC9"},  // only A-Z are lowered
    };
    for (const Case& c : cases) {
        ScriptedRandom random(c.random);
        EXPECT_EQ(ScrambledWord(c.word, random), c.scrambled) << c.word;
    }
}

// A word list of 1-inch lines at 9 points (1/8 inch high): 10 lines in 1.26 inch, two columns.
struct ListCase {
    const char* name;
    int words;
    bool makeItFit;
    std::size_t printed;
    bool overflow;
    int size;
};

TEST(WordList, ColumnsFillDownThenAcross)
{
    const ListCase cases[] = {
        {"20 words fill two columns", 20, false, 20, false, 9},
        {"a 21st does not fit", 21, false, 20, true, 9},
        {"Make It Fit shrinks for a 21st", 21, true, 21, false, 8},
        {"no words", 0, false, 0, false, 9},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        std::vector<std::string> words;
        for (int i = 0; i < c.words; ++i) words.push_back("W" + std::to_string(100 + i));
        setWords(*record, words);
        PageObject& list = addObject(*record, PageObjectKind::Words, {100, 100, 500, 226});
        list.FontSize = 9;
        list.MakeItFit = c.makeItFit;
        PrintOptions options = plainOptions();
        options.NumColumns = 2;
        const Rendered rendered = render(*record, options);
        const std::vector<TextOp> texts = operationsOf<TextOp>(rendered.page);
        EXPECT_EQ(texts.size(), c.printed);
        EXPECT_EQ(rendered.outcome.value.WordsOverflow, c.overflow);
        EXPECT_EQ(renderWarnings(rendered.outcome).size(), c.overflow ? 1u : 0u);
        if (c.words == 0) continue;
        EXPECT_EQ(lastFontSize(rendered.page), c.size);
        if (c.size != 9) continue;
        // margin = a quarter of "9" (0.075 / 4); columns (4 - margin) / 2 wide; rows 0.126 high.
        const double margin = 0.075 / 4, column = (4 - margin) / 2;
        EXPECT_POINT(texts[0].at, 1 + margin, 1 + 0.126 * 0.8);
        EXPECT_POINT(texts[9].at, 1 + margin, 1 + 0.126 * 9.8);
        EXPECT_POINT(texts[10].at, 1 + margin + column, 1 + 0.126 * 0.8);
        EXPECT_EQ(texts[19].text, "W119");
    }
}

TEST(WordList, AWordWiderThanItsColumnLeavesItsLineEmpty)
{
    auto record = pageRecord();
    setWords(*record, {"cat", "aardvarkosaurus", "dog"});
    addObject(*record, PageObjectKind::Words, {100, 100, 200, 390});  // 1 inch: 9 characters at 12 points
    const Rendered rendered = render(*record);
    const std::vector<TextOp> texts = operationsOf<TextOp>(rendered.page);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "cat");
    // Row 1 stays empty for the first word sorted; 17 rows of 2.9 / 17 inch at 12 points.
    EXPECT_NEAR(texts[0].at.y, 1 + 1.8 * 2.9 / 17, kTolerance);
    EXPECT_FALSE(rendered.outcome.value.WordsOverflow);
}

}  // namespace
}  // namespace qm::test
