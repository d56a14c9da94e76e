#include "output/page/recording_target.h"

#include <algorithm>
#include <cmath>

namespace qm {
namespace {

// Far beyond any sheet, and well inside the range of an int even after a border grows it.
constexpr double kPixelLimit = 1e9;

}  // namespace

RecordingTarget::RecordingTarget(const TextMetrics& metrics)
    : m_metrics(metrics),
      m_portrait(*standardPaperSize(PaperCode::Letter))
{
    updateSize();
}

void RecordingTarget::setPaper(PaperCode code, PaperSize customPortrait)
{
    m_page.paper = code;
    m_portrait = standardPaperSize(code).value_or(customPortrait);
    updateSize();
}

void RecordingTarget::setOrientation(Orientation orientation)
{
    m_page.orientation = orientation;
    updateSize();
}

void RecordingTarget::updateSize() { m_page.size = orientedPaperSize(m_portrait, m_page.orientation); }

double RecordingTarget::textWidth(std::string_view text) const { return m_metrics.width(m_font, text); }
double RecordingTarget::textHeight(std::string_view text) const { return m_metrics.height(m_font, text); }
double RecordingTarget::fontAscent() const { return m_metrics.ascent(m_font); }
double RecordingTarget::fontDescent() const { return m_metrics.descent(m_font); }

void RecordingTarget::setTextBackground(TextBackground mode) { m_page.operations.push_back(SetTextBackgroundOp{mode}); }

void RecordingTarget::printText(PagePoint baselineStart, std::string_view text)
{
    if (text.empty()) return;
    if (m_recordedFont != m_font) {
        m_page.operations.push_back(SetFontOp{m_font});
        m_recordedFont = m_font;
    }
    m_page.operations.push_back(TextOp{baselineStart, std::string(text)});
}

void RecordingTarget::setPenColor(Color color) { m_page.operations.push_back(SetPenOp{color}); }
void RecordingTarget::setBrushColor(Color color) { m_page.operations.push_back(SetBrushOp{color}); }
void RecordingTarget::setBrushStyle(BrushStyle style) { m_page.operations.push_back(SetBrushStyleOp{style}); }
void RecordingTarget::moveTo(PagePoint point) { m_page.operations.push_back(MoveToOp{point}); }
void RecordingTarget::lineTo(PagePoint point) { m_page.operations.push_back(LineToOp{point}); }

void RecordingTarget::arc(const PageBox& box, PagePoint start, PagePoint end)
{
    m_page.operations.push_back(ArcOp{box, start, end});
}

void RecordingTarget::ellipse(const PageBox& box) { m_page.operations.push_back(EllipseOp{box}); }
void RecordingTarget::fillRectangle(const PageBox& box) { m_page.operations.push_back(FillRectangleOp{box}); }

void RecordingTarget::drawBitmap(const std::string& path, const PageBox& box)
{
    m_page.operations.push_back(BitmapOp{path, box});
}

int RecordingTarget::toPixels(double inches) const
{
    const double pixels = inches * kPagePixelsPerInch;
    if (std::isnan(pixels)) return 0;
    return static_cast<int>(std::lround(std::clamp(pixels, -kPixelLimit, kPixelLimit)));
}

double RecordingTarget::fromPixels(int pixels) const { return static_cast<double>(pixels) / kPagePixelsPerInch; }

}  // namespace qm
