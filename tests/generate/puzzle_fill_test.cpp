// The letters of the free cells: the phrase checks, the phrase fill in reading order, random
// capitals, and random fills redrawn until the offensive-word screen passes.
#include <gtest/gtest.h>

#include "generate/generate_messages.h"
#include "generate/generation_fixtures.h"
#include "generate/puzzle_fill.h"

namespace qm::test {
namespace {

OffensiveWordScreen screenOf(std::initializer_list<const char*> words)
{
    BadWordList list;
    for (const char* word : words) list.Entries[list.Count++].assign(word);
    return OffensiveWordScreen(list);
}

// The FillLetters of the used rectangle, row by row, '|' between rows.
std::string fillText(const PuzzleRecord& record)
{
    std::string text;
    for (int row = 1; row <= record.usedHeight(); ++row) {
        if (row > 1) text += '|';
        for (int column = 1; column <= record.usedWidth(); ++column)
            text += static_cast<char>(record.FillLetters[cellNumber(row, column) - 1]);
    }
    return text;
}

TEST(FreeCells, CountsSpacesInsideTheUsedRectangleOnly)
{
    auto record = gridRecord({"A.#", "..B", "#.."});
    EXPECT_EQ(FreeCells(*record), 5);  // the spaces beyond column 3 and row 3 are not the puzzle's
    record->Width = 0;
    EXPECT_EQ(FreeCells(*record), 0);
    record->Width = 200;  // a broken record: clamped to the 50 columns of the grid
    record->Height = -4;
    EXPECT_EQ(FreeCells(*record), 0);
    EXPECT_EQ(freeCellsLabel(1234), "1,234 Chars");
}

TEST(PhraseFill, FillsFreeCellsInReadingOrderSkippingShapeGapsAndLetters)
{
    auto record = gridRecord({"A.#", "..B", "#.."});
    ASSERT_TRUE(CheckPhrase("  hello ", 5, PhraseSource::Chooser).ok());
    fillWithPhrase(*record, phraseText("  hello "));
    EXPECT_EQ(fillText(*record), "-H-|EL-|-LO");
}

TEST(PhraseFill, RaisesOnlyAsciiSmallLetters)
{
    auto record = gridRecord({"......"});
    fillWithPhrase(*record, "az\xE9\xE0Q7");
    EXPECT_EQ(fillText(*record), "AZ\xE9\xE0Q7");
}

TEST(CheckPhrase, RefusesSpacesInsideAndWrongLengthsWithTheirMessages)
{
    const Outcome<FormFocus> inside = CheckPhrase(" a bc ", 4, PhraseSource::Chooser);
    EXPECT_FALSE(inside.ok());
    EXPECT_EQ(inside.refusal.caption, "Error");
    EXPECT_EQ(inside.refusal.message, "Spaces were used in the hidden phrase.");
    EXPECT_EQ(inside.value.focus, FormField::HiddenPhrase);
    EXPECT_EQ(CheckPhrase("a bc", 4, PhraseSource::PhraseDialog).refusal.message,
              "Spaces were used in the hidden phrase.  Please correct.");

    const Outcome<FormFocus> length = CheckPhrase("abc", 12, PhraseSource::Chooser);
    EXPECT_FALSE(length.ok());
    EXPECT_EQ(length.refusal.message,
              "12 characters are required for the hidden phrase.  You have entered 3 characters.  Please change your "
              "phrase or select not to use a phrase.");
    EXPECT_EQ(CheckPhrase("abc", 12, PhraseSource::PhraseDialog).refusal.message, length.refusal.message);
    // The space check comes first, and a phrase as long as the free cells passes.
    EXPECT_EQ(CheckPhrase("a b", 12, PhraseSource::Chooser).refusal.message, "Spaces were used in the hidden phrase.");
    EXPECT_TRUE(CheckPhrase("\t" + std::string(12, 'x') + " ", 12, PhraseSource::Chooser).ok());
}

TEST(CheckPhrase, NoFreeCellAcceptsOnlyTheEmptyPhraseAndFillsNothing)
{
    EXPECT_TRUE(CheckPhrase("", 0, PhraseSource::Chooser).ok());
    EXPECT_TRUE(CheckPhrase("   ", 0, PhraseSource::Chooser).ok());
    EXPECT_FALSE(CheckPhrase("a", 0, PhraseSource::Chooser).ok());
    auto record = gridRecord({"AB", "#C"});
    fillWithPhrase(*record, "");
    EXPECT_EQ(fillText(*record), "--|--");
}

TEST(PhraseLabels, TheTypedCountIsTheLengthTheCheckCounts)
{
    EXPECT_EQ(freeCellsLabel(1340), "1,340 Chars");
    EXPECT_EQ(typedPhraseLabel("  ABC DE  "), "6 typed");  // blanks around the phrase do not count
    EXPECT_EQ(typedPhraseLabel(""), "0 typed");
}

TEST(PhraseAllowed, UpToTwoHundredFiftyFiveFreeCells)
{
    EXPECT_TRUE(phraseAllowed(0));
    EXPECT_TRUE(phraseAllowed(255));
    EXPECT_FALSE(phraseAllowed(256));
}

TEST(RandomFill, OnlyCapitalsIntoFreeCells)
{
    auto record = gridRecord({"A.#.", "...B"});
    ScriptedRandom random({0, 25, 1, 24, 12});
    fillRandomly(*record, random);
    EXPECT_EQ(fillText(*record), "-A-Z|BYM-");
    for (const int range : random.ranges()) EXPECT_EQ(range, 26);

    auto big = gridRecord(std::vector<std::string>(30, std::string(30, '.')));
    SeededRandom seeded(7);
    fillRandomly(*big, seeded);
    std::array<int, 26> seen{};
    for (int cell = 0; cell < kGridCells; ++cell) {
        if (big->Letters[cell] != ' ' || cellColumn(cell + 1) > 30 || cellRow(cell + 1) > 30) continue;
        const std::uint8_t letter = big->FillLetters[cell];
        ASSERT_TRUE(letter >= 'A' && letter <= 'Z') << int(letter);
        ++seen[letter - 'A'];
    }
    for (const int count : seen) EXPECT_GT(count, 0);
}

TEST(RandomFill, AFillThatSpellsAScreenedWordIsRedrawn)
{
    auto record = gridRecord({"C..", "###"});
    // First fill "CQQ" spells qq; the second "CAA" passes.
    ScriptedRandom random({16, 16, 0});
    const ScreenedFill fill = fillRandomlyAndScreen(*record, screenOf({"qq"}), random, false);
    EXPECT_TRUE(fill.passed);
    EXPECT_EQ(fill.fills, 2);
    EXPECT_EQ(fillText(*record), "-AA|---");
    EXPECT_FALSE(showsOffensiveWord(*record, screenOf({"qq"})));

    // Word letters and fill letters together form a screened word too.
    auto across = gridRecord({"CA."});
    ScriptedRandom letterB({1});
    fillRandomly(*across, letterB);
    EXPECT_TRUE(showsOffensiveWord(*across, screenOf({"cab"})));
}

TEST(RandomFill, StopsAtTheBoundWhenEveryFillFails)
{
    auto record = gridRecord({".."});
    ScriptedRandom random({0});
    const ScreenedFill fill = fillRandomlyAndScreen(*record, screenOf({"a"}), random, false);
    EXPECT_FALSE(fill.passed);
    EXPECT_EQ(fill.fills, kRandomFillLimit);
    EXPECT_EQ(random.draws(), static_cast<std::size_t>(2 * kRandomFillLimit));
}

// The chooser and the hidden-phrase dialog fill through the same call.
TEST(FillFreeCells, PhraseAfterItsChecksOrScreenedRandomLetters)
{
    auto record = gridRecord({"A.#", "..B", "#.."});
    ScriptedRandom random({3, 4, 5, 6, 7});
    fillRandomly(*record, random);
    EXPECT_EQ(currentPhrase(*record), "DEFGH");  // a random fill shows as the current text

    auto fill = [&](bool usePhrase, std::string_view typed, RandomSource& source,
                    const OffensiveWordScreen& screen = OffensiveWordScreen(BadWordList{})) {
        return fillFreeCells(*record, usePhrase, typed, PhraseSource::PhraseDialog, screen, source, false);
    };
    EXPECT_EQ(fill(true, "ab cd", random).refusal.message, "Spaces were used in the hidden phrase.  Please correct.");
    EXPECT_EQ(fill(true, "abc", random).refusal.message,
              "5 characters are required for the hidden phrase.  You have entered 3 characters.  Please change your "
              "phrase or select not to use a phrase.");
    EXPECT_EQ(fill(true, "abc", random).value.focus, FormField::HiddenPhrase);
    ASSERT_TRUE(fill(true, " fghij ", random).ok());
    EXPECT_TRUE(record->HiddenPhraseUsed);
    EXPECT_EQ(currentPhrase(*record), "FGHIJ");
    EXPECT_EQ(fillText(*record), "-F-|GH-|-IJ");

    ScriptedRandom zeros({0});
    const Outcome<FreeCellsFill> random0 = fill(false, "ignored", zeros);
    ASSERT_TRUE(random0.ok());
    EXPECT_EQ(random0.value.randomFills, 1);
    EXPECT_FALSE(record->HiddenPhraseUsed);
    EXPECT_EQ(currentPhrase(*record), "AAAAA");

    // Every fill spells a screened word: refused with the chooser's message after the bound.
    const Outcome<FreeCellsFill> refused = fill(false, "", zeros, screenOf({"aa"}));
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal.message, GenerateMessages::RandomFillScreened.message);
    EXPECT_EQ(refused.refusal.caption, "Error");
    EXPECT_EQ(refused.value.randomFills, kRandomFillLimit);

    // More than 255 free cells: the current text stops at 255.
    auto wide = gridRecord(std::vector<std::string>(16, std::string(16, '.')));
    EXPECT_EQ(currentPhrase(*wide).size(), 255u);
    EXPECT_FALSE(phraseAllowed(FreeCells(*wide)));
}

}  // namespace
}  // namespace qm::test
