// Listing large collections against a bare loop that reads the same bytes of each record, with
// the peak of the memory the listing holds: it must grow with the list entries only.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <new>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include "collection/collection_file.h"
#include "collection/puzzle_record_codec.h"

namespace {

// Heap bytes in use, and the most since the last reset, counted by the operators below.
std::size_t g_heapInUse = 0;
std::size_t g_heapPeak = 0;

// A collection of count records, sparse: only the category and title bytes of each are written.
const std::filesystem::path& largeCollection(int count)
{
    static std::map<int, std::filesystem::path> made;
    auto [it, added] = made.try_emplace(count);
    if (!added) return it->second;
    it->second = std::filesystem::temp_directory_path() / ("quillmaze-bench-" + std::to_string(count) + ".QZ3");
    const int descriptor = ::open(it->second.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    std::array<std::uint8_t, qm::PuzzleRecord::kSize> image{};
    auto record = std::make_unique<qm::PuzzleRecord>();
    constexpr std::size_t kListed = qm::PuzzleRecordOffsets::Width;
    for (int k = 0; k < count; ++k) {
        record->Category.assign("Category " + std::to_string(k % 12));
        record->Title.assign("Puzzle number " + std::to_string(k));
        qm::encodePuzzleRecord(*record, image);
        benchmark::DoNotOptimize(
            ::pwrite(descriptor, image.data(), kListed, std::int64_t(k) * qm::PuzzleRecord::kSize));
    }
    benchmark::DoNotOptimize(::ftruncate(descriptor, std::int64_t(count) * qm::PuzzleRecord::kSize));
    ::close(descriptor);
    return it->second;
}

void ListPuzzles(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const qm::CollectionFile collection(largeCollection(count));
    std::size_t peak = 0;
    for (auto _ : state) {
        const std::size_t before = g_heapInUse;
        g_heapPeak = before;
        auto list = collection.ListPuzzles();
        benchmark::DoNotOptimize(list.PuzzleEntries.data());
        peak = std::max(peak, g_heapPeak - before);
    }
    state.SetItemsProcessed(state.iterations() * count);
    state.counters["peak_heap_kB"] = static_cast<double>(peak) / 1024;
    state.counters["peak_per_record_B"] = static_cast<double>(peak) / count;
}
BENCHMARK(ListPuzzles)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

// The floor: the same header bytes of every record read with nothing done to them.
void BareHeaderReads(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const int descriptor = ::open(largeCollection(count).c_str(), O_RDONLY);
    std::array<char, 57> header{};
    for (auto _ : state) {
        for (int k = 0; k < count; ++k)
            benchmark::DoNotOptimize(
                ::pread(descriptor, header.data(), header.size(), std::int64_t(k) * qm::PuzzleRecord::kSize + 6));
        benchmark::ClobberMemory();
    }
    ::close(descriptor);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BareHeaderReads)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

void* operator new(std::size_t size)
{
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) throw std::bad_alloc();
    g_heapInUse += malloc_usable_size(block);
    g_heapPeak = std::max(g_heapPeak, g_heapInUse);
    return block;
}

void operator delete(void* block) noexcept
{
    if (!block) return;
    g_heapInUse -= malloc_usable_size(block);
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
