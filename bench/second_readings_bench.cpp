// The second-reading scan a save runs after each random fill (up to 1000 times): one scan of a
// filled grid, the plain scan of the tests for comparison, and a whole screened fill with the
// setting on and off. Grids: 20 three-letter animals on 14 x 14, and the benchmark lists of 20
// words on 15 x 15 and 330 words on 30 x 30, each the best of one attempt.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "generate/build_puzzles.h"
#include "generate/puzzle_fill.h"
#include "generate/second_readings.h"
#include "support/plain_second_readings.h"

namespace {

using namespace qm;

std::vector<std::string> wordsOf(int workload)
{
    if (workload == 0)
        return {"cat", "dog", "cow", "pig", "hen", "rat", "bat", "eel", "elk", "emu",
                "fox", "gnu", "yak", "ape", "owl", "bee", "ant", "cod", "ewe", "hog"};
    std::vector<std::string> words;
    std::ifstream file(std::string(QM_BENCH_DATA_DIR) + (workload == 1 ? "/W1-20-words.txt" : "/W3-330-words.txt"));
    for (std::string line; std::getline(file, line) && words.size() < kMaxWords;)
        if (!line.empty()) words.push_back(line);
    return words;
}

// The best fit of one attempt, filled with random letters once.
std::unique_ptr<PuzzleRecord> filledGrid(int workload)
{
    constexpr int kSizes[] = {14, 15, 30};
    const std::vector<std::string> words = wordsOf(workload);
    auto working = std::make_unique<PuzzleRecord>();
    for (std::size_t i = 0; i < words.size(); ++i) working->Words[i].assign(words[i]);
    working->WordCount = static_cast<std::int16_t>(words.size());
    working->Width = working->Height = static_cast<std::int16_t>(kSizes[workload]);
    ShapeRecord shape = makeNewShape();
    shape.Width = shape.Height = working->Width;
    GenerationSettings settings;
    SeededRandom random(1);
    Candidates candidates;
    BuildPuzzles(*working, shape, settings, OffensiveWordScreen(builtInBadWords()), random, candidates);
    auto grid = std::make_unique<PuzzleRecord>(*candidates.Slots[0].Record);
    fillRandomly(*grid, random);
    return grid;
}

void OneScan(benchmark::State& state)
{
    const auto grid = filledGrid(static_cast<int>(state.range(0)));
    const SecondReadingScan scan(*grid);
    for (auto _ : state) benchmark::DoNotOptimize(scan.count(grid->FillLetters));
    state.counters["placed_words"] = grid->WordCount;
    state.counters["readings"] = scan.count(grid->FillLetters).total;
}
BENCHMARK(OneScan)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void PlainScan(benchmark::State& state)
{
    const auto grid = filledGrid(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(test::plainSecondReadings(*grid));
}
BENCHMARK(PlainScan)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// The fill of one save: random letters drawn until the screen passes and, with the setting on,
// no fill letter makes a second reading.
void ScreenedFill(benchmark::State& state)
{
    const auto grid = filledGrid(static_cast<int>(state.range(0)));
    const bool avoid = state.range(1) != 0;
    const OffensiveWordScreen screen(builtInBadWords());
    SeededRandom random(2);
    double fills = 0, left = 0;
    for (auto _ : state) {
        const qm::ScreenedFill fill = fillRandomlyAndScreen(*grid, screen, random, avoid);
        fills += fill.fills;
        left += fill.secondReadingsLeft;
    }
    state.counters["fills_per_save"] = fills / double(state.iterations());
    state.counters["readings_left"] = left / double(state.iterations());
}
BENCHMARK(ScreenedFill)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMicrosecond);

}  // namespace
