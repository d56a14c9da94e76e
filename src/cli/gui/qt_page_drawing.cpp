// The page drawing of the render and export commands on Qt Gui, on the offscreen platform: a command-line
// tool never needs a display.
#include <cstdio>

#include <QGuiApplication>

#include "cli/page_drawing.h"
#include "output/export/gui/page_exports.h"
#include "output/export/gui/page_writers.h"
#include "output/export/gui/pdf_document_writer.h"
#include "output/page/gui/qt_text_metrics.h"

namespace qm::cli {
namespace {

// The tool's stderr carries its own messages, which scripts read; Qt's notes about the session
// (such as a missing XDG_RUNTIME_DIR) would mix into them, so only its critical messages pass.
void keepOnlyCriticalQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

class QtPageDrawing final : public PageDrawing {
public:
    const TextMetrics& metrics() const override { return m_metrics; }
    Status writePdf(const PageFile& page, const std::filesystem::path& path) const override
    {
        return writePagePdf(page, path);
    }
    Result<std::unique_ptr<PageDocument>> startPdf(const std::filesystem::path& path) const override
    {
        auto document = PdfDocumentWriter::create(path);
        if (!document) return document.failure();
        return std::unique_ptr<PageDocument>(std::move(*document));
    }
    CommandOutcome exportPage(const PageFile& page, PageFormat format, const PictureSettings& picture,
                              const std::filesystem::path& path) const override
    {
        return ExportPage(page, format, picture, path);
    }
    CommandOutcome exportHtml(const PageFile& page, const HtmlSettings& html, const PictureSettings& picture,
                              const std::filesystem::path& path) const override
    {
        return ExportHtmlPage(page, html, picture, path);
    }

private:
    // The application must outlive everything drawn; its arguments must outlive it.
    int m_argc = 3;
    char m_name[14] = "quillmaze-cli";
    char m_platformOption[10] = "-platform";
    char m_platform[10] = "offscreen";
    char* m_argv[4] = {m_name, m_platformOption, m_platform, nullptr};
    QGuiApplication m_application{m_argc, m_argv};
    QtTextMetrics m_metrics;
};

}  // namespace

std::unique_ptr<PageDrawing> openPageDrawing()
{
    qInstallMessageHandler(keepOnlyCriticalQtMessages);
    return std::make_unique<QtPageDrawing>();
}

}  // namespace qm::cli
