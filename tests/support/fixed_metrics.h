// Text metrics simple enough to work every coordinate out by hand, for the renderer's tests and
// its fuzz target.
#pragma once

#include <string_view>

#include "output/page/text_metrics.h"

namespace qm::test {

// Every character 0.6 x size/72 inch wide (a tenth of an inch at 12 points); the height size/72
// inch, its ascent 0.8 and its descent 0.2 of that.
class FixedMetrics final : public TextMetrics {
public:
    double width(const FontSpec& font, std::string_view text) const override
    {
        return static_cast<double>(text.size()) * 0.6 * font.Size / 72;
    }
    double height(const FontSpec& font, std::string_view) const override { return font.Size / 72.0; }
    double ascent(const FontSpec& font) const override { return 0.8 * font.Size / 72; }
    double descent(const FontSpec& font) const override { return 0.2 * font.Size / 72; }
};

}  // namespace qm::test
