// What the render and export commands draw pages with: the text metrics of the real fonts, the
// PDF writer and the exports of a page. They are built on Qt Gui (cli/gui/); a build without Qt
// has neither command.
#pragma once

#include <filesystem>
#include <memory>

#include "common/command_outcome.h"
#include "common/result.h"
#include "output/export/page_formats.h"
#include "output/page/output_settings.h"
#include "output/page/page_file.h"
#include "output/page/page_sink.h"
#include "output/page/text_metrics.h"

namespace qm::cli {

class PageDrawing {
public:
    virtual ~PageDrawing() = default;
    virtual const TextMetrics& metrics() const = 0;
    virtual Status writePdf(const PageFile& page, const std::filesystem::path& path) const = 0;
    // A PDF document of many pages, put in place when finished.
    virtual Result<std::unique_ptr<PageDocument>> startPdf(const std::filesystem::path& path) const = 0;
    // ExportPage and ExportHtmlPage of the page exports.
    virtual CommandOutcome exportPage(const PageFile& page, PageFormat format, const PictureSettings& picture,
                                      const std::filesystem::path& path) const = 0;
    virtual CommandOutcome exportHtml(const PageFile& page, const HtmlSettings& html, const PictureSettings& picture,
                                      const std::filesystem::path& path) const = 0;
};

// Starts the drawing machinery, without a display; it stops when the object goes.
std::unique_ptr<PageDrawing> openPageDrawing();

}  // namespace qm::cli
