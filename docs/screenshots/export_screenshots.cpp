// The dialogs of the preview's exports on the sample's first page, with the program's first-run
// settings: the web page, the text file, the JPEG quality, the width of a bitmap, and the
// metafile once it is written.
#include <QApplication>

#include "app/settings.h"
#include "output/export/ui/html_dialog.h"
#include "output/export/ui/jpeg_factor_dialog.h"
#include "output/export/ui/picture_width_dialog.h"
#include "output/export/ui/text_output_dialog.h"
#include "output/metafile/ui/metafile_dialog.h"
#include "output/page/gui/qt_text_metrics.h"
#include "sample_puzzle.h"
#include "screenshots.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::screenshots {
namespace {

struct ExportScene {
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    Settings settings;
    std::unique_ptr<PuzzleRecord> puzzle = samplePuzzle();
    PageFile page = samplePage(*puzzle, settings.Reports.Print, QtTextMetrics(), 5);
};

void shootHtml(ScreenshotFolder& folder, ExportScene& scene)
{
    HtmlExportContext context{scene.dialogs,
                              scene.style,
                              scene.settings.Html,
                              scene.settings.Reports,
                              scene.settings.Exports.LastExportHtmlFile,
                              scene.page};
    TMyHtml html(context);
    html.show();
    folder.save(html, "html-creation.png");
}

void shootText(ScreenshotFolder& folder, ExportScene& scene)
{
    TextExportContext context{scene.dialogs, scene.style, scene.settings.Reports.Print,
                              scene.settings.Exports.LastExportTextFile, *scene.puzzle};
    TAsciiOutput text(context);
    text.show();
    folder.save(text, "text-output.png");
}

void shootJpegFactor(ScreenshotFolder& folder, ExportScene& scene)
{
    TTheJPegFactor factor(scene.dialogs, scene.style, scene.settings.Reports.JpegCompressionQuality);
    factor.show();
    folder.save(factor, "jpeg-factor.png");
}

void shootPictureWidth(ScreenshotFolder& folder, ExportScene& scene)
{
    TMyBitmapWidth width(scene.dialogs, scene.style, PictureKind::Bitmap, scene.settings.Reports.PixelWidth);
    width.show();
    folder.save(width, "picture-width.png");
}

// The window writes the file as it shows, then offers Ok: that is the state it stays in.
void shootMetafile(ScreenshotFolder& folder, ExportScene& scene)
{
    TDoMeta meta(scene.dialogs, scene.style, scene.page, MetafileKind::Emf, scene.dir / "SAMPLE.EMF");
    meta.show();
    QApplication::processEvents();
    require(meta.created(), "the metafile of the sample page is written");
    folder.save(meta, "metafile-creation.png");
}

}  // namespace

void takeExportScreenshots(ScreenshotFolder& folder)
{
    ExportScene scene;
    shootHtml(folder, scene);
    shootText(folder, scene);
    shootJpegFactor(folder, scene);
    shootPictureWidth(folder, scene);
    shootMetafile(folder, scene);
}

}  // namespace qm::screenshots
