// The text metrics of the real fonts, measured at the reference size and scaled to the point
// size: the same on screen, on paper, in a PDF and in every picture.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

#include <QFontMetricsF>

#include "output/page/text_metrics.h"

namespace qm {

// Needs a running QGuiApplication. Keeps what it measured of every face: fitting a text measures
// the same strings again at each size, and at the reference size they are all one. One thread
// only.
class QtTextMetrics final : public TextMetrics {
public:
    double width(const FontSpec& font, std::string_view text) const override;
    double height(const FontSpec& font, std::string_view text) const override;
    double ascent(const FontSpec& font) const override;
    double descent(const FontSpec& font) const override;

private:
    struct Face {
        QFontMetricsF metrics;
        std::unordered_map<std::string, double> widths;  // reference pixels, by text
    };
    using FaceKey = std::tuple<std::string, bool, bool, bool, bool>;
    Face& faceOf(const FontSpec& font) const;

    mutable std::map<FaceKey, Face> m_faces;
};

}  // namespace qm
