// The rules of a generation run that a user sees in the candidates: word integration, passes,
// directions, ranking, early end, letters as placed, shrink, the shape, the stored order, and
// runs that cannot succeed ending all the same.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "generate/build_puzzles.h"
#include "generate/generation_fixtures.h"
#include "generate/letter_case.h"

namespace qm::test {
namespace {

const OffensiveWordScreen kNoScreen{BadWordList{}};  // no entry: nothing is screened out

GenerationSettings settingsWith(int integration, int attempts = 1)
{
    GenerationSettings settings;
    settings.Integration = integration;
    settings.Attempts = attempts;
    return settings;
}

GenerationSettings onlyDirection(Direction direction, int integration)
{
    GenerationSettings settings = settingsWith(integration);
    settings.Allowed.fill(false);
    settings.Allowed[directionCode(direction) - 1] = true;
    return settings;
}

// The cells of word slot (0-based) of a candidate record, from its start and end cell.
std::vector<int> cellsOfWord(const PuzzleRecord& record, int slot)
{
    int letters = 0;
    for (const char c : record.Words[slot].view()) letters += c != ' ';
    const int start = record.StartCell[slot];
    const int step = letters > 1 ? (record.EndCell[slot] - start) / (letters - 1) : 0;
    std::vector<int> cells;
    for (int i = 0; i < letters; ++i) cells.push_back(start + i * step);
    return cells;
}

std::string gridText(const PuzzleRecord& record, const std::vector<int>& cells)
{
    std::string text;
    for (const int cell : cells) text.push_back(static_cast<char>(record.Letters[cell - 1]));
    return text;
}

const std::vector<std::string> kAnimals{"HORSE",  "ZEBRA",  "TIGER",  "LION",   "BEAR",   "WOLF",   "MOUSE",  "SNAKE",
                                        "EAGLE",  "OTTER",  "RABBIT", "BADGER", "FERRET", "BEAVER", "MARTEN", "DONKEY",
                                        "TURTLE", "LIZARD", "GECKO",  "RAVEN",  "HERON",  "STORK"};

// The difference of the cell numbers of two neighbouring letters.
int cellStep(Direction direction)
{
    const DirectionStep step = directionStep(direction);
    return step.row * kGridStride + step.column;
}

TEST(BuildPuzzles, IntegrationZeroSharesNoCellAndOneCrossesAtMostOnce)
{
    for (const int integration : {0, 1}) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            SCOPED_TRACE("integration " + std::to_string(integration) + ", seed " + std::to_string(seed));
            const auto working = workingRecord(kAnimals, 12, 12);
            Candidates candidates;
            SeededRandom random(seed);
            BuildPuzzles(*working, fullShape(12, 12), settingsWith(integration, 4), kNoScreen, random, candidates);
            // Words are placed longest first, equal lengths in list order.
            std::vector<std::string> placementOrder = kAnimals;
            std::stable_sort(placementOrder.begin(), placementOrder.end(),
                             [](const auto& a, const auto& b) { return a.size() > b.size(); });
            for (const auto& slot : candidates.Slots) {
                if (slot.Score == 0) continue;
                std::map<std::string, std::vector<int>> cells;
                for (int i = 0; i < slot.Score; ++i) cells[slot.Record->Words[i].text()] = cellsOfWord(*slot.Record, i);
                std::set<int> earlierCells;
                for (const auto& word : placementOrder) {
                    if (!cells.count(word)) continue;
                    const int crossings =
                        static_cast<int>(std::count_if(cells[word].begin(), cells[word].end(),
                                                       [&](int cell) { return earlierCells.count(cell) > 0; }));
                    EXPECT_LE(crossings, integration) << word;
                    earlierCells.insert(cells[word].begin(), cells[word].end());
                }
            }
        }
    }
}

// The first word meets an empty grid, so every pass that demands crossings fails: each failed pass
// tries all eight directions, each try drawing its two offsets.
TEST(BuildPuzzles, FirstWordOfAnEmptyGridWaitsForThePassDemandingNothing)
{
    const std::map<int, std::size_t> drawsByIntegration{{0, 3}, {1, 3}, {2, 3}, {3, 19}, {4, 35}, {5, 51}, {6, 67}};
    for (const auto& [integration, draws] : drawsByIntegration) {
        SCOPED_TRACE("integration " + std::to_string(integration));
        const auto working = workingRecord({"HORSE"}, 15, 15);
        Candidates candidates;
        CountingRandom random(7);
        BuildPuzzles(*working, fullShape(15, 15), settingsWith(integration), kNoScreen, random, candidates);
        EXPECT_EQ(candidates.Slots[0].Score, 1);
        EXPECT_EQ(random.draws(), draws);  // integration 6: the fifth pass places it
    }
}

TEST(BuildPuzzles, OneEnabledDirectionIsTriedOncePerPass)
{
    const auto working = workingRecord({"HORSE"}, 15, 15);
    Candidates candidates;
    CountingRandom random(3);
    BuildPuzzles(*working, fullShape(15, 15), onlyDirection(Direction::Right, 6), kNoScreen, random, candidates);
    EXPECT_EQ(random.draws(), 1u + 5 * 2);  // the direction, then five passes of one try

    for (int code = 1; code <= kDirectionCount; ++code) {
        const Direction direction = directionOfCode(code);
        SCOPED_TRACE(std::string(directionName(direction)));
        const auto many = workingRecord(kAnimals, 14, 14);
        SeededRandom seeded(code);
        BuildPuzzles(*many, fullShape(14, 14), onlyDirection(direction, 2), kNoScreen, seeded, candidates);
        const PuzzleRecord& best = *candidates.Slots[0].Record;
        ASSERT_GT(candidates.Slots[0].Score, 0);
        for (int i = 0; i < candidates.Slots[0].Score; ++i) {
            const auto cells = cellsOfWord(best, i);
            EXPECT_EQ(cells[1] - cells[0], cellStep(direction)) << best.Words[i].text();
            EXPECT_EQ(gridText(best, cells), best.Words[i].text());
        }
    }
}

class AttemptCounter final : public GenerationProgress {
public:
    explicit AttemptCounter(int abortAfter = 0) : m_abortAfter(abortAfter) {}
    void attemptStarting(int attemptNumber) override { numbers.push_back(attemptNumber); }
    bool abortRequested() override { return m_abortAfter > 0 && static_cast<int>(numbers.size()) >= m_abortAfter; }
    std::vector<int> numbers;

private:
    int m_abortAfter;
};

TEST(BuildPuzzles, EqualScoresKeepTheEarlierAttemptHigher)
{
    const auto working = workingRecord({"CAT", "DOG", "EMU"}, 15, 15);
    Candidates once, twice;
    SeededRandom first(11), second(11);
    BuildPuzzles(*working, fullShape(15, 15), settingsWith(2, 1), kNoScreen, first, once);
    BuildPuzzles(*working, fullShape(15, 15), settingsWith(2, 2), kNoScreen, second, twice);
    ASSERT_EQ(once.Slots[0].Score, 3);
    EXPECT_EQ(twice.Slots[0].Score, 3);
    EXPECT_EQ(twice.Slots[1].Score, 3);
    EXPECT_EQ(recordBytes(*twice.Slots[0].Record), recordBytes(*once.Slots[0].Record));
    EXPECT_NE(recordBytes(*twice.Slots[1].Record), recordBytes(*once.Slots[0].Record));
    EXPECT_EQ(twice.Slots[2].Score, 0);
    // A single attempt fills slot 1 only.
    EXPECT_EQ(once.Slots[1].Score, 0);
}

TEST(BuildPuzzles, FourGridsWithEveryWordEndTheRunEarly)
{
    const auto working = workingRecord({"CAT", "DOG", "EMU"}, 15, 15);
    Candidates candidates;
    SeededRandom random(5);
    AttemptCounter progress;
    const Outcome<GenerationRun> outcome =
        BuildPuzzles(*working, fullShape(15, 15), settingsWith(6, 999), kNoScreen, random, candidates, &progress);
    EXPECT_EQ(progress.numbers, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(outcome.value.AttemptCounter, 999);
    EXPECT_NE(outcome.kind, Ending::Kind::Cancelled);
    for (const auto& slot : candidates.Slots) EXPECT_EQ(slot.Score, 3);
}

TEST(BuildPuzzles, AbortEndsTheRunAfterTheAttemptInProgress)
{
    const auto working = workingRecord(kAnimals, 8, 8);
    Candidates candidates;
    SeededRandom random(5);
    AttemptCounter progress(2);
    const Outcome<GenerationRun> outcome =
        BuildPuzzles(*working, fullShape(8, 8), settingsWith(6, 999), kNoScreen, random, candidates, &progress);
    EXPECT_EQ(outcome.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(outcome.value.AttemptCounter, 2);
    EXPECT_GT(candidates.Slots[0].Score, 0);
    EXPECT_GT(candidates.Slots[1].Score, 0);
    EXPECT_EQ(candidates.Slots[2].Score, 0);
}

TEST(BuildPuzzles, LettersArePlacedAsCapitalsWithoutSpaces)
{
    struct Case {
        std::string word;
        std::string cells;
    };
    const Case cases[] = {
        {"NEW YORK", "NEWYORK"},
        {"X-15", "X-15"},
        {"caf\xE9 cr\xE8me", "CAF\xC9"
                             "CR\xC8ME"},
        {"\xF7\xFF\xE0\xF6\xF8\xFE\xDF", "\xF7\xFF\xC0\xD6\xD8\xDE\xDF"},
    };
    for (const auto& [word, cells] : cases) {
        SCOPED_TRACE(word);
        const auto working = workingRecord({word}, 12, 3);
        Candidates candidates;
        SeededRandom random(1);
        BuildPuzzles(*working, fullShape(12, 3), onlyDirection(Direction::Right, 2), kNoScreen, random, candidates);
        const PuzzleRecord& best = *candidates.Slots[0].Record;
        ASSERT_EQ(candidates.Slots[0].Score, 1);
        EXPECT_EQ(best.Words[0].text(), word);  // the stored word keeps its spaces and case
        EXPECT_EQ(best.EndCell[0] - best.StartCell[0], static_cast<int>(cells.size()) - 1);
        EXPECT_EQ(gridText(best, cellsOfWord(best, 0)), cells);
    }
}

TEST(BuildPuzzles, ShrinkCutsEmptyRowsAtTheBottomAndColumnsAtTheRightOnly)
{
    struct Case {
        const char* name;
        int row, column;  // the only cells of the shape: three to the right from here
        bool shrink;
        int width, height;
    };
    const Case cases[] = {
        {"words in the upper left", 1, 1, true, 3, 1},
        {"empty rows above and columns to the left stay", 5, 4, true, 6, 5},
        {"at the far corner nothing goes", 20, 18, true, 20, 20},
        {"without shrink", 5, 4, false, 20, 20},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        ShapeRecord shape = fullShape(20, 20);
        shape.Mask.fill(0);
        for (int k = 0; k < 3; ++k) shape.Mask[cellNumber(test.row, test.column + k) - 1] = 1;
        const auto working = workingRecord({"EMU"}, 20, 20);
        Candidates candidates;
        SeededRandom random(2);
        GenerationSettings settings = settingsWith(2);
        settings.Shrink = test.shrink;
        BuildPuzzles(*working, shape, settings, kNoScreen, random, candidates);
        ASSERT_EQ(candidates.Slots[0].Score, 1);
        EXPECT_EQ(candidates.Slots[0].Record->Width, test.width);
        EXPECT_EQ(candidates.Slots[0].Record->Height, test.height);
    }
}

TEST(BuildPuzzles, CellsOutsideTheShapeAreZeroAndNeverUsed)
{
    ShapeRecord shape = fullShape(14, 14);
    SeededRandom maskRandom(9);
    for (auto& cell : shape.Mask) cell = maskRandom.Random(4) == 0 ? 0 : 1;
    const auto working = workingRecord(kAnimals, 14, 14);
    Candidates candidates;
    SeededRandom random(4);
    BuildPuzzles(*working, shape, settingsWith(6, 20), kNoScreen, random, candidates);
    for (const auto& slot : candidates.Slots) {
        ASSERT_GT(slot.Score, 0);
        for (int cell = 1; cell <= kGridCells; ++cell) {
            if (shape.Mask[cell - 1] == 0) {
                EXPECT_EQ(slot.Record->Letters[cell - 1], 0) << "cell " << cell;
            }
        }
        for (int i = 0; i < slot.Score; ++i)
            for (const int cell : cellsOfWord(*slot.Record, i)) EXPECT_NE(shape.Mask[cell - 1], 0);
    }
}

TEST(BuildPuzzles, StoredOrderIsAlphabeticalWithTheExcludedWordsBehind)
{
    const std::vector<std::string> words{"ZEBRA", "ANT", "ELEPHANTS", "   ", "BEE", "CROCODILE", "ox", "ANT"};
    const std::vector<std::string> clues{"stripes", "small", "large", "blank", "buzz", "teeth", "yoke", "again"};
    const auto working = workingRecord(words, 5, 5, clues);
    Candidates candidates;
    SeededRandom random(6);
    BuildPuzzles(*working, fullShape(5, 5), settingsWith(2), kNoScreen, random, candidates);
    const CandidateSlot& best = candidates.Slots[0];
    ASSERT_EQ(best.Score, 5);
    const PuzzleRecord& record = *best.Record;
    EXPECT_EQ(record.WordCount, 5);
    const std::vector<std::pair<std::string, std::string>> expected{
        {"ANT", "small"}, {"ANT", "again"}, {"BEE", "buzz"},        {"ZEBRA", "stripes"},
        {"ox", "yoke"},   {"   ", "blank"}, {"CROCODILE", "teeth"}, {"ELEPHANTS", "large"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(record.Words[i].text(), expected[i].first) << i;
        EXPECT_EQ(record.Clues[i].text(), expected[i].second) << i;
        EXPECT_EQ(best.PlacedFlags[i], i < 5) << i;
    }
    EXPECT_TRUE(record.Words[8].empty());
}

TEST(BuildPuzzles, WorkingRecordIsLeftByteForByte)
{
    auto working = workingRecord(kAnimals, 10, 10);
    working->Layout.Objects[0].Text[300] = 0x7E;
    working->Reserved[3] = 0x11;
    working->BonusQuestion.assign("Which one flies?");
    working->Placed[2] = true;
    const auto before = recordBytes(*working);
    Candidates candidates;
    SeededRandom random(8);
    GenerationSettings settings = settingsWith(6, 30);
    settings.Shrink = true;
    BuildPuzzles(*working, fullShape(10, 10), settings, OffensiveWordScreen(builtInBadWords()), random, candidates);
    EXPECT_EQ(recordBytes(*working), before);
    // What the run does not build travels along into every candidate.
    const PuzzleRecord& best = *candidates.Slots[0].Record;
    EXPECT_EQ(best.Layout, working->Layout);
    EXPECT_EQ(best.Reserved, working->Reserved);
    EXPECT_EQ(best.BonusQuestion.text(), "Which one flies?");
    EXPECT_EQ(best.Title.text(), "Animals");
    for (int i = 0; i < kMaxWords; ++i) EXPECT_EQ(best.Placed[i].raw, working->Placed[i].raw);
}

TEST(BuildPuzzles, RunsThatCannotPlaceAWordEndPromptly)
{
    Candidates candidates;
    {
        SCOPED_TRACE("no direction enabled");
        GenerationSettings settings = settingsWith(6, 999);
        settings.Allowed.fill(false);
        SeededRandom random(1);
        const auto working = workingRecord(kAnimals, 15, 15);
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*working, fullShape(15, 15), settings, kNoScreen, random, candidates);
        EXPECT_EQ(outcome.value.AttemptCounter, 999);
        for (const auto& slot : candidates.Slots) EXPECT_EQ(slot.Score, 0);
    }
    {
        SCOPED_TRACE("330 words too long for the grid");
        const std::vector<std::string> words(kMaxWords, std::string(30, 'W'));
        const auto working = workingRecord(words, 10, 10);
        SeededRandom random(1);
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*working, fullShape(10, 10), settingsWith(6, 999), kNoScreen, random, candidates);
        EXPECT_EQ(outcome.value.AttemptCounter, 999);
        for (const auto& slot : candidates.Slots) EXPECT_EQ(slot.Score, 0);
    }
    {
        SCOPED_TRACE("330 words, some of which fit");
        std::vector<std::string> words;
        for (int i = 0; i < kMaxWords; ++i) words.push_back(kAnimals[i % kAnimals.size()] + std::to_string(i));
        const auto working = workingRecord(words, 15, 15);
        SeededRandom random(1);
        BuildPuzzles(*working, fullShape(15, 15), settingsWith(6, 5), kNoScreen, random, candidates);
        for (const auto& slot : candidates.Slots) {
            EXPECT_GT(slot.Score, 0);
            EXPECT_LT(slot.Score, kMaxWords);
        }
    }
}

// A listed word that holds a screened word spoils every attempt that places it. Rejected attempts
// do not count, so the run ends at its limit of rejections instead, with nothing kept.
TEST(BuildPuzzles, AttemptsTheScreenKeepsRejectingEndTheRun)
{
    const auto working = workingRecord({"HORSE", "SHITHEAD", "ZEBRA"}, 12, 12);
    Candidates candidates;
    SeededRandom random(3);
    AttemptCounter progress;
    const Outcome<GenerationRun> outcome =
        BuildPuzzles(*working, fullShape(12, 12), settingsWith(6, 3), OffensiveWordScreen(builtInBadWords()), random,
                     candidates, &progress);
    EXPECT_TRUE(outcome.value.RejectionLimitReached);
    EXPECT_EQ(outcome.value.RejectedAttempts, rejectedAttemptLimit(3));
    EXPECT_EQ(outcome.value.AttemptsMade, rejectedAttemptLimit(3));
    EXPECT_EQ(outcome.value.AttemptCounter, 0);
    // The number shown does not move on while attempts are rejected.
    EXPECT_TRUE(std::all_of(progress.numbers.begin(), progress.numbers.end(), [](int n) { return n == 1; }));
    for (const auto& slot : candidates.Slots) EXPECT_EQ(slot.Score, 0);
    // The run says why: every attempt was screened, and the second word spells a screened word.
    EXPECT_TRUE(outcome.value.EveryAttemptScreened);
    EXPECT_EQ(outcome.value.ScreenedWord, 2);
}

TEST(BuildPuzzles, AScreenedRunNamesTheWordOnlyWhenOneSpellsAScreenedWordItself)
{
    BadWordList list;
    list.Entries[list.Count++].assign("ab");
    const OffensiveWordScreen screen(list);
    Candidates candidates;
    // Two cells for the words A and B: every grid reads AB one way or the other.
    {
        const auto working = workingRecord({"A", "B"}, 2, 1);
        SeededRandom random(5);
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*working, fullShape(2, 1), settingsWith(6, 2), screen, random, candidates);
        EXPECT_TRUE(outcome.value.EveryAttemptScreened);
        EXPECT_EQ(outcome.value.ScreenedWord, 0);
    }
    // A word spells it backwards, in small letters, across its space.
    {
        const auto working = workingRecord({"CAT", "Rob a", "DOG"}, 8, 8);
        SeededRandom random(5);
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*working, fullShape(8, 8), settingsWith(6, 2), screen, random, candidates);
        EXPECT_TRUE(outcome.value.EveryAttemptScreened);
        EXPECT_EQ(outcome.value.ScreenedWord, 2);
    }
    // A run that kept a candidate says nothing, even with such a word in the list.
    {
        const auto working = workingRecord({"CAT", "DOG"}, 8, 8);
        SeededRandom random(5);
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*working, fullShape(8, 8), settingsWith(6, 2), screen, random, candidates);
        EXPECT_FALSE(outcome.value.EveryAttemptScreened);
        EXPECT_EQ(outcome.value.ScreenedWord, 0);
        EXPECT_GT(candidates.Slots[0].Score, 0);
    }
}

TEST(BuildPuzzles, AbsurdAttemptsAndIntegrationAreKeptInRange)
{
    const auto working = workingRecord({"CAT"}, 15, 15);
    Candidates candidates;
    for (const int attempts : {0, -5}) {
        SeededRandom random(1);
        GenerationSettings settings = settingsWith(99, attempts);
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*working, fullShape(15, 15), settings, kNoScreen, random, candidates);
        EXPECT_EQ(outcome.value.AttemptsMade, 1);
        EXPECT_EQ(candidates.Slots[0].Score, 1);
    }
}

TEST(Candidates, AnAttemptTakesTheFirstSlotItStrictlyBeats)
{
    struct Case {
        std::vector<int> scores;        // attempts in order
        std::vector<std::string> kept;  // slots 1..4: which attempt, "" when empty
    };
    const Case cases[] = {
        {{5}, {"a0", "", "", ""}},
        {{3, 5}, {"a1", "a0", "", ""}},
        {{5, 5, 5}, {"a0", "a1", "a2", ""}},
        {{4, 6, 5, 5, 2, 7}, {"a5", "a1", "a2", "a3"}},
        {{1, 2, 3, 4, 5}, {"a4", "a3", "a2", "a1"}},
        {{0, 0}, {"", "", "", ""}},
        {{3, 3, 3, 3, 3, 9}, {"a5", "a0", "a1", "a2"}},
    };
    for (const auto& test : cases) {
        Candidates candidates;
        for (std::size_t attempt = 0; attempt < test.scores.size(); ++attempt) {
            const int slot = makeRoomForAttempt(candidates, test.scores[attempt]);
            if (slot >= 0) candidates.Slots[slot].Record->Title.assign("a" + std::to_string(attempt));
        }
        for (int slot = 0; slot < kCandidateSlots; ++slot) {
            const std::string kept =
                candidates.Slots[slot].Score > 0 ? candidates.Slots[slot].Record->Title.text() : "";
            EXPECT_EQ(kept, test.kept[slot]) << "slot " << slot + 1;
        }
    }
}

TEST(UpCaseLetter, RaisesTheSmallLettersOfTheCodePageOnly)
{
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {'a', 'A'},   {'z', 'Z'},   {'`', '`'},   {'{', '{'},   {'A', 'A'},   {'5', '5'},   {'-', '-'},   {0xDF, 0xDF},
        {0xE0, 0xC0}, {0xF6, 0xD6}, {0xF7, 0xF7}, {0xF8, 0xD8}, {0xFE, 0xDE}, {0xFF, 0xFF}, {0x9A, 0x9A}, {0x00, 0x00},
    };
    for (const auto& [byte, expected] : cases) EXPECT_EQ(UpCaseLetter(byte), expected) << int(byte);
}

TEST(Direction, NamesAndSteps)
{
    EXPECT_EQ(directionFromName("UpRight"), Direction::UpRight);
    EXPECT_EQ(directionFromName("upright"), std::nullopt);
    EXPECT_EQ(directionName(Direction::DownLeft), "DownLeft");
    const int steps[] = {-50, -49, 1, 51, 50, 49, -1, -51};
    for (int code = 1; code <= kDirectionCount; ++code) EXPECT_EQ(cellStep(directionOfCode(code)), steps[code - 1]);
}

}  // namespace
}  // namespace qm::test
