#include "generate/packing_search.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

#include "generate/packing_grid_search.h"
#include "generate/packing_relay.h"

namespace qm {
namespace {

using Clock = std::chrono::steady_clock;

// One start grid's search: its own random numbers, drawn from the run's before any search
// begins, so that a run bounded by moves gives the same grids however many threads share it.
struct StartSearch {
    const CandidateSlot* start = nullptr;
    SeededRandom random{0};
    bool searched = false;
    std::int64_t moves = 0;
    std::optional<CandidateSlot> packed;
};

int threadsFor(const PackingLimits& limits, std::size_t starts)
{
    const int wanted = limits.threads > 0 ? limits.threads : static_cast<int>(std::thread::hardware_concurrency());
    return std::clamp(wanted, 1, static_cast<int>(starts));
}

}  // namespace

Outcome<PackingRun> PackCandidates(const PuzzleRecord& working, const ShapeRecord& shape,
                                   const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                   RandomSource& random, const PackingLimits& limits, Candidates& candidates,
                                   PackingProgress* progress)
{
    const Clock::time_point end = Clock::now() + limits.time;
    std::vector<StartSearch> searches;
    for (const CandidateSlot& slot : candidates.Slots)
        if (slot.Score > 0) searches.emplace_back().start = &slot;
    if (searches.empty()) searches.emplace_back();
    for (StartSearch& search : searches)
        search.random = SeededRandom(static_cast<std::uint64_t>(random.Random(INT_MAX)));
    if (progress && progress->stopRequested()) return Outcome<PackingRun>::cancelled({});

    // Thread first takes the start grids first, first + threads, ...; each search gets an equal
    // share of the thread's time left, and one that places every word hands the rest on.
    const int threads = threadsFor(limits, searches.size());
    const auto searchStarts = [&](int first, PackingProgress& threadProgress) {
        int bestOfThread = 0;
        for (std::size_t i = static_cast<std::size_t>(first); i < searches.size(); i += threads) {
            StartSearch& job = searches[i];
            PackingGridSearch search(working, shape, settings, screen, job.random);
            search.startFrom(job.start);
            if (search.bestPlaced() > bestOfThread) {
                bestOfThread = search.bestPlaced();
                threadProgress.packingProgress(bestOfThread, search.wordCount());
            }
            const auto now = Clock::now();
            const auto startsLeft = static_cast<int>((searches.size() - i + threads - 1) / threads);
            const bool finished =
                search.run(now + (end - std::min(now, end)) / startsLeft, limits.moves, &threadProgress, bestOfThread);
            job.searched = true;
            job.moves = search.moves();
            if (search.bestPlaced() > (job.start ? job.start->Score : 0)) search.writeBest(job.packed.emplace());
            if (!finished) return;
        }
    };

    SharedPackingRun shared;
    std::atomic<int> helpersRunning{threads - 1};
    std::vector<std::thread> helpers;
    std::vector<int> notStarted;  // the system gave no thread for these: the caller's takes them on
    for (int first = 1; first < threads; ++first) {
        try {
            helpers.emplace_back([&, first] {
                HelperProgress helperProgress(shared);
                searchStarts(first, helperProgress);
                --helpersRunning;
            });
        } catch (const std::system_error&) {
            --helpersRunning;
            notStarted.push_back(first);
        }
    }
    CallerProgress callerProgress(shared, progress);
    searchStarts(0, callerProgress);
    for (const int first : notStarted) searchStarts(first, callerProgress);
    // The window stays alive, and its stop reaches the others, until they are done.
    constexpr auto kWaitBetweenLooks = std::chrono::milliseconds(10);
    while (helpersRunning.load() > 0) {
        callerProgress.stopRequested();
        std::this_thread::sleep_for(kWaitBetweenLooks);
    }
    for (std::thread& helper : helpers) helper.join();
    callerProgress.showBest();

    PackingRun run;
    for (StartSearch& job : searches) {
        run.Searches += job.searched ? 1 : 0;
        run.Moves += job.moves;
        if (!job.packed) continue;
        const int slot = makeRoomForAttempt(candidates, job.packed->Score);
        if (slot < 0) continue;
        CandidateSlot& kept = candidates.Slots[slot];
        std::swap(kept.Record, job.packed->Record);
        kept.PlacedFlags = job.packed->PlacedFlags;
        kept.Packed = true;
        ++run.GridsKept;
    }
    return shared.stop.load() ? Outcome<PackingRun>::cancelled(run) : Outcome<PackingRun>::done(run);
}

}  // namespace qm
