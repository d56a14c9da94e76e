// The preview's exports: metafiles, pictures, SVG, the web page and plain text, all of the page
// the preview shows.
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "output/export/export_messages.h"
#include "output/export/gui/page_exports.h"
#include "output/export/ui/html_dialog.h"
#include "output/export/ui/jpeg_factor_dialog.h"
#include "output/export/ui/picture_width_dialog.h"
#include "output/export/ui/text_output_dialog.h"
#include "output/metafile/metafile_export.h"
#include "output/metafile/ui/metafile_dialog.h"
#include "output/play/ui/play_page_export.h"
#include "output/print/ui/preview_window.h"

namespace qm {

// How the preview asks for one export: the width (pictures only), then the file.
struct PageExportDialog {
    PageFormat format;
    ExchangeFileDialog file;
    std::string ExportFileSettings::*lastFile;
    std::optional<PictureKind> picture;
};

namespace {

const PageExportDialog kWmf{PageFormat::Wmf,
                            {"Save Puzzle As MetaFile", "Metafile (*.WMF)|*.WMF", "WMF"},
                            &ExportFileSettings::LastExportWmfFile,
                            std::nullopt};
const PageExportDialog kEmf{PageFormat::Emf,
                            {"Save Puzzle As Enhanced MetaFile", "Enhanced Metafile (*.EMF)|*.EMF", "EMF"},
                            &ExportFileSettings::LastExportEmfFile,
                            std::nullopt};
const PageExportDialog kBitmap{PageFormat::Bmp,
                               {"Save Puzzle As Bitmap", "Bitmap (*.BMP)|*.BMP", "BMP"},
                               &ExportFileSettings::LastExportBitmapFile,
                               PictureKind::Bitmap};
const PageExportDialog kJpeg{PageFormat::Jpeg,
                             {"Save Puzzle As JPeg", "JPeg (*.JPG)|*.JPG", "JPG"},
                             &ExportFileSettings::LastExportJpegFile,
                             PictureKind::Jpeg};
const PageExportDialog kPng{PageFormat::Png,
                            {"Save Puzzle As PNG", "PNG Picture (*.PNG)|*.PNG", "PNG"},
                            &ExportFileSettings::LastExportPngFile,
                            PictureKind::Png};
const PageExportDialog kSvg{PageFormat::Svg,
                            {"Save Puzzle As SVG", "SVG Drawing (*.SVG)|*.SVG", "SVG"},
                            &ExportFileSettings::LastExportSvgFile,
                            std::nullopt};

}  // namespace

void TMyPreview::WmfClick() { exportPage(kWmf); }
void TMyPreview::EmfClick() { exportPage(kEmf); }
void TMyPreview::BitmapClick() { exportPage(kBitmap); }
void TMyPreview::JpegClick() { exportPage(kJpeg); }
void TMyPreview::PngClick() { exportPage(kPng); }
void TMyPreview::SvgClick() { exportPage(kSvg); }

void TMyPreview::exportPage(const PageExportDialog& dialog)
{
    ReportSettings& settings = m_context.settings;
    if (dialog.picture) {
        const auto width =
            askPictureWidth(this, m_context.dialogs, m_context.style, *dialog.picture, settings.PixelWidth);
        if (!width) return;
        settings.PixelWidth = *width;
    }
    const auto chosen = chooseExportFile(m_context.dialogs, dialog.file, m_context.exportFiles.*dialog.lastFile);
    if (!chosen) return;
    if (dialog.format == PageFormat::Wmf || dialog.format == PageFormat::Emf) {
        if (layoutHasBitmaps(m_context.puzzle.Layout)) showRefusal(m_context.dialogs, ExportMessages::MetafileBitmaps);
        const MetafileKind kind = dialog.format == PageFormat::Wmf ? MetafileKind::Wmf : MetafileKind::Emf;
        createMetafile(this, m_context.dialogs, m_context.style, m_page, kind, *chosen);
        return;
    }
    reportCommandOutcome(m_context.dialogs, ExportPage(m_page, dialog.format, pictureSettingsOf(settings), *chosen));
}

void TMyPreview::JpegFactorClick()
{
    ReportSettings& settings = m_context.settings;
    if (const auto quality = askJpegQuality(this, m_context.dialogs, m_context.style, settings.JpegCompressionQuality))
        settings.JpegCompressionQuality = *quality;
}

void TMyPreview::HtmlClick()
{
    HtmlExportContext context{m_context.dialogs,
                              m_context.style,
                              m_context.html,
                              m_context.settings,
                              m_context.exportFiles.LastExportHtmlFile,
                              m_page};
    runHtmlExport(this, context);
}

void TMyPreview::PlayPageClick()
{
    PlayPageExportContext context{m_context.dialogs, m_context.html, m_context.settings.Print, m_context.puzzle};
    runPlayPageExport(context);
}

void TMyPreview::TextClick()
{
    TextExportContext context{m_context.dialogs, m_context.style, m_context.settings.Print,
                              m_context.exportFiles.LastExportTextFile, m_context.puzzle};
    runTextExport(this, context);
}

}  // namespace qm
