// TMyPreview ("Puzzle Preview"): the page made by View/Print, zoomed, printed once or in copies,
// saved as PDF, and exported: metafiles, pictures, SVG, a web page and plain text.
#pragma once

#include <QDialog>

#include "collection/puzzle_record.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"
#include "output/page/page_file.h"

class QAction;
class QLineEdit;
class QScrollArea;
class QToolBar;

namespace qm {

class PagePrinting;
class PageViewWidget;
struct PageExportDialog;
struct ReportJob;

// What the preview works with; the caller owns all of it.
struct PreviewContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    // The window's place and size, the last PDF file, the pictures' width, quality and colours,
    // and the print options (the text export's spacing).
    ReportSettings& settings;
    HtmlSettings& html;
    ExportFileSettings& exportFiles;
    PagePrinting& printing;
    const PuzzleRecord& puzzle;  // the print copy the page shows, for the text export
};

class TMyPreview : public QDialog {
    Q_OBJECT
public:
    TMyPreview(PreviewContext& context, const PageFile& page, QWidget* parent = nullptr);
    ~TMyPreview() override;

    double zoom() const;
    int pixelWidth() const;
    // Shows the page at the zoom (percent, within the limits) and writes ZoomEdit and Pixels.
    void setZoom(double zoom);
    const PageFile& page() const { return m_page; }
    PageViewWidget* pageView() const { return m_view; }

    // The commands, also for tests.
    void SBZoomInClick();
    void SBZoomOutClick();
    void SBZoomPageWidthClick();
    void SBZoomPageClick();
    void PrintPageClick();
    void PrintMultipleCopiesClick();
    void SavePdfClick();
    void WmfClick();
    void EmfClick();
    void BitmapClick();
    void JpegClick();
    void PngClick();
    void SvgClick();
    void JpegFactorClick();
    void HtmlClick();
    void PlayPageClick();
    void TextClick();
    void SBDoneClick();
    void ZoomEditExit();
    void PixelsExit();

    // Remembers the window's place and size for the settings file.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    QAction* addToolButton(const char* name, const QString& hint, const QString& icon, void (TMyPreview::*command)());
    void printCopies(int copies);
    // The save dialog, then the PDF; a name is remembered once its file is written.
    void savePdf(const QString& title);
    // The width (for a picture), the file, then the export of the page; the zoom stays as it is,
    // pictures being painted at their own width.
    void exportPage(const PageExportDialog& dialog);
    // A zoom that fills the view's width, or its width and height.
    double zoomToFillView(bool wholePage) const;
    // Widens the window, when it is shown first, to the width its tool bar needs.
    void fitToolBar();

    PreviewContext& m_context;
    const PageFile& m_page;
    bool m_shown = false;

    QToolBar* m_toolBar = nullptr;
    QLineEdit* m_zoomEdit = nullptr;
    QLineEdit* m_pixels = nullptr;
    QScrollArea* m_scroll = nullptr;
    PageViewWidget* m_view = nullptr;
};

// Shows the page in the preview, modally.
void runPreview(QWidget* parent, PreviewContext& context, const PageFile& page);

// Makes the page of the job with the status window, then shows it in the preview; nothing
// more when the user cancelled the report.
void previewReport(QWidget* parent, PreviewContext& context, const ReportJob& job);

}  // namespace qm
