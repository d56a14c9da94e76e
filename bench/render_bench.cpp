// The page of the largest puzzle: 330 words with clues, generated once on a 30 x 30 grid, with
// the answer key and the clues on the clue-sheet layout. Milliseconds to compose the page (the
// renderer recording it with the real fonts), to write the PDF, to paint a 1,000-pixel picture,
// the whole path from the record to the PDF file, and each export of the page and the puzzle.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <QGuiApplication>

#include "largest_puzzle.h"
#include "output/export/gui/page_exports.h"
#include "output/export/gui/page_writers.h"
#include "output/export/html_export.h"
#include "output/export/plain_text_export.h"
#include "output/page/gui/qt_text_metrics.h"
#include "output/page/page_renderer.h"
#include "output/page/recording_target.h"
#include "output/page/word_entries.h"

namespace {

using namespace qm;

const PuzzleRecord& puzzle()
{
    static const std::unique_ptr<PuzzleRecord> record = bench::largestPuzzle();
    return *record;
}

// A fresh measurement each time, as every rendering of the program starts one.
PageFile composePage(RenderedPage* drawn = nullptr)
{
    const QtTextMetrics metrics;
    RecordingTarget target(metrics);
    SeededRandom random(1);
    const auto rendered = RenderPage(puzzle(), bench::cluesWithAnswerKey(), target, random);
    if (drawn) *drawn = rendered.value;
    return target.page();
}

const std::filesystem::path pdfPath = std::filesystem::temp_directory_path() / "bench_render.pdf";

void ComposePage(benchmark::State& state)
{
    RenderedPage drawn;
    std::size_t operations = 0;
    for (auto _ : state) operations = composePage(&drawn).operations.size();
    state.counters["words_placed"] = drawn.PrintCount;
    state.counters["operations"] = static_cast<double>(operations);
    state.counters["clues_overflow"] = drawn.CluesOverflow;
}
BENCHMARK(ComposePage)->Unit(benchmark::kMillisecond);

void WritePdf(benchmark::State& state)
{
    const PageFile page = composePage();
    for (auto _ : state)
        if (!writePagePdf(page, pdfPath).ok()) state.SkipWithError("the PDF could not be written");
    state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(pdfPath));
}
BENCHMARK(WritePdf)->Unit(benchmark::kMillisecond);

void PaintPicture(benchmark::State& state)
{
    const PageFile page = composePage();
    for (auto _ : state) benchmark::DoNotOptimize(pageImage(page, 1000));
}
BENCHMARK(PaintPicture)->Unit(benchmark::kMillisecond);

void RecordToPdf(benchmark::State& state)
{
    for (auto _ : state)
        if (!writePagePdf(composePage(), pdfPath).ok()) state.SkipWithError("the PDF could not be written");
}
BENCHMARK(RecordToPdf)->Unit(benchmark::kMillisecond);

const std::filesystem::path exportPath = std::filesystem::temp_directory_path() / "bench_export";

// One format of the page at a width of 1,000 pixels and quality 50; the file's size as a counter.
void ExportPageAs(benchmark::State& state, PageFormat format)
{
    const PageFile page = composePage();
    for (auto _ : state)
        if (!ExportPage(page, format, {1000, 50}, exportPath).ok()) state.SkipWithError("the export failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(exportPath));
}
BENCHMARK_CAPTURE(ExportPageAs, Wmf, PageFormat::Wmf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportPageAs, Emf, PageFormat::Emf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportPageAs, Bmp, PageFormat::Bmp)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportPageAs, Jpeg, PageFormat::Jpeg)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportPageAs, Png, PageFormat::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExportPageAs, Svg, PageFormat::Svg)->Unit(benchmark::kMillisecond);

// The web page with its 1,000-pixel JPEG picture.
void ExportHtml(benchmark::State& state)
{
    const PageFile page = composePage();
    const auto htmlPath = exportPath.string() + ".htm";
    for (auto _ : state)
        if (!ExportHtmlPage(page, HtmlSettings(), {1000, 50}, htmlPath).ok()) state.SkipWithError("the export failed");
    std::filesystem::remove(htmlPath);
    std::filesystem::remove(HtmlPicturePath(htmlPath));
}
BENCHMARK(ExportHtml)->Unit(benchmark::kMillisecond);

void ExportText(benchmark::State& state)
{
    for (auto _ : state)
        if (!SavePlainTextPuzzle(puzzle(), bench::cluesWithAnswerKey(), exportPath).ok())
            state.SkipWithError("the export failed");
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(exportPath));
}
BENCHMARK(ExportText)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    puzzle();  // generated before anything is timed
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(pdfPath);
    std::filesystem::remove(exportPath);
    return 0;
}
