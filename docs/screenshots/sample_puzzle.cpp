#include "sample_puzzle.h"

#include "collection/collection_file.h"
#include "common/random_source.h"
#include "output/page/ui/report_status_window.h"
#include "screenshots.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::screenshots {

std::unique_ptr<PuzzleRecord> samplePuzzle()
{
    auto puzzle = CollectionFile(QM_SAMPLE_COLLECTION).ReadPuzzle(0);
    require(puzzle.ok(), "the sample collection holds its first puzzle");
    return std::move(*puzzle);
}

PageFile samplePage(const PuzzleRecord& puzzle, const PrintOptions& options, const TextMetrics& metrics, int seed)
{
    test::ScriptedDialogs silent;
    const UiStyle style;
    SeededRandom scramble(seed);
    TReportForm status(silent, style, ReportJob{puzzle, options, metrics, scramble});
    status.FormActivate();
    require(!status.aborted() && silent.messages().empty(), "the sample page fits without a warning");
    return status.page();
}

}  // namespace qm::screenshots
