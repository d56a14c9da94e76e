#include <QListWidget>

#include "app/ui/lexicon_links.h"
#include "app/ui/main_window.h"
#include "app/ui/main_window_links.h"
#include "app/ui/old_data_conversion_offer.h"
#include "book/ui/pdf_book_command.h"
#include "book/ui/web_puzzles_command.h"
#include "collection/sample_puzzle.h"
#include "collection/ui/puzzle_transfer_commands.h"
#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "generate/ui/word_list_window.h"
#include "layout/default_page_layout.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/shape_list_window.h"
#include "output/export/ui/jpeg_factor_dialog.h"
#include "output/page/gui/qt_text_metrics.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/print_options.h"
#include "output/print/ui/preview_window.h"
#include "output/print/ui/print_options_window.h"
#include "output/print/ui/qt_page_printing.h"

namespace qm {
namespace {

std::vector<std::string> listedCategories(const TMainWin& window)
{
    std::vector<std::string> categories;
    const QListWidget* list = window.categoryList();
    for (int row = 0; row < list->count(); ++row) categories.push_back(toRecordText(list->item(row)->text()));
    return categories;
}

// The entry selected in a list, else its first entry, else nothing: in record text.
std::string selectedOrFirst(const QListWidget* list)
{
    const QListWidgetItem* item = list->currentItem() ? list->currentItem() : list->item(0);
    return item ? toRecordText(item->text()) : std::string();
}

std::function<PageLayoutRecord()> newPuzzleLayout(TMainWin& window)
{
    return [&window] {
        return loadDefaultPageLayout(window.programDirectory(), window.settings().PageLayout.DefaultPage);
    };
}

PuzzleTransferContext transferContext(TMainWin& window)
{
    MiscSettings& misc = window.settings().Misc;
    ReselectRequest shown;
    shown.set(selectedOrFirst(window.categoryList()), selectedOrFirst(window.puzzleList()));
    return PuzzleTransferContext{window.dialogs(),          window.uiStyle(),        misc.LastImportPuzzleFile,
                                 misc.LastExportPuzzleFile, window.collectionPath(), window.workingCopy(),
                                 std::move(shown),          newPuzzleLayout(window)};
}

void linkPuzzleTransfer(MainWindowLinks& links)
{
    links.importPuzzles = [](TMainWin& window) {
        PuzzleTransferContext context = transferContext(window);
        if (ImportPuzzles(&window, context)) window.ListPuzzles();
    };
    links.exportPuzzles = [](TMainWin& window) {
        PuzzleTransferContext context = transferContext(window);
        ExportPuzzles(&window, context);
    };
    links.offerConversion = [](TMainWin& window) {
        offerOldDataConversion(window.dialogs(), {window.workingDirectory(), window.programDirectory()},
                               newPuzzleLayout(window));
    };
}

// The page of a sample puzzle on a layout not yet saved, with the print options as the user left
// them but for those the layout sets, as the print options would show it.
void previewLayout(TMainWin& window, QWidget* parent, const PageLayoutRecord& layout)
{
    const std::unique_ptr<PuzzleRecord> puzzle = samplePuzzle(window.collectionPath(), window.programDirectory());
    if (!puzzle) {
        showRefusal(window.dialogs(), NoSamplePuzzle);
        return;
    }
    puzzle->Layout = layout;
    Settings& settings = window.settings();
    PrintOptions options = settings.Reports.Print;
    ApplyLayoutOptions(options, puzzle->Layout);
    const QtTextMetrics metrics;
    RunRandom random;
    const ReportJob job{*puzzle, options, metrics, random.source()};
    QtPagePrinting printing(window.printer());
    PreviewContext preview{window.dialogs(), window.uiStyle(), settings.Reports, settings.Html,
                           settings.Exports, printing,         *puzzle};
    previewReport(parent, preview, job);
}

// The layout list over the program's layout settings, which take what it changed.
std::optional<PageLayoutRecord> runLayoutList(TMainWin& window, QWidget* parent, PageListMode mode,
                                              std::optional<PageLayoutRecord> puzzleLayout, LayoutPreview preview)
{
    PageLayoutSettings& settings = window.settings().PageLayout;
    PageLayoutListContext context{window.dialogs(),
                                  window.uiStyle(),
                                  settings,
                                  window.programDirectory(),
                                  window.collectionPath(),
                                  [&window](const QString& keyword) { window.showHelpTopic(keyword); },
                                  std::move(preview)};
    PageLayoutListResult result = runPageLayoutList(parent, std::move(context), mode, std::move(puzzleLayout));
    settings = std::move(result.settings);
    return result.chosen;
}

// How the word list editor and the print options open the layout list to choose a layout.
PageLayoutChooser layoutChooser(TMainWin& window, PageListMode mode)
{
    return [&window, mode](QWidget* parent, const PageLayoutRecord& current, const LayoutPreview& preview) {
        return runLayoutList(window, parent, mode, current, preview);
    };
}

}  // namespace

MainWindowLinks programLinks()
{
    MainWindowLinks links;
    links.puzzleShapes = [](TMainWin& window) {
        ShapeListContext context{window.dialogs(), window.uiStyle(), window.settings().Shapes, window.currentShape(),
                                 window.programDirectory()};
        runShapeList(&window, context);
    };
    links.pageLayouts = [](TMainWin& window) {
        runLayoutList(
            window, &window, PageListMode::Manage, std::nullopt,
            [&window](QWidget* parent, const PageLayoutRecord& layout) { previewLayout(window, parent, layout); });
    };
    const auto lexicon = std::make_shared<ProgramLexicon>();
    linkLexicon(links, lexicon);
    // The four candidate slots of the generator live as long as the main window's links.
    links.editPuzzle = [candidates = std::make_shared<Candidates>(), lexicon](TMainWin& window,
                                                                              const QString& caption) {
        Settings& settings = window.settings();
        EditorLexicon lexiconTools = lexicon->tools(window);
        WordListContext context{window.dialogs(),
                                window.uiStyle(),
                                settings.WordList,
                                settings.Shapes,
                                copyOf(window.workingCopy()),
                                window.currentShape(),
                                *candidates,
                                window.programDirectory(),
                                window.collectionPath(),
                                listedCategories(window)};
        context.lexicon = &lexiconTools;
        context.chooseLayout = layoutChooser(window, PageListMode::PuzzleLayout);
        context.previewLayout = [&window](QWidget* parent, const PageLayoutRecord& layout) {
            previewLayout(window, parent, layout);
        };
        WordListResult result = runWordListEditor(&window, std::move(context), caption);
        settings.WordList = std::move(result.settings);
        settings.Shapes = std::move(result.shapeSettings);
        window.workingCopy() = std::move(result.working);
        window.currentShape() = std::move(result.currentShape);
        // The store left a reselect request: the new listing selects the stored puzzle.
        if (result.storedIndex) window.ListPuzzles();
    };
    links.printOptions = [](TMainWin& window, std::unique_ptr<PuzzleRecord> puzzle) {
        Settings& settings = window.settings();
        const QtTextMetrics metrics;
        QtPagePrinting printing(window.printer());
        PrintOptionsContext context{
            window.dialogs(), window.uiStyle(),
            settings.Reports, settings.Html,
            settings.Exports, layoutChooser(window, PageListMode::PrintLayout),
            window.printer(), printing,
            metrics,          [&window](const QString& keyword) { window.showHelpTopic(keyword); }};
        runPrintOptions(&window, context, std::move(puzzle));
    };
    linkPuzzleTransfer(links);
    links.pdfBook = [](TMainWin& window) {
        Settings& settings = window.settings();
        const QtTextMetrics metrics;
        PdfBookContext context{window.dialogs(),       window.uiStyle(),        settings.Book,
                               settings.Reports.Print, window.collectionPath(), metrics};
        SaveCollectionAsPdfBook(&window, context);
    };
    links.webPuzzles = [](TMainWin& window) {
        Settings& settings = window.settings();
        WebPuzzlesContext context{window.dialogs(), settings.Html, settings.Reports.Print, window.collectionPath()};
        SaveCollectionAsWebPuzzles(context);
    };
    // The quality the JPEG pictures and web pages of the preview are saved with.
    links.jpegCompression = [](TMainWin& window) {
        int& quality = window.settings().Reports.JpegCompressionQuality;
        if (const auto chosen = askJpegQuality(&window, window.dialogs(), window.uiStyle(), quality)) quality = *chosen;
    };
    return links;
}

}  // namespace qm
