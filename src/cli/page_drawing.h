// What the render command draws pages with: the text metrics of the real fonts and the writers
// of PDF files and pictures. They are built on Qt Gui (cli/gui/); a build without Qt has no
// render command.
#pragma once

#include <filesystem>
#include <memory>

#include "common/result.h"
#include "output/page_file.h"
#include "output/page_sink.h"
#include "output/text_metrics.h"

namespace qm::cli {

class PageDrawing {
public:
    virtual ~PageDrawing() = default;
    virtual const TextMetrics& metrics() const = 0;
    virtual Status writePdf(const PageFile& page, const std::filesystem::path& path) const = 0;
    // A PDF document of many pages, put in place when finished.
    virtual Result<std::unique_ptr<PageDocument>> startPdf(const std::filesystem::path& path) const = 0;
    virtual Status writePng(const PageFile& page, int widthPixels, const std::filesystem::path& path) const = 0;
};

// Starts the drawing machinery, without a display; it stops when the object goes.
std::unique_ptr<PageDrawing> openPageDrawing();

}  // namespace qm::cli
