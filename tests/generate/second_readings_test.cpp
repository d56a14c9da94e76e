// Second readings: the rule of what counts, the one-pass scan against a plain one, the random fill
// redrawn until the fill letters make none, and puzzles made the way `create` makes them.
#include <numeric>

#include <gtest/gtest.h>

#include "collection/puzzle_record_codec.h"
#include "generate/batch_creation.h"
#include "generate/build_puzzles.h"
#include "generate/generate_messages.h"
#include "generate/generation_fixtures.h"
#include "generate/puzzle_fill.h"
#include "generate/second_readings.h"
#include "support/plain_screen.h"
#include "support/plain_second_readings.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

struct Placement {
    const char* word;
    int startCell, endCell;  // cell numbers, 1-based
};

// Rows as gridRecord draws them, except that a small letter is a free cell holding that fill
// letter in capitals; the placements become words 1..n.
std::unique_ptr<PuzzleRecord> filledGrid(const std::vector<std::string>& rows, std::vector<Placement> placements)
{
    std::vector<std::string> letters = rows;
    for (auto& row : letters)
        for (char& c : row)
            if (c >= 'a' && c <= 'z') c = '.';
    auto record = gridRecord(letters);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            if (rows[r][c] >= 'a' && rows[r][c] <= 'z')
                record->FillLetters[r * kGridStride + c] = static_cast<std::uint8_t>(rows[r][c] - 'a' + 'A');
    for (std::size_t i = 0; i < placements.size(); ++i) {
        record->Words[i].assign(placements[i].word);
        record->StartCell[i] = static_cast<std::int16_t>(placements[i].startCell);
        record->EndCell[i] = static_cast<std::int16_t>(placements[i].endCell);
    }
    record->WordCount = static_cast<std::int16_t>(placements.size());
    return record;
}

struct ReadingCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<Placement> placements;
    int total, usingFill, bare;
};

class SecondReadingRule : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(SecondReadingRule, CountsWhatAChildWouldFindAgain)
{
    const ReadingCase& c = GetParam();
    const auto record = filledGrid(c.rows, c.placements);
    const SecondReadingScan scan(*record);
    const SecondReadings found = scan.count(record->FillLetters);
    EXPECT_EQ(found.total, c.total);
    EXPECT_EQ(found.usingFill, c.usingFill);
    EXPECT_EQ(scan.bareCount(), c.bare);
    EXPECT_EQ(static_cast<int>(plainSecondReadings(*record).size()), c.total);
    EXPECT_EQ(plainReadingsUsingFill(*record), c.usingFill);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondReadingRule,
    ::testing::Values(
        ReadingCase{"OwnPlacementOnly", {"CATxyz"}, {{"cat", 1, 3}}, 0, 0, 0},
        ReadingCase{"BackwardsAlongARowThroughFill", {"CATxtac"}, {{"cat", 1, 3}}, 1, 1, 0},
        ReadingCase{"DownADiagonalFromAWordLetter", {"CAT", "xax", "xxt"}, {{"cat", 1, 3}}, 1, 1, 0},
        ReadingCase{"UpAColumn", {"TAC", "axx", "cxx"}, {{"cat", 3, 1}}, 1, 1, 0},
        ReadingCase{"InsideCatsIsNoSecondReading", {"CATS", "xxxx"}, {{"cat", 1, 3}, {"cats", 1, 4}}, 0, 0, 0},
        ReadingCase{"InsideCatsPlacedElsewhere", {"CATS", "CATx"}, {{"cat", 51, 53}, {"cats", 1, 4}}, 0, 0, 0},
        ReadingCase{"APalindromeCopyCountsOnce", {"ABAxaba"}, {{"aba", 1, 3}}, 1, 1, 0},
        ReadingCase{"WordLettersAloneMakeABareCopy",
                    {"CATxx", "XCATY"},
                    {{"cat", 1, 3}, {"xca", 51, 53}, {"ty", 54, 55}},
                    1,
                    0,
                    1},
        ReadingCase{"ACellOutsideTheShapeBreaksACopy", {"CATc#at"}, {{"cat", 1, 3}}, 0, 0, 0},
        ReadingCase{"TheSameLettersListedTwiceCountTheirCopyOnce",
                    {"CATxxx", "xxxCAT", "catxxx"},
                    {{"cat", 1, 3}, {"Cat", 54, 56}},
                    1,
                    1,
                    0},
        ReadingCase{
            "EachWordReadingACopyCounts", {"TARxx", "RATxx", "xtarx"}, {{"tar", 1, 3}, {"rat", 51, 53}}, 2, 2, 0},
        ReadingCase{"SpacesAndCaseOfTheStoredWordDoNotMatter", {"NEWYORK", "kroywen"}, {{"new york", 1, 7}}, 1, 1, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Random grids full of short words over three letters: the one-pass scan finds what the plain
// scan finds, with fill letters and without.
TEST(SecondReadingScan, AgreesWithThePlainScan)
{
    const auto working = workingRecord({"ab", "ba", "aba", "tab", "bat", "at", "tt", "abba", "t"}, 9, 7);
    GenerationSettings settings;
    settings.Integration = 3;
    int readingsSeen = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        SeededRandom random(seed);
        Candidates candidates;
        BuildPuzzles(*working, fullShape(9, 7), settings, OffensiveWordScreen(BadWordList{}), random, candidates);
        PuzzleRecord& record = *candidates.Slots[0].Record;
        const SecondReadingScan scan(record);
        ASSERT_EQ(scan.bareCount(), static_cast<int>(plainSecondReadings(record).size())) << seed;
        for (int cell = 0; cell < kGridCells; ++cell)
            record.FillLetters[cell] = static_cast<std::uint8_t>("ABT"[random.Random(3)]);
        const SecondReadings found = scan.count(record.FillLetters);
        ASSERT_EQ(found.total, static_cast<int>(plainSecondReadings(record).size())) << seed;
        ASSERT_EQ(found.usingFill, plainReadingsUsingFill(record)) << seed;
        readingsSeen += found.total;
    }
    EXPECT_GT(readingsSeen, 100);
}

TEST(SecondReadingScan, BrokenPlacementsCoverNothingAndReadNothingOutOfBounds)
{
    auto record = filledGrid({"CATxcat"}, {{"cat", 1, 3}});
    for (const auto& [start, end] : std::vector<std::pair<int, int>>{{0, 3}, {1, 2600}, {1, 53}, {-5, 3}, {1, 2}}) {
        record->StartCell[0] = static_cast<std::int16_t>(start);
        record->EndCell[0] = static_cast<std::int16_t>(end);
        EXPECT_EQ(SecondReadingScan(*record).count(record->FillLetters).total, 2) << start << ' ' << end;
    }
}

TEST(SecondReadingFill, AFirstFillSpellingAPlacedWordAgainIsRedrawn)
{
    // C A T . . .  with CAT placed: the first fill C A T spells it again, the second is B B B.
    const std::vector<int> draws{2, 0, 19, 1, 1, 1};
    auto avoided = filledGrid({"CATxxx"}, {{"cat", 1, 3}});
    ScriptedRandom random(draws);
    const ScreenedFill fill = fillRandomlyAndScreen(*avoided, OffensiveWordScreen(BadWordList{}), random, true);
    EXPECT_TRUE(fill.passed);
    EXPECT_EQ(fill.fills, 2);
    EXPECT_EQ(fill.secondReadingsLeft, 0);
    EXPECT_EQ(std::string(avoided->FillLetters.begin() + 3, avoided->FillLetters.begin() + 6), "BBB");

    // Off: the first fill that passes the screen stays, copy and all.
    auto kept = filledGrid({"CATxxx"}, {{"cat", 1, 3}});
    ScriptedRandom same(draws);
    const ScreenedFill old = fillRandomlyAndScreen(*kept, OffensiveWordScreen(BadWordList{}), same, false);
    EXPECT_EQ(old.fills, 1);
    EXPECT_EQ(std::string(kept->FillLetters.begin() + 3, kept->FillLetters.begin() + 6), "CAT");
}

TEST(SecondReadingFill, AtTheBoundKeepsTheScreenedFillWithFewestReadings)
{
    // CA. with CA placed: a C in the free cell reads CA backwards. The first fill is C, every
    // later one Q, which the screen refuses: the C fill is the one kept.
    auto record = filledGrid({"CAx"}, {{"ca", 1, 2}});
    BadWordList list;
    list.Entries[list.Count++].assign("q");
    const OffensiveWordScreen screen(list);
    ScriptedRandom random({2, 16});
    const ScreenedFill fill = fillRandomlyAndScreen(*record, screen, random, true);
    EXPECT_TRUE(fill.passed);
    EXPECT_EQ(fill.fills, kRandomFillLimit);
    EXPECT_EQ(fill.secondReadingsLeft, 1);
    EXPECT_EQ(record->FillLetters[2], 'C');

    // Through the fill the chooser uses: the save goes on, with the readings left to report.
    ScriptedRandom again({2, 16});
    const Outcome<FreeCellsFill> chosen = fillFreeCells(*record, false, "", PhraseSource::Chooser, screen, again, true);
    EXPECT_TRUE(chosen.ok());
    EXPECT_EQ(chosen.value.secondReadingsLeft, 1);
    EXPECT_EQ(GenerateMessages::secondReadingsLeft(1).message,
              "The random letters keep spelling a listed word a second time.  The puzzle was saved with 1 second "
              "reading.");
    EXPECT_EQ(GenerateMessages::secondReadingsLeft(1234).message,
              "The random letters keep spelling a listed word a second time.  The puzzle was saved with 1,234 second "
              "readings.");
}

TEST(SecondReadingFill, APhraseIsNeverRedrawn)
{
    auto record = filledGrid({"CATxxx"}, {{"cat", 1, 3}});
    ScriptedRandom random({1});
    const Outcome<FreeCellsFill> fill =
        fillFreeCells(*record, true, "tac", PhraseSource::Chooser, OffensiveWordScreen(BadWordList{}), random, true);
    EXPECT_TRUE(fill.ok());
    EXPECT_EQ(fill.value.randomFills, 0);
    EXPECT_EQ(random.draws(), 0u);
    EXPECT_EQ(SecondReadingScan(*record).count(record->FillLetters).total, 1);
}

constexpr const char* kAnimals[] = {"cat", "dog", "cow", "pig", "hen", "rat", "bat", "eel", "elk", "emu",
                                    "fox", "gnu", "yak", "ape", "owl", "bee", "ant", "cod", "ewe", "hog"};

// Twenty three-letter animals on 14 x 14, the road of quillmaze-cli create with its defaults.
std::unique_ptr<BatchPuzzle> animalPuzzle(bool avoidSecondReadings)
{
    auto puzzle = std::make_unique<BatchPuzzle>();
    puzzle->form.Title = "Animals";
    puzzle->form.Category = "Zoo";
    for (std::size_t i = 0; i < std::size(kAnimals); ++i) puzzle->form.Rows[i].Word = kAnimals[i];
    puzzle->shape = fullShape(14, 14);
    puzzle->avoidSecondReadings = avoidSecondReadings;
    puzzle->keepExcluded = true;
    return puzzle;
}

// Fill-letter second readings in each of 200 created puzzles, counted by the plain scan.
std::vector<int> readingsThroughFill(bool avoidSecondReadings, const std::filesystem::path& file)
{
    const auto puzzle = animalPuzzle(avoidSecondReadings);
    CollectionFile collection(file);
    const OffensiveWordScreen screen(builtInBadWords());
    std::vector<int> counts;
    for (std::uint64_t seed = 1; seed <= 200; ++seed) {
        SeededRandom random(seed);
        WorkingCopy working;
        const Outcome<BatchPuzzleMade> created = CreateBatchPuzzle(*puzzle, collection, screen, random, working);
        EXPECT_TRUE(created.ok()) << seed;
        const int throughFill = plainReadingsUsingFill(*working.record);
        EXPECT_EQ(created.value.saved.secondReadings, static_cast<int>(plainSecondReadings(*working.record).size()));
        EXPECT_FALSE(created.value.saved.secondReadingsLeft);
        counts.push_back(throughFill);
    }
    return counts;
}

TEST(SecondReadingFill, TwoHundredCreatedPuzzlesHoldNoCopyThroughFillLetters)
{
    TempDir dir;
    const std::vector<int> avoided = readingsThroughFill(true, dir / "avoided.QZ3");
    for (std::size_t i = 0; i < avoided.size(); ++i) EXPECT_EQ(avoided[i], 0) << "seed " << i + 1;
    // The same puzzles with the setting off hold such copies: the check above has teeth.
    const std::vector<int> old = readingsThroughFill(false, dir / "old.QZ3");
    EXPECT_GT(std::accumulate(old.begin(), old.end(), 0), 50);
}

// With the setting off a save fills exactly as before: random letters redrawn only until the
// offensive-word screen passes.
TEST(SecondReadingFill, SettingOffGivesTheOldFillByteForByte)
{
    TempDir dir;
    const BadWordList badWords = builtInBadWords();
    const OffensiveWordScreen screen(badWords);
    const auto puzzle = animalPuzzle(false);
    int seedsWithCopies = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        CollectionFile collection(dir / ("seed" + std::to_string(seed) + ".QZ3"));
        SeededRandom random(seed);
        WorkingCopy working;
        ASSERT_TRUE(CreateBatchPuzzle(*puzzle, collection, screen, random, working).ok());

        // The old fill, replayed: the same run, then fills until the plain screen passes.
        SeededRandom replay(seed);
        WorkingCopy editor;
        startNewPuzzle(editor, working.record->Layout);
        PrepareCreate(puzzle->form, puzzle->shape, *editor.record);
        GenerationSettings settings = puzzle->settings;
        settings.Attempts = 1;
        auto candidates = std::make_unique<Candidates>();
        BuildPuzzles(*editor.record, puzzle->shape, settings, screen, replay, *candidates);
        PuzzleRecord expected = *candidates->Slots[0].Record;
        do fillRandomly(expected, replay);
        while (plainScreenFinds(badWords, expected));

        ASSERT_EQ(working.record->FillLetters, expected.FillLetters) << seed;
        ASSERT_EQ(working.record->Letters, expected.Letters) << seed;
        if (plainReadingsUsingFill(expected) > 0) ++seedsWithCopies;
    }
    EXPECT_GT(seedsWithCopies, 0);
}

}  // namespace
}  // namespace qm::test
