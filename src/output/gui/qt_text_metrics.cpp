#include "output/gui/qt_text_metrics.h"

#include "common/gui/qt_text.h"
#include "output/gui/page_font.h"

namespace qm {

const QFontMetricsF& QtTextMetrics::metricsOf(const FontSpec& font) const
{
    const FaceKey key{font.Name, font.Bold, font.Italic, font.Underline, font.StrikeOut};
    auto found = m_faces.find(key);
    if (found == m_faces.end()) found = m_faces.emplace(key, QFontMetricsF(referenceFont(font))).first;
    return found->second;
}

double QtTextMetrics::width(const FontSpec& font, std::string_view text) const
{
    return metricsOf(font).horizontalAdvance(toQString(text)) * inchesPerReferencePixel(font);
}

// As on Windows, every text of a font is as high as the font: its ascent and descent.
double QtTextMetrics::height(const FontSpec& font, std::string_view) const
{
    return metricsOf(font).height() * inchesPerReferencePixel(font);
}

double QtTextMetrics::ascent(const FontSpec& font) const
{
    return metricsOf(font).ascent() * inchesPerReferencePixel(font);
}

double QtTextMetrics::descent(const FontSpec& font) const
{
    return metricsOf(font).descent() * inchesPerReferencePixel(font);
}

}  // namespace qm
