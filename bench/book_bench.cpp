// A book of clue sheets: 25 and 100 copies of the largest puzzle (330 words with clues on 30 x 30),
// each on its clue-sheet page, with their keys four to a page, written to a PDF. Seconds for the
// whole book, and the peak resident memory of the process after each size: a book is made page
// by page, so the 100-puzzle book should need little more than the 25-puzzle one.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>

#include <QGuiApplication>

#include "book/book_composer.h"
#include "largest_puzzle.h"
#include "output/export/gui/pdf_document_writer.h"
#include "output/page/gui/qt_text_metrics.h"

namespace {

using namespace qm;

const std::filesystem::path collectionPath = std::filesystem::temp_directory_path() / "bench_book.QZ3";
const std::filesystem::path bookPath = std::filesystem::temp_directory_path() / "bench_book.pdf";

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void BookOfClueSheets(benchmark::State& state)
{
    const auto puzzles = static_cast<int>(state.range(0));
    std::unique_ptr<PuzzleRecord> record = bench::largestPuzzle();
    CollectionFile collection(collectionPath);
    if (!collection.CreateCollection().ok()) return state.SkipWithError("the collection could not be made");
    for (int k = 0; k < puzzles; ++k) {
        record->Title = "Clue Sheet " + std::to_string(k + 1);
        if (!collection.AppendPuzzle(*record)) return state.SkipWithError("a puzzle could not be stored");
    }
    const PrintOptions chosen = bench::cluesWithAnswerKey();
    const BookRequest request{
        {}, [&chosen](const PageLayoutRecord& layout) { return bookPageOptions(chosen, layout); }, {}};
    const QtTextMetrics metrics;
    int pages = 0;
    for (auto _ : state) {
        auto document = PdfDocumentWriter::create(bookPath);
        if (!document) return state.SkipWithError("the book could not be started");
        SeededRandom random(1);
        const auto book = writeBook(collection, request, metrics, random, **document);
        if (!book.ok()) return state.SkipWithError("the book was not made");
        pages = book.value.plan.pageCount;
    }
    state.counters["pages"] = pages;
    state.counters["pdf_mb"] = static_cast<double>(std::filesystem::file_size(bookPath)) / 1e6;
    state.counters["peak_rss_mb"] = peakMegabytes();
}
BENCHMARK(BookOfClueSheets)->Arg(25)->Arg(100)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(collectionPath);
    std::filesystem::remove(bookPath);
    return 0;
}
