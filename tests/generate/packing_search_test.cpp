// The packing search behind "Place Every Word": every grid it keeps obeys the attempts' rules,
// checked here cell by cell without the search's own board; it finds the one arrangement of a
// list that fits only one way; a stop ends it at once; and switched off, Create is the attempts.
#include <gtest/gtest.h>

#include <set>

#include "collection/puzzle_record_codec.h"
#include "generate/build_puzzles.h"
#include "generate/create_candidates.h"
#include "generate/generation_fixtures.h"
#include "generate/packing_rule_check.h"
#include "generate/packing_search.h"

namespace qm::test {
namespace {

const OffensiveWordScreen kNoScreen{BadWordList{}};

PackingLimits movesOnly(std::int64_t moves)
{
    PackingLimits limits;
    limits.time = std::chrono::minutes(10);  // the move bound ends it, whatever the machine
    limits.moves = moves;
    return limits;
}

// Random letters from a small alphabet cross often, which is what the search lives on.
std::vector<std::string> randomWords(SeededRandom& random, int count)
{
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        std::string word;
        const int length = 2 + random.Random(6);
        for (int j = 0; j < length; ++j) word.push_back(static_cast<char>("abcdeE"[random.Random(6)]));
        if (random.Random(10) == 0) word.insert(1, " ");  // a word of two parts
        words.push_back(word);
    }
    return words;
}

TEST(PackingSearch, EveryKeptGridKeepsTheRulesOnRandomListsAndShapesWithHoles)
{
    // A screen the small alphabet runs into: no kept grid may hold it.
    BadWordList badWords;
    badWords.Entries[0].assign("ABBA");
    badWords.Entries[1].assign("CEDE");
    badWords.Count = 2;
    const OffensiveWordScreen screen{badWords};
    for (std::uint64_t seed = 1; seed <= 24; ++seed) {
        SeededRandom random(seed);
        const int width = 5 + random.Random(6), height = 5 + random.Random(6);
        ShapeRecord shape = fullShape(width, height);
        for (int hole = 0; hole < width * height / 6; ++hole)
            shape.setCell(1 + random.Random(height), 1 + random.Random(width), false);
        GenerationSettings settings;
        settings.Integration = random.Random(kMaxIntegration + 1);
        settings.Attempts = 5;
        settings.Shrink = random.Random(2) == 0;
        for (bool& allowed : settings.Allowed) allowed = random.Random(3) != 0;
        const auto working = workingRecord(randomWords(random, 10 + random.Random(20)), width, height);

        Candidates candidates;
        BuildPuzzles(*working, shape, settings, screen, random, candidates);
        const Outcome<PackingRun> run =
            PackCandidates(*working, shape, settings, screen, random, movesOnly(400), candidates);
        ASSERT_EQ(run.kind, Ending::Kind::Done);
        for (const CandidateSlot& slot : candidates.Slots) {
            if (slot.Score == 0) continue;
            for (const std::string& broken : ruleBreaks(slot, shape, settings, width, height))
                ADD_FAILURE() << "seed " << seed << (slot.Packed ? " packed: " : " attempt: ") << broken;
            EXPECT_FALSE(screen.TestBadWords(*slot.Record)) << "seed " << seed;
        }
    }
}

TEST(PackingSearch, FindsTheOnlyArrangementOfAListThatFitsOneWay)
{
    // Rows of four letters can only lie across a grid three rows high; the columns then fix
    // which row each takes. Every cell is crossed twice.
    const auto working = workingRecord({"ABCD", "EFGH", "IJKL", "AEI", "BFJ", "CGK", "DHL"}, 4, 3);
    const ShapeRecord shape = fullShape(4, 3);
    GenerationSettings settings;
    settings.Allowed = {false, false, true, false, true, false, false, false};  // Right and Down
    Candidates candidates;  // no attempt kept: the search starts from an empty grid
    SeededRandom random(5);
    const Outcome<PackingRun> run =
        PackCandidates(*working, shape, settings, kNoScreen, random, movesOnly(20000), candidates);
    ASSERT_EQ(run.kind, Ending::Kind::Done);
    const CandidateSlot& best = candidates.Slots[0];
    ASSERT_EQ(best.Score, 7);
    EXPECT_TRUE(best.Packed);
    std::string rows;
    for (int row = 1; row <= 3; ++row)
        for (int column = 1; column <= 4; ++column)
            rows.push_back(static_cast<char>(best.Record->Letters[cellNumber(row, column) - 1]));
    EXPECT_EQ(rows, "ABCDEFGHIJKL");
    // Stored as every candidate is: alphabetical, placed words first.
    EXPECT_EQ(best.Record->Words[0].text(), "ABCD");
    EXPECT_EQ(best.Record->Words[1].text(), "AEI");
    EXPECT_EQ(best.Record->StartCell[1], cellNumber(1, 1));
    EXPECT_EQ(best.Record->EndCell[1], cellNumber(3, 1));
}

class StopAfter final : public PackingProgress {
public:
    explicit StopAfter(int asks) : m_asks(asks) {}
    void packingProgress(int placed, int total) override
    {
        lastPlaced = placed;
        EXPECT_LE(placed, total);
    }
    bool stopRequested() override { return ++asked > m_asks; }
    int asked = 0;
    int lastPlaced = -1;

private:
    int m_asks;
};

TEST(PackingSearch, AStopEndsItAtOnceKeepingTheBestSoFar)
{
    // 110 letters for 64 cells: no search places them all, so only the stop ends it.
    const auto working = workingRecord({"HORSE",  "ZEBRA",  "TIGER",  "LION",   "BEAR",   "WOLF",   "MOUSE",
                                        "SNAKE",  "EAGLE",  "OTTER",  "RABBIT", "BADGER", "FERRET", "BEAVER",
                                        "MARTEN", "DONKEY", "TURTLE", "LIZARD", "GECKO",  "RAVEN",  "HERON"},
                                       8, 8);
    const ShapeRecord shape = fullShape(8, 8);
    GenerationSettings settings;
    settings.Attempts = 20;
    Candidates candidates;
    SeededRandom random(3);
    BuildPuzzles(*working, shape, settings, kNoScreen, random, candidates);
    const auto attemptsBest = recordBytes(*candidates.Slots[0].Record);

    StopAfter stopAtOnce(0);
    Outcome<PackingRun> run =
        PackCandidates(*working, shape, settings, kNoScreen, random, PackingLimits{}, candidates, &stopAtOnce);
    EXPECT_EQ(run.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(run.value.Moves, 0);
    EXPECT_EQ(run.value.Searches, 0);  // no start grid is searched
    EXPECT_EQ(recordBytes(*candidates.Slots[0].Record), attemptsBest);

    // Stopped later, within a few moves of the asking, with what it found by then.
    PackingLimits oneThread;
    oneThread.threads = 1;
    StopAfter stopLater(50);
    run = PackCandidates(*working, shape, settings, kNoScreen, random, oneThread, candidates, &stopLater);
    EXPECT_EQ(run.kind, Ending::Kind::Cancelled);
    EXPECT_LE(run.value.Moves, 51 * 8);
    if (stopLater.lastPlaced >= 0) {
        EXPECT_EQ(candidates.Slots[0].Score, stopLater.lastPlaced);
    }

    // Searches on other threads stop with the caller's, and the window has been shown the best
    // grid any of them kept.
    PackingLimits fourThreads;
    fourThreads.threads = 4;
    StopAfter stopTogether(50);
    const auto asked = std::chrono::steady_clock::now();
    run = PackCandidates(*working, shape, settings, kNoScreen, random, fourThreads, candidates, &stopTogether);
    EXPECT_EQ(run.kind, Ending::Kind::Cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(kDefaultPackingSeconds));
    EXPECT_EQ(candidates.Slots[0].Score, std::max(stopTogether.lastPlaced, stopLater.lastPlaced));
}

TEST(PackingSearch, BoundedByMovesItKeepsTheSameGridsOnOneThreadAsOnSeveral)
{
    const auto working = overfullWorkingRecord();
    const ShapeRecord shape = fullShape(6, 6);
    GenerationSettings settings;
    settings.Attempts = 30;
    std::vector<std::vector<std::uint8_t>> gridsOfEach[2];
    for (int run = 0; run < 2; ++run) {
        Candidates candidates;
        SeededRandom random(17);
        BuildPuzzles(*working, shape, settings, kNoScreen, random, candidates);
        PackingLimits limits = movesOnly(3000);
        limits.threads = run == 0 ? 1 : 3;
        PackCandidates(*working, shape, settings, kNoScreen, random, limits, candidates);
        for (const CandidateSlot& slot : candidates.Slots) gridsOfEach[run].push_back(recordBytes(*slot.Record));
    }
    EXPECT_EQ(gridsOfEach[0], gridsOfEach[1]);
}

TEST(PackingSearch, LeftOffCreateIsTheAttemptsAloneAndOnItNeverPlacesFewer)
{
    const auto working = overfullWorkingRecord();
    const ShapeRecord shape = fullShape(6, 6);
    GenerationSettings settings;
    settings.Attempts = 30;
    Candidates attempts, created;
    SeededRandom first(11), second(11);
    BuildPuzzles(*working, shape, settings, kNoScreen, first, attempts);
    CreateCandidates(*working, shape, settings, kNoScreen, second, created);
    for (int slot = 0; slot < kCandidateSlots; ++slot) {
        EXPECT_EQ(created.Slots[slot].Score, attempts.Slots[slot].Score);
        EXPECT_FALSE(created.Slots[slot].Packed);
        EXPECT_EQ(recordBytes(*created.Slots[slot].Record), recordBytes(*attempts.Slots[slot].Record));
    }

    settings.PlaceEveryWord = true;
    settings.PackingSeconds = 1;
    Candidates packed;
    SeededRandom third(11);
    CreateCandidates(*working, shape, settings, kNoScreen, third, packed);
    EXPECT_GE(packed.Slots[0].Score, attempts.Slots[0].Score);
    for (int slot = 1; slot < kCandidateSlots; ++slot)
        EXPECT_LE(packed.Slots[slot].Score, packed.Slots[slot - 1].Score);
}

TEST(PackingSearch, AListWithNoRoomAtAllEndsWithoutWaitingForItsTime)
{
    // No direction allowed: nothing can ever be placed, and the search must not sit out 30 s.
    const auto working = workingRecord({"HORSE", "ZEBRA"}, 6, 6);
    GenerationSettings settings;
    settings.Allowed.fill(false);
    Candidates candidates;
    SeededRandom random(1);
    PackingLimits limits;
    limits.time = std::chrono::seconds(kMaxPackingSeconds);
    const Outcome<PackingRun> run =
        PackCandidates(*working, fullShape(6, 6), settings, kNoScreen, random, limits, candidates);
    EXPECT_EQ(run.kind, Ending::Kind::Done);
    EXPECT_EQ(run.value.Moves, 0);
    EXPECT_EQ(candidates.Slots[0].Score, 0);
}

}  // namespace
}  // namespace qm::test
