// The generator on the three benchmark word lists (all 8 directions, integration 6, a full
// square shape): time per attempt of the generator and of the literal reading of its rules, the
// share of words placed, the share the best of 999 attempts places, and a check that both
// readings give the same candidates for the same seed. With QM_PEER_DIR set (bench/side_by_side.sh
// sets it) also the fastest peer's whole puzzle timed right before and after our attempts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "collection/puzzle_record_codec.h"
#include "generate/build_puzzles.h"
#include "support/plain_generator.h"

namespace {

using namespace qm;

struct Workload {
    const char* file;
    int size;
};
constexpr Workload kWorkloads[] = {{"W1-20-words.txt", 15}, {"W2-60-words.txt", 20}, {"W3-330-words.txt", 30}};

struct Inputs {
    std::unique_ptr<PuzzleRecord> working = std::make_unique<PuzzleRecord>();
    ShapeRecord shape = makeNewShape();
    GenerationSettings settings;
    BadWordList badWords = builtInBadWords();
    OffensiveWordScreen screen{badWords};  // compiled once, as a run of the editor finds it
    int words = 0;
};

Inputs inputs(int workload, int attempts)
{
    const Workload& w = kWorkloads[workload];
    Inputs in;
    std::ifstream file(std::string(QM_BENCH_DATA_DIR) + "/" + w.file);
    for (std::string line; std::getline(file, line) && in.words < kMaxWords;)
        if (!line.empty()) in.working->Words[in.words++].assign(line);
    in.working->WordCount = static_cast<std::int16_t>(in.words);
    in.working->Width = in.working->Height = static_cast<std::int16_t>(w.size);
    in.shape.Width = in.shape.Height = static_cast<std::int16_t>(w.size);
    in.settings.Attempts = attempts;
    in.settings.Integration = 6;
    return in;
}

// One attempt a run, a new seed each time.
template <bool kPlain>
void OneAttempt(benchmark::State& state)
{
    Inputs in = inputs(static_cast<int>(state.range(0)), 1);
    Candidates candidates;
    std::uint64_t seed = 1;
    double placed = 0;
    int attempts = 0;
    for (auto _ : state) {
        SeededRandom random(seed++);
        const Outcome<GenerationRun> outcome =
            kPlain ? test::plainBuildPuzzles(*in.working, in.shape, in.settings, in.badWords, random, candidates)
                   : BuildPuzzles(*in.working, in.shape, in.settings, in.screen, random, candidates);
        attempts += outcome.value.AttemptsMade;
        placed += candidates.Slots[0].Score;
    }
    state.counters["attempts_per_run"] = double(attempts) / double(state.iterations());
    state.counters["placed_share"] = placed / double(state.iterations()) / in.words;
}
BENCHMARK_TEMPLATE(OneAttempt, false)->Name("Fast/OneAttempt")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OneAttempt, true)->Name("Plain/OneAttempt")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// A full run of 999 attempts, as a publisher asks for it.
void Run999(benchmark::State& state)
{
    Inputs in = inputs(static_cast<int>(state.range(0)), 999);
    Candidates candidates;
    std::uint64_t seed = 1;
    double best = 0, made = 0, rejected = 0, milliseconds = 0, cpuMilliseconds = 0;
    for (auto _ : state) {
        SeededRandom random(seed++);
        const auto started = std::chrono::steady_clock::now();
        const std::clock_t cpuStarted = std::clock();
        const Outcome<GenerationRun> outcome =
            BuildPuzzles(*in.working, in.shape, in.settings, in.screen, random, candidates);
        cpuMilliseconds += 1000.0 * double(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
        milliseconds += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count();
        best += candidates.Slots[0].Score;
        made += outcome.value.AttemptsMade;
        rejected += outcome.value.RejectedAttempts;
    }
    const double runs = double(state.iterations());
    state.counters["best_share"] = best / runs / in.words;
    state.counters["attempts_made"] = made / runs;
    state.counters["rejected"] = rejected / runs;
    state.counters["ms_per_attempt"] = milliseconds / made;
    // Processor time only: on a machine shared with other work the clock time runs on while the
    // run waits for a processor.
    state.counters["cpu_ms_per_attempt"] = cpuMilliseconds / made;
}
BENCHMARK(Run999)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// Milliseconds per whole puzzle of the fastest peer on the workload, as its own script times it;
// negative when it could not be run.
double peerMilliseconds(const std::string& peerDir, const Workload& w)
{
    const std::string command = "node '" + peerDir + "/time_fastest.js' '" + QM_BENCH_DATA_DIR + "/" + w.file + "' " +
                                std::to_string(w.size) + " 50";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return -1;
    double milliseconds = -1;
    if (std::fscanf(pipe, "%lf", &milliseconds) != 1) milliseconds = -1;
    return pclose(pipe) == 0 ? milliseconds : -1;
}

// Milliseconds per attempt of our runs of 999 attempts of seed 1, read as the peer's script reads
// its own: after a warm-up, the median of five rounds, each round as many runs as take 50 ms.
double ourMilliseconds(const Inputs& in, Candidates& candidates)
{
    auto timeRuns = [&](int runs) {
        int attempts = 0;
        const auto started = std::chrono::steady_clock::now();
        for (int run = 0; run < runs; ++run) {
            SeededRandom random(1);
            attempts +=
                BuildPuzzles(*in.working, in.shape, in.settings, in.screen, random, candidates).value.AttemptsMade;
        }
        return std::pair(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started).count(),
                         attempts);
    };
    const auto [warmUp, warmUpAttempts] = timeRuns(1);
    const int runsPerRound = std::max(1, static_cast<int>(50.0 / warmUp));
    std::vector<double> rounds;
    for (int round = 0; round < 5; ++round) {
        const auto [milliseconds, attempts] = timeRuns(runsPerRound);
        rounds.push_back(milliseconds / attempts);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[2];
}

// Our attempts between two timings of the peer: these machines drift, so only the ratio of
// times taken side by side holds.
void SideBySide(benchmark::State& state)
{
    const char* peerDir = std::getenv("QM_PEER_DIR");
    if (!peerDir) {
        state.SkipWithError("QM_PEER_DIR is not set: run bench/side_by_side.sh");
        return;
    }
    const Workload& w = kWorkloads[state.range(0)];
    Inputs in = inputs(static_cast<int>(state.range(0)), 999);
    Candidates candidates;
    double peer = 0, ours = 0;
    for (auto _ : state) {
        const double before = peerMilliseconds(peerDir, w);
        ours = ourMilliseconds(in, candidates);
        const double after = peerMilliseconds(peerDir, w);
        if (before < 0 || after < 0) {
            state.SkipWithError("the peer did not run");
            return;
        }
        peer = (before + after) / 2;
    }
    state.counters["ms_per_attempt"] = ours;
    state.counters["peer_ms_per_puzzle"] = peer;
    state.counters["ratio"] = ours / peer;
}
BENCHMARK(SideBySide)->DenseRange(0, 2)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

std::vector<std::uint8_t> bytesOf(const PuzzleRecord& record)
{
    std::vector<std::uint8_t> bytes(PuzzleRecord::kSize);
    encodePuzzleRecord(record, MutablePuzzleRecordImage(bytes.data(), bytes.size()));
    return bytes;
}

// Both readings over the same seeds must keep byte-identical candidates.
void IdenticalCandidates(benchmark::State& state)
{
    const int attempts = state.range(0) == 2 ? 12 : 60;
    Inputs in = inputs(static_cast<int>(state.range(0)), attempts);
    bool identical = true;
    for (auto _ : state) {
        for (std::uint64_t seed = 1; seed <= 3; ++seed) {
            Candidates fast, plain;
            SeededRandom fastRandom(seed), plainRandom(seed);
            BuildPuzzles(*in.working, in.shape, in.settings, in.screen, fastRandom, fast);
            test::plainBuildPuzzles(*in.working, in.shape, in.settings, in.badWords, plainRandom, plain);
            for (int slot = 0; slot < kCandidateSlots; ++slot) {
                const CandidateSlot& a = fast.Slots[slot];
                const CandidateSlot& b = plain.Slots[slot];
                if (a.Score != b.Score || a.PlacedFlags != b.PlacedFlags ||
                    (a.Score > 0 && bytesOf(*a.Record) != bytesOf(*b.Record)))
                    identical = false;
            }
        }
    }
    state.counters["identical"] = identical ? 1 : 0;
    if (!identical) state.SkipWithError("the fast and the plain reading gave different candidates");
}
BENCHMARK(IdenticalCandidates)->DenseRange(0, 2)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
