// The candidates of the benchmark word lists for fixed seeds, pinned: work on the generator's
// speed must leave every grid as it was for the same random numbers, and so must the plain
// reading the equivalence test holds it against.
#include <gtest/gtest.h>

#include <fstream>

#include "generate/build_puzzles.h"
#include "generate/generation_fixtures.h"

namespace qm::test {
namespace {

struct Pinned {
    const char* file;
    int size;
    int attempts;
    std::uint64_t seed;
    int bestScore;
    std::uint64_t digest;
};

// The benchmark word lists on a full square, all 8 directions, integration 6.
constexpr Pinned kPinned[] = {
    {"W1-20-words.txt", 15, 60, 1, 20, 761759333886197212ull},
    {"W1-20-words.txt", 15, 60, 2, 20, 10442739205825919040ull},
    {"W2-60-words.txt", 20, 60, 1, 60, 5398037745171169482ull},
    {"W2-60-words.txt", 20, 60, 2, 60, 5452324972710290276ull},
    {"W3-330-words.txt", 30, 12, 2, 139, 4644556498377393246ull},
    // The best of 999 attempts places 146 of the 330 words, 44.2%.
    {"W3-330-words.txt", 30, 999, 1, 146, 6898730697583039285ull},
};

std::unique_ptr<PuzzleRecord> benchmarkWords(const Pinned& pinned)
{
    std::ifstream file(std::string(QM_SOURCE_DIR) + "/bench/data/" + pinned.file);
    std::vector<std::string> words;
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) words.push_back(line);
    return workingRecord(words, pinned.size, pinned.size);
}

// FNV-1a over the four slots (score, placed flags, record bytes) and the draw that would come
// next, so that a run drawing more or fewer numbers shows too.
std::uint64_t digestOf(const Candidates& candidates, RandomSource& random)
{
    std::uint64_t digest = 0xcbf29ce484222325ull;
    auto add = [&digest](std::uint64_t value) { digest = (digest ^ value) * 0x100000001b3ull; };
    for (const CandidateSlot& slot : candidates.Slots) {
        add(static_cast<std::uint64_t>(slot.Score));
        if (slot.Score == 0) continue;
        for (const bool placed : slot.PlacedFlags) add(placed ? 1 : 0);
        for (const std::uint8_t byte : recordBytes(*slot.Record)) add(byte);
    }
    add(static_cast<std::uint64_t>(random.Random(1 << 30)));
    return digest;
}

TEST(FixedSeedCandidates, BenchmarkWordListsKeepTheirGrids)
{
    for (const Pinned& pinned : kPinned) {
        SCOPED_TRACE(std::string(pinned.file) + ", seed " + std::to_string(pinned.seed));
        const auto working = benchmarkWords(pinned);
        ASSERT_GT(working->WordCount, 0) << "the word list was not found";
        GenerationSettings settings;
        settings.Attempts = pinned.attempts;
        settings.Integration = 6;
        auto candidates = std::make_unique<Candidates>();
        SeededRandom random(pinned.seed);
        BuildPuzzles(*working, fullShape(pinned.size, pinned.size), settings, OffensiveWordScreen(builtInBadWords()),
                     random, *candidates);
        EXPECT_EQ(candidates->Slots[0].Score, pinned.bestScore);
        EXPECT_EQ(digestOf(*candidates, random), pinned.digest);
    }
}

}  // namespace
}  // namespace qm::test
