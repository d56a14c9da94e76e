// The generator against the literal reading of its rules: for the same random numbers both must
// give the same candidates, byte for byte, over many odd word lists, shapes and options.
#include <gtest/gtest.h>

#include "generate/build_puzzles.h"
#include "generate/generation_fixtures.h"
#include "support/plain_generator.h"

namespace qm::test {
namespace {

struct Configuration {
    std::unique_ptr<PuzzleRecord> working;
    ShapeRecord shape;
    GenerationSettings settings;
    BadWordList badWords;
};

// Words over a small alphabet cross and collide often; spaces, small letters, accented letters,
// digits, empty words and repeats all turn up.
Configuration randomConfiguration(std::uint64_t seed)
{
    SeededRandom random(seed);
    const std::string alphabet = "ABCDEabcde- 1\xE9\xC9";
    Configuration config;
    // Widths up to 32 and beyond are searched differently; both must agree with the reading.
    const int kind = random.Random(7);
    const int width = kind == 0   ? 31 + random.Random(20)
                      : kind == 1 ? 19 + random.Random(14)
                      : kind == 2 ? 1 + random.Random(8)
                                  : 1 + random.Random(18);
    const int height = kind == 2 ? 40 + random.Random(11) : width > 18 ? 1 + random.Random(6) : 1 + random.Random(18);
    const int wordCount = random.Random(30);
    std::vector<std::string> words, clues;
    for (int i = 0; i < wordCount; ++i) {
        std::string word;
        const int length = random.Random(5) == 0 ? 0 : 1 + random.Random(random.Random(3) == 0 ? 30 : 7);
        for (int k = 0; k < length; ++k) word.push_back(alphabet[random.Random(static_cast<int>(alphabet.size()))]);
        words.push_back(random.Random(8) == 0 && !words.empty() ? words[random.Random(static_cast<int>(words.size()))]
                                                                : word);
        clues.push_back("clue " + std::to_string(i));
    }
    config.working = workingRecord(words, width, height, clues);
    for (int i = 0; i < kMaxWords; ++i) {
        config.working->StartCell[i] = static_cast<std::int16_t>(1000 + i);
        config.working->EndCell[i] = static_cast<std::int16_t>(2000 + i);
        config.working->Placed[i] = random.Random(2) == 1;
    }
    config.working->Reserved[7] = 0x5A;
    config.working->Layout.Reserved[12] = 0x33;
    config.shape = fullShape(width, height);
    if (random.Random(2) == 0)
        for (auto& cell : config.shape.Mask) cell = random.Random(5) == 0 ? 0 : 1;
    for (auto& allowed : config.settings.Allowed) allowed = random.Random(4) != 0;
    config.settings.Integration = random.Random(7);
    config.settings.Attempts = 1 + random.Random(6);
    config.settings.Shrink = random.Random(2) == 0;
    if (random.Random(3) == 0) {
        config.badWords.Entries[0].assign("abe");
        config.badWords.Entries[1].assign(random.Random(2) == 0 ? "cd" : "");
        config.badWords.Entries[2].assign("e-1");
        config.badWords.Count = 3;
    }
    return config;
}

TEST(AttemptEquivalence, FastAndPlainReadingGiveTheSameCandidates)
{
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("configuration seed " + std::to_string(seed));
        Configuration config = randomConfiguration(seed);
        Candidates fast, plain;
        SeededRandom fastRandom(seed * 7919), plainRandom(seed * 7919);
        const GenerationRun fastOutcome = BuildPuzzles(*config.working, config.shape, config.settings,
                                                       OffensiveWordScreen(config.badWords), fastRandom, fast)
                                              .value;
        const GenerationRun plainOutcome =
            plainBuildPuzzles(*config.working, config.shape, config.settings, config.badWords, plainRandom, plain)
                .value;
        EXPECT_EQ(fastOutcome.AttemptCounter, plainOutcome.AttemptCounter);
        EXPECT_EQ(fastOutcome.AttemptsMade, plainOutcome.AttemptsMade);
        EXPECT_EQ(fastOutcome.RejectedAttempts, plainOutcome.RejectedAttempts);
        EXPECT_EQ(fastRandom.Random(1000000), plainRandom.Random(1000000)) << "the draws went apart";
        for (int slot = 0; slot < kCandidateSlots; ++slot) {
            SCOPED_TRACE("slot " + std::to_string(slot + 1));
            ASSERT_EQ(fast.Slots[slot].Score, plain.Slots[slot].Score);
            if (fast.Slots[slot].Score == 0) continue;
            EXPECT_EQ(fast.Slots[slot].PlacedFlags, plain.Slots[slot].PlacedFlags);
            const auto fastBytes = recordBytes(*fast.Slots[slot].Record);
            const auto plainBytes = recordBytes(*plain.Slots[slot].Record);
            const auto difference = std::mismatch(fastBytes.begin(), fastBytes.end(), plainBytes.begin());
            EXPECT_TRUE(difference.first == fastBytes.end())
                << "records differ at offset " << (difference.first - fastBytes.begin());
        }
    }
}

}  // namespace
}  // namespace qm::test
