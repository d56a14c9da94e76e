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

#include "common/binary_file.h"
#include "generate/batch_creation.h"
#include "layout/page_layout_description.h"
#include "output/gui/page_exports.h"
#include "output/gui/page_writers.h"
#include "output/gui/qt_text_metrics.h"
#include "output/html_export.h"
#include "output/page_renderer.h"
#include "output/plain_text_export.h"
#include "output/recording_target.h"
#include "output/word_entries.h"

namespace {

using namespace qm;

// The clue sheet of the starter layouts, as its description gives it.
PageLayoutRecord clueSheet()
{
    const std::filesystem::path path = std::filesystem::path(QM_LAYOUTS_DIR) / "clue_sheet.txt";
    auto text = readWholeFile(path);
    auto layout = parsePageLayoutDescription(text ? *text : std::string(), path);
    if (!layout) throw std::runtime_error(layout.failure().describe());
    return *layout;
}

// The 330 words of the benchmark list, each with a clue of a usual length, generated once and
// stored as the chooser stores it, the words that did not fit listed behind the placed ones.
std::unique_ptr<PuzzleRecord> largestPuzzle()
{
    auto puzzle = std::make_unique<BatchPuzzle>();
    puzzle->form.Title = "Three Hundred and Thirty Words";
    puzzle->form.Category = "Benchmarks";
    puzzle->form.AttemptsText = "100";
    std::ifstream words(std::string(QM_BENCH_DATA_DIR) + "/W3-330-words.txt");
    int row = 0;
    for (std::string word; std::getline(words, word) && row < kMaxWords;) {
        if (word.empty()) continue;
        puzzle->form.Rows[row].Word = word;
        puzzle->form.Rows[row++].Clue = "A word of " + std::to_string(word.size()) + " letters that starts with " +
                                        word.substr(0, 1) + " and ends with " + word.substr(word.size() - 1);
    }
    puzzle->shape = makeNewShape();
    puzzle->shape.Width = puzzle->shape.Height = 30;
    puzzle->layout = clueSheet();
    puzzle->keepExcluded = true;
    const std::filesystem::path collection = std::filesystem::temp_directory_path() / "bench_render.QZ3";
    CollectionFile file(collection);
    (void)file.CreateCollection();
    SeededRandom random(330);
    WorkingCopy working;
    const BatchOutcome made = CreateBatchPuzzle(*puzzle, file, builtInBadWords(), random, working);
    std::filesystem::remove(collection);
    if (!made.stored()) throw std::runtime_error("the puzzle was not made: " + made.check.message);
    return std::move(working.record);
}

const PuzzleRecord& puzzle()
{
    static const std::unique_ptr<PuzzleRecord> record = largestPuzzle();
    return *record;
}

PrintOptions cluesWithAnswerKey()
{
    PrintOptions options;
    options.WordOption = kWordOptionClues;
    options.AnswerKey = true;
    options.NumColumns = 2;
    return options;
}

// A fresh measurement each time, as every rendering of the program starts one.
PageFile composePage(RenderOutcome* outcome = nullptr)
{
    const QtTextMetrics metrics;
    RecordingTarget target(metrics);
    SeededRandom random(1);
    const RenderOutcome rendered = RenderPage(puzzle(), cluesWithAnswerKey(), target, random);
    if (outcome) *outcome = rendered;
    return target.page();
}

const std::filesystem::path pdfPath = std::filesystem::temp_directory_path() / "bench_render.pdf";

void ComposePage(benchmark::State& state)
{
    RenderOutcome outcome;
    std::size_t operations = 0;
    for (auto _ : state) operations = composePage(&outcome).operations.size();
    state.counters["words_placed"] = outcome.PrintCount;
    state.counters["operations"] = static_cast<double>(operations);
    state.counters["clues_overflow"] = outcome.CluesOverflow;
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
        if (!SavePlainTextPuzzle(puzzle(), cluesWithAnswerKey(), exportPath).ok())
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
