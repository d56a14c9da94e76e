// Puzzles described as readable text, as the sample collection is written.
#include "generate/puzzle_description.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

TEST(PuzzleDescription, ReadsEveryKeyAndTheWordsWithTheirClues)
{
    const auto read = parsePuzzleDescription(
        "; a comment\n"
        "Category: Animals\r\nTitle:  Farm \r\nBonus: Which?\nShape: 3\nLayout: 2\nAttempts: 250\n"
        "Integration: 4\nShrink: yes\nDirections: Right, Down\nSeed: 18446744073709551615\nPhrase: HELLO\n\n"
        "Words:\nCOW: Gives milk: and cream\n\n  PIG  \n",
        "farm.txt");
    ASSERT_TRUE(read) << read.failure().describe();
    const PuzzleDescription& d = *read;
    EXPECT_EQ(d.form.Category, "Animals");
    EXPECT_EQ(d.form.Title, "Farm");
    EXPECT_EQ(d.form.BonusQuestion, "Which?");
    EXPECT_EQ(d.shapeIndex, 3);
    EXPECT_EQ(d.layoutIndex, 2);
    EXPECT_EQ(d.form.AttemptsText, "250");
    EXPECT_EQ(d.settings.Integration, 4);
    EXPECT_TRUE(d.settings.Shrink);
    EXPECT_EQ(d.settings.Allowed, (DirectionSet{false, false, true, false, true, false, false, false}));
    EXPECT_EQ(d.seed, UINT64_MAX);
    EXPECT_EQ(d.phrase, "HELLO");
    EXPECT_EQ(d.form.Rows[0].Word, "COW");
    EXPECT_EQ(d.form.Rows[0].Clue, "Gives milk: and cream");
    EXPECT_EQ(d.form.Rows[1].Word, "PIG");
    EXPECT_EQ(d.form.Rows[1].Clue, "");
    EXPECT_TRUE(d.form.Rows[2].Word.empty());
}

TEST(PuzzleDescription, RefusesWhatItCannotReadWithTheLine)
{
    const struct {
        const char* text;
        const char* reason;
    } cases[] = {
        {"Title: A\nColour: red\nWords:\nX\n", "line 2: unknown key \"Colour\""},
        {"Title A\nWords:\nX\n", "line 1: no \"Key: value\""},
        {"Attempts: 1000\nWords:\nX\n", "line 1: the attempts are a whole number 1 to 999"},
        {"Attempts: 12x\nWords:\nX\n", "line 1: the attempts are a whole number 1 to 999"},
        {"Shape: -1\nWords:\nX\n", "line 1: a shape or layout is a record number from 0"},
        {"Integration: 7\nWords:\nX\n", "line 1: the integration is a whole number 0 to 6"},
        {"Shrink: maybe\nWords:\nX\n", "line 1: shrink is yes or no"},
        {"Directions: Right,,Down\nWords:\nX\n", "line 1: unknown direction \"\""},
        {"Directions: Sideways\nWords:\nX\n", "line 1: unknown direction \"Sideways\""},
        {"Seed: 18446744073709551616\nWords:\nX\n", "line 1: the seed is a whole number"},
        {"Title: A\n", "no \"Words:\" line"},
        {"Title: A\nWords:\n\n", "1 to 330 words are needed"},
    };
    for (const auto& c : cases) {
        const auto read = parsePuzzleDescription(c.text, "bad.txt");
        ASSERT_FALSE(read) << c.text;
        EXPECT_EQ(read.failure().kind, FailureKind::BadContent);
        EXPECT_EQ(read.failure().path, "bad.txt");
        EXPECT_NE(read.failure().describe().find(c.reason), std::string::npos) << read.failure().describe();
    }
    std::string many = "Words:\n";
    for (int i = 0; i < 331; ++i) many += "W" + std::to_string(i) + "\n";
    EXPECT_FALSE(parsePuzzleDescription(many, "many.txt"));
}

}  // namespace
}  // namespace qm
