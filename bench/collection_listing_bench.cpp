// Listing a large collection against a bare loop that reads the same bytes of each record.
#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <unistd.h>

#include "collection/collection_file.h"
#include "collection/puzzle_record_codec.h"

namespace {

constexpr int kRecords = 5000;

const std::filesystem::path& largeCollection()
{
    static const std::filesystem::path path = [] {
        auto file = std::filesystem::temp_directory_path() / "quillmaze-bench-5000.QZ3";
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        std::array<std::uint8_t, qm::PuzzleRecord::kSize> image{};
        auto record = std::make_unique<qm::PuzzleRecord>();
        for (int k = 0; k < kRecords; ++k) {
            record->Category.assign("Category " + std::to_string(k % 12));
            record->Title.assign("Puzzle number " + std::to_string(k));
            qm::encodePuzzleRecord(*record, image);
            out.write(reinterpret_cast<const char*>(image.data()), image.size());
        }
        return file;
    }();
    return path;
}

void ListPuzzles5000(benchmark::State& state)
{
    const qm::CollectionFile collection(largeCollection());
    for (auto _ : state) {
        auto list = collection.ListPuzzles();
        benchmark::DoNotOptimize(list.PuzzleEntries.data());
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(ListPuzzles5000)->Unit(benchmark::kMillisecond);

// The floor: the same header bytes of every record read with nothing done to them.
void BareHeaderReads5000(benchmark::State& state)
{
    const int descriptor = ::open(largeCollection().c_str(), O_RDONLY);
    std::array<char, 57> header{};
    for (auto _ : state) {
        for (int k = 0; k < kRecords; ++k)
            benchmark::DoNotOptimize(
                ::pread(descriptor, header.data(), header.size(), std::int64_t(k) * qm::PuzzleRecord::kSize + 6));
        benchmark::ClobberMemory();
    }
    ::close(descriptor);
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BareHeaderReads5000)->Unit(benchmark::kMillisecond);

}  // namespace
