// The clues: their text, the number column, wrapping into at most 7 lines and placement in
// columns.
#include <gtest/gtest.h>

#include "output/page/clue_text.h"
#include "output/page/word_entries.h"
#include "output/render_fixtures.h"

namespace qm::test {
namespace {

PrintOptions clueOptions(int columns = 1)
{
    PrintOptions options = plainOptions();
    options.WordOption = kWordOptionClues;
    options.NumColumns = columns;
    return options;
}

TEST(ClueText, WordShownOrBlankedBeforeTheClue)
{
    struct Case {
        const char* name;
        bool answerKey, underscores;
        const char* word;
        std::string text;
    };
    const Case cases[] = {
        {"answer key", true, false, "Lion", "(Lion) King of beasts"},
        {"answer key before underscores", true, true, "Lion", "(Lion) King of beasts"},
        {"underscores", false, true, "Lion", "(_ _ _ _) King of beasts"},
        {"underscores of no word", false, true, "", "() King of beasts"},
        {"the clue alone", false, false, "Lion", "King of beasts"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        setWords(*record, {c.word}, {"King of beasts"});
        PrintOptions options = clueOptions();
        options.AnswerKey = c.answerKey;
        options.ClueUnderscore = c.underscores;
        EXPECT_EQ(ClueText(*record, 0, options), c.text);
    }
}

TEST(ClueText, WrapsAtSpacesIntoAtMostSevenLines)
{
    struct Case {
        const char* name;
        std::string text;
        double width;  // characters are 0.1 inch at 12 points
        bool makeItFit;
        std::vector<std::size_t> lines;
        bool failed;
    };
    const Case cases[] = {
        {"fits", "a bb ccc", 0.85, false, {8}, false},
        {"the last word moves down", "aaaa bbbb", 0.85, false, {5, 4}, false},
        {"spaces stay with the line above", "aaaa   bbbb cc", 0.75, false, {7, 7}, false},
        {"a word wider than the column", "aa bbbbbbbbbb cc", 0.55, false, {3}, true},
        {"eight lines are cut to seven", "a b c d e f g h", 0.25, false, {2, 2, 2, 2, 2, 2, 2}, false},
        {"eight lines fail with Make It Fit", "a b c d e f g h", 0.25, true, {2, 2, 2, 2, 2, 2, 2}, true},
        {"an empty clue is one empty line", "", 0.5, false, {0}, false},
        {"no room at all", "", 0, false, {}, true},
    };
    FixedMetrics metrics;
    RecordingTarget target(metrics);
    FontSpec font;
    font.Size = 12;
    target.setFont(font);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WrappedClue wrapped = WrapClue(target, c.text, c.width, c.makeItFit);
        EXPECT_EQ(wrapped.lineLengths, c.lines);
        EXPECT_EQ(wrapped.failed, c.failed);
    }
}

TEST(ClueList, NumberColumnWidensWithTheClueCount)
{
    struct Case {
        int clues;
        double numberWidth;  // in widths of "9", 0.1 inch at 12 points
    };
    for (const Case c : {Case{9, 0.2}, Case{10, 0.3}, Case{99, 0.3}, Case{100, 0.4}}) {
        SCOPED_TRACE(c.clues);
        auto record = pageRecord();
        setWords(*record, std::vector<std::string>(c.clues, "cat"), std::vector<std::string>(c.clues, "pet"));
        addObject(*record, PageObjectKind::Words, {100, 100, 500, 1000}).FontSize = 6;
        const PageFile page = render(*record, clueOptions()).page;
        const std::vector<TextOp> texts = operationsOf<TextOp>(page);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts[0].text, "1.");
        EXPECT_NEAR(texts[0].at.x, 1 + 0.05 / 4, kTolerance);
        EXPECT_NEAR(texts[1].at.x, 1 + 0.05 / 4 + c.numberWidth / 2, kTolerance);  // 6 points: half as wide
    }
}

TEST(ClueList, AClueFillingAColumnSendsTheNextToTheNextColumn)
{
    auto record = pageRecord();
    // Two columns of clue text (4.63 - 0.625) / 2 = 2.0025 inch wide (19 characters) beside
    // numbers 0.2 wide, a gap of 0.2 and a margin of 0.025. Three rows of 0.55 / 3 inch.
    setWords(*record, {"ant", "bee", "cow"},
             {std::string(18, 'a') + " " + std::string(18, 'b') + " cccc", "short", "third"});
    addObject(*record, PageObjectKind::Words, {100, 100, 563, 155});
    const Rendered rendered = render(*record, clueOptions(2));
    const double row = 0.55 / 3;
    const std::vector<TextOp> texts = operationsOf<TextOp>(rendered.page);
    const std::vector<std::string> expected = {
        "1.", std::string(18, 'a'), std::string(18, 'b'), "cccc", "2.", "short", "3.", "third"};
    EXPECT_EQ(printedTexts(rendered.page), expected);
    ASSERT_EQ(texts.size(), expected.size());
    EXPECT_POINT(texts[0].at, 1.025, 1 + 0.8 * row);
    EXPECT_POINT(texts[3].at, 1.225, 1 + 2.8 * row);
    const double nextColumn = 0.2 + 0.2 + 2.0025;
    EXPECT_POINT(texts[4].at, 1.025 + nextColumn, 1 + 0.8 * row);
    EXPECT_POINT(texts[5].at, 1.225 + nextColumn, 1 + 0.8 * row);
    EXPECT_POINT(texts[7].at, 1.225 + nextColumn, 1 + 1.8 * row);
    EXPECT_FALSE(rendered.outcome.value.CluesOverflow);
}

TEST(ClueList, WhatDoesNotFitEndsTheCluesPrinted)
{
    struct Case {
        const char* name;
        std::vector<std::string> clues;
        bool makeItFit;
        std::vector<std::string> printed;
        bool overflow;
    };
    // One column 0.975 inch wide (9 characters) beside numbers 0.2 wide; three rows.
    const Case cases[] = {
        {"a fourth clue has no row",
         {"one", "two", "three", "four"},
         false,
         {"1.", "one", "2.", "two", "3.", "three"},
         true},
        {"a word wider than the column", {"one", "enormously", "three"}, false, {"1.", "one"}, true},
        {"a clue taller than the column", {"a b c d e f g h i j k l m n o p"}, false, {}, true},
        {"Make It Fit shrinks until all fit",
         {"one", "two", "three", "four"},
         true,
         {"1.", "one", "2.", "two", "3.", "three", "4.", "four"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        setWords(*record, std::vector<std::string>(c.clues.size(), "w"), c.clues);
        addObject(*record, PageObjectKind::Words, {100, 100, 220, 155}).MakeItFit = c.makeItFit;
        const Rendered rendered = render(*record, clueOptions());
        EXPECT_EQ(printedTexts(rendered.page), c.printed);
        EXPECT_EQ(rendered.outcome.value.CluesOverflow, c.overflow);
        EXPECT_EQ(renderWarnings(rendered.outcome).size(), c.overflow ? 1u : 0u);
    }
}

}  // namespace
}  // namespace qm::test
