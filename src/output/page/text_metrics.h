// Text measurement that does not depend on the output device, so words, clues and text lines fit
// at the same font sizes on screen, on paper, in a PDF and in every picture.
#pragma once

#include <string_view>

#include "output/page/report_target.h"

namespace qm {

class TextMetrics {
public:
    virtual ~TextMetrics() = default;
    // The extent of Windows-1252 text in the font, in inches.
    virtual double width(const FontSpec& font, std::string_view text) const = 0;
    virtual double height(const FontSpec& font, std::string_view text) const = 0;
    virtual double ascent(const FontSpec& font) const = 0;
    virtual double descent(const FontSpec& font) const = 0;
};

}  // namespace qm
