// The text metrics of the real fonts, measured at the reference size and scaled to the point
// size: the same on screen, on paper, in a PDF and in every picture.
#pragma once

#include <map>
#include <tuple>

#include <QFontMetricsF>

#include "output/text_metrics.h"

namespace qm {

// Needs a running QGuiApplication. Keeps the metrics of every face it measured; one thread only.
class QtTextMetrics final : public TextMetrics {
public:
    double width(const FontSpec& font, std::string_view text) const override;
    double height(const FontSpec& font, std::string_view text) const override;
    double ascent(const FontSpec& font) const override;
    double descent(const FontSpec& font) const override;

private:
    using FaceKey = std::tuple<std::string, bool, bool, bool, bool>;
    const QFontMetricsF& metricsOf(const FontSpec& font) const;

    mutable std::map<FaceKey, QFontMetricsF> m_faces;
};

}  // namespace qm
