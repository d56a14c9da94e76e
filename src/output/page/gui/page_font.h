// The fonts of the page on Qt: every text is laid out in its face at one reference size and
// scaled to its point size, so its measured width and its drawn width are the same on every
// output, whatever the resolution of the device.
#pragma once

#include <QFont>

#include "output/page/report_target.h"

namespace qm {

// The em of the reference size in pixels: the units per em of the TrueType faces, so their
// metrics come out unrounded. Far below the sizes at which FreeType's metrics overflow.
inline constexpr int kReferencePixelSize = 2048;

// The face of the font (name as stored, bold, italic, underline, strike-out) at the reference
// size, without hinting. "Arial" resolves to its metric-compatible stand-in.
QFont referenceFont(const FontSpec& font);

// Inches per reference pixel at the font's point size.
inline double inchesPerReferencePixel(const FontSpec& font) { return font.Size / 72.0 / kReferencePixelSize; }

}  // namespace qm
