// The catalog's windows of printing and exporting: the print options of the sample's first
// puzzle, the status of a report, the preview, and the dialogs of the exports.
#include <QApplication>

#include "collection/collection_file.h"
#include "output/export/ui/html_dialog.h"
#include "output/export/ui/jpeg_factor_dialog.h"
#include "output/export/ui/picture_width_dialog.h"
#include "output/export/ui/text_output_dialog.h"
#include "output/metafile/ui/metafile_dialog.h"
#include "output/page/ui/report_status_window.h"
#include "output/print/ui/bonus_question_dialog.h"
#include "output/print/ui/copies_dialog.h"
#include "output/ui/print_scene.h"
#include "support/ui/window_catalog.h"

namespace qm::test {
namespace {

struct OutputScene : PrintScene {
    explicit OutputScene(double scale) { style.scale = scale; }

    std::unique_ptr<PuzzleRecord> samplePuzzle() const
    {
        auto puzzle = CollectionFile(QM_SAMPLE_COLLECTION).ReadPuzzle(0);
        return puzzle.ok() ? std::move(*puzzle) : generatedPuzzle();
    }

    PageFile page;  // Letter
    std::string lastFile;
};

}  // namespace

void addOutputWindows(std::vector<CatalogWindow>& catalog)
{
    catalog.push_back(onScene<OutputScene>("Reports", [](OutputScene& scene, const WindowLook& look) {
        TMyReport options(scene.context, scene.samplePuzzle());
        showAndLook(options, look);
    }));
    catalog.push_back(onScene<OutputScene>("Report Status Screen", [](OutputScene& scene, const WindowLook& look) {
        const auto puzzle = scene.samplePuzzle();
        TReportForm status(scene.dialogs, scene.style,
                           ReportJob{*puzzle, scene.settings.Reports.Print, scene.metrics, scene.random});
        showAndLook(status, look);
    }));
    catalog.push_back(onScene<OutputScene>("Print Preview", [](OutputScene& scene, const WindowLook& look) {
        TMyPreview preview(scene.previewContext, scene.page);
        showAndLook(preview, look);
    }));
    catalog.push_back(onScene<OutputScene>("JPEG Compression Factor", [](OutputScene& scene, const WindowLook& look) {
        TTheJPegFactor factor(scene.dialogs, scene.style, 75);
        showAndLook(factor, look);
    }));
    const std::pair<const char*, PictureKind> pictures[] = {
        {"Bitmap Width", PictureKind::Bitmap}, {"JPEG Width", PictureKind::Jpeg}, {"PNG Width", PictureKind::Png}};
    for (const auto& [name, kind] : pictures) {
        catalog.push_back(onScene<OutputScene>(name, [kind = kind](OutputScene& scene, const WindowLook& look) {
            TMyBitmapWidth width(scene.dialogs, scene.style, kind, 816);
            showAndLook(width, look);
        }));
    }
    catalog.push_back(onScene<OutputScene>("Bonus Question", [](OutputScene& scene, const WindowLook& look) {
        TBonusQuestion bonus(scene.style, "Which animal barks?");
        showAndLook(bonus, look);
    }));
    catalog.push_back(onScene<OutputScene>("Number of Copies", [](OutputScene& scene, const WindowLook& look) {
        TNumCopies copies(scene.dialogs, scene.style);
        showAndLook(copies, look);
    }));
    catalog.push_back(onScene<OutputScene>("HTML Creation", [](OutputScene& scene, const WindowLook& look) {
        HtmlExportContext context{scene.dialogs,          scene.style,    scene.settings.Html,
                                  scene.settings.Reports, scene.lastFile, scene.page};
        TMyHtml html(context);
        showAndLook(html, look);
    }));
    catalog.push_back(onScene<OutputScene>("Output To Text File", [](OutputScene& scene, const WindowLook& look) {
        const auto puzzle = scene.samplePuzzle();
        TextExportContext context{scene.dialogs, scene.style, scene.settings.Reports.Print, scene.lastFile, *puzzle};
        TAsciiOutput text(context);
        showAndLook(text, look);
    }));
    catalog.push_back(onScene<OutputScene>("Metafile Creation", [](OutputScene& scene, const WindowLook& look) {
        TDoMeta meta(scene.dialogs, scene.style, scene.page, MetafileKind::Emf, scene.dir / "page.emf");
        showAndLook(meta, look);
    }));
}

}  // namespace qm::test
