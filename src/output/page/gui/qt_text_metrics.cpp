#include "output/page/gui/qt_text_metrics.h"

#include "common/gui/qt_text.h"
#include "output/page/gui/page_font.h"

namespace qm {
namespace {

// Widths kept per face before they are forgotten, so a long-lived object stays small.
constexpr std::size_t kMostKeptWidths = 100000;

}  // namespace

QtTextMetrics::Face& QtTextMetrics::faceOf(const FontSpec& font) const
{
    const FaceKey key{font.Name, font.Bold, font.Italic, font.Underline, font.StrikeOut};
    auto found = m_faces.find(key);
    if (found == m_faces.end()) found = m_faces.emplace(key, Face{QFontMetricsF(referenceFont(font)), {}}).first;
    return found->second;
}

double QtTextMetrics::width(const FontSpec& font, std::string_view text) const
{
    Face& face = faceOf(font);
    auto known = face.widths.find(std::string(text));
    if (known == face.widths.end()) {
        if (face.widths.size() >= kMostKeptWidths) face.widths.clear();
        known = face.widths.emplace(text, face.metrics.horizontalAdvance(toQString(text))).first;
    }
    return known->second * inchesPerReferencePixel(font);
}

// As on Windows, every text of a font is as high as the font: its ascent and descent.
double QtTextMetrics::height(const FontSpec& font, std::string_view) const
{
    return faceOf(font).metrics.height() * inchesPerReferencePixel(font);
}

double QtTextMetrics::ascent(const FontSpec& font) const
{
    return faceOf(font).metrics.ascent() * inchesPerReferencePixel(font);
}

double QtTextMetrics::descent(const FontSpec& font) const
{
    return faceOf(font).metrics.descent() * inchesPerReferencePixel(font);
}

}  // namespace qm
