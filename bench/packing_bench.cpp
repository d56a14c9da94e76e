// "Place Every Word" on the dense workloads (all 8 directions, integration 6, a full square
// shape, seed 1): the words the attempts' best of 999 places, then the words the packing search
// places within its time from those attempts, in the same run, and how soon the search first
// reached that count.
//   W4a: the first 40 words of W2 on 15 x 15 (3 s)   W4b: all 60 words of W2 on 15 x 15 (3 s)
//   W3: 330 words on 30 x 30 (5 s)
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

#include "generate/bad_word_list.h"
#include "generate/build_puzzles.h"
#include "generate/packing_search.h"

namespace {

using namespace qm;

// Notes when the search's best count last grew.
class BestFoundClock : public PackingProgress {
public:
    explicit BestFoundClock(std::chrono::steady_clock::time_point started) : m_started(started) {}
    void packingProgress(int placed, int) override
    {
        if (placed <= m_placed) return;
        m_placed = placed;
        m_seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    }
    bool stopRequested() override { return false; }
    double seconds() const { return m_seconds; }

private:
    std::chrono::steady_clock::time_point m_started;
    int m_placed = 0;
    double m_seconds = 0;
};

struct Workload {
    const char* name;
    const char* file;
    int words;
    int size;
    int seconds;
};
constexpr Workload kWorkloads[] = {{"W4a", "W2-60-words.txt", 40, 15, 3},
                                   {"W4b", "W2-60-words.txt", 60, 15, 3},
                                   {"W3", "W3-330-words.txt", 330, 30, 5}};

void PlaceEveryWord(benchmark::State& state)
{
    const Workload& w = kWorkloads[state.range(0)];
    auto working = std::make_unique<PuzzleRecord>();
    std::ifstream file(std::string(QM_BENCH_DATA_DIR) + "/" + w.file);
    int words = 0;
    for (std::string line; std::getline(file, line) && words < w.words;)
        if (!line.empty()) working->Words[words++].assign(line);
    working->WordCount = static_cast<std::int16_t>(words);
    working->Width = working->Height = static_cast<std::int16_t>(w.size);
    ShapeRecord shape = makeNewShape();
    shape.Width = shape.Height = static_cast<std::int16_t>(w.size);
    GenerationSettings settings;
    settings.Attempts = kMaxAttempts;
    settings.Integration = kMaxIntegration;
    const OffensiveWordScreen screen{builtInBadWords()};
    PackingLimits limits;
    limits.time = std::chrono::seconds(w.seconds);

    double attemptsBest = 0, packedBest = 0, attemptSeconds = 0, packingSeconds = 0, bestFoundSeconds = 0, moves = 0;
    for (auto _ : state) {
        Candidates candidates;
        SeededRandom random(1);
        const auto started = std::chrono::steady_clock::now();
        BuildPuzzles(*working, shape, settings, screen, random, candidates);
        const auto attemptsDone = std::chrono::steady_clock::now();
        attemptsBest = candidates.Slots[0].Score;
        BestFoundClock bestFound(attemptsDone);
        moves = static_cast<double>(
            PackCandidates(*working, shape, settings, screen, random, limits, candidates, &bestFound).value.Moves);
        bestFoundSeconds = bestFound.seconds();
        packingSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - attemptsDone).count();
        attemptSeconds = std::chrono::duration<double>(attemptsDone - started).count();
        packedBest = candidates.Slots[0].Score;
    }
    state.SetLabel(w.name);
    state.counters["words"] = words;
    state.counters["attempts_best_of_999"] = attemptsBest;
    state.counters["attempts_seconds"] = attemptSeconds;
    state.counters["packed_best"] = packedBest;
    state.counters["packing_seconds"] = packingSeconds;
    state.counters["packed_best_after_seconds"] = bestFoundSeconds;
    state.counters["packing_moves"] = moves;
}
BENCHMARK(PlaceEveryWord)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
