// The report target that records the page into a page file, measuring text through TextMetrics.
#pragma once

#include <optional>

#include "output/page/page_file.h"
#include "output/page/report_target.h"
#include "output/page/text_metrics.h"

namespace qm {

class RecordingTarget final : public ReportTarget {
public:
    explicit RecordingTarget(const TextMetrics& metrics);

    const PageFile& page() const { return m_page; }
    // Asks the renderer to stop at the next object (the Cancel button of the status window).
    void abort() { m_aborted = true; }

    void setPaper(PaperCode code, PaperSize customPortrait) override;
    void setOrientation(Orientation orientation) override;
    double pageWidth() const override { return m_page.size.width; }
    double pageHeight() const override { return m_page.size.height; }

    void setFont(const FontSpec& font) override { m_font = font; }
    double textWidth(std::string_view text) const override;
    double textHeight(std::string_view text) const override;
    double fontAscent() const override;
    double fontDescent() const override;
    void setTextBackground(TextBackground mode) override;
    void printText(PagePoint baselineStart, std::string_view text) override;

    void setPenColor(Color color) override;
    void setBrushColor(Color color) override;
    void setBrushStyle(BrushStyle style) override;
    void moveTo(PagePoint point) override;
    void lineTo(PagePoint point) override;
    void arc(const PageBox& box, PagePoint start, PagePoint end) override;
    void ellipse(const PageBox& box) override;
    void fillRectangle(const PageBox& box) override;
    void drawBitmap(const std::string& path, const PageBox& box) override;

    int toPixels(double inches) const override;
    double fromPixels(int pixels) const override;

    bool aborted() const override { return m_aborted; }

private:
    void updateSize();

    const TextMetrics& m_metrics;
    PageFile m_page;
    PaperSize m_portrait;
    FontSpec m_font;
    // Fonts are set often while text is fitted; the page keeps only the fonts text is printed in.
    std::optional<FontSpec> m_recordedFont;
    bool m_aborted = false;
};

}  // namespace qm
