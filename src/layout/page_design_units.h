// The arithmetic of the designer's pixel space: zoom steps, the page in pixels, and changing the
// unit between inches and centimetres. Object rectangles live in designer pixels at a zoom, so
// every change of zoom or unit rescales them.
#pragma once

#include <cstdint>

#include "collection/page_layout_record.h"

namespace qm {

inline constexpr int kSmallZoom = 1;
inline constexpr int kMediumZoom = 2;
inline constexpr int kLargeZoom = 3;

// A stored or configured zoom brought into 1..3.
int clampedZoom(int zoom);

// The factor by which coordinates at zoom `from` become coordinates at zoom `to`: 1.5, 2, 0.667,
// 1.334, 0.5 or 0.75 (the stored table, not the exact ratios), 1 for the same zoom.
double zoomFactor(int from, int to);

// A coordinate times factor, truncated towards zero and held within 32 bits.
std::int32_t scaledCoordinate(std::int32_t value, double factor);

// Scales the four Bounds values of objects 1..N.
void scaleObjectBounds(PageLayoutRecord& layout, double factor);

// trunc(size x pixelsPerUnit), held to a page the designer can draw (1..kMaxPagePixels); a
// stored size that is no number gives the smallest page.
inline constexpr int kMaxPagePixels = 4000;
int pagePixels(double size, int pixelsPerUnit);

// Sets PixelWidth and PixelHeight for the page size at the zoom.
void updatePixelSize(PageLayoutRecord& layout, int zoom);

// The factors that turn coordinates in inch pixels into centimetre pixels and back (48/50.8 and
// its inverse, the same at every zoom).
inline constexpr double kCentimetreToInchPixels = 0.9448818897637795;
inline constexpr double kInchToCentimetrePixels = 1.0583333333333333;

// Switches the page to inches or centimetres: the page size is converted and cut to two
// decimals (so 8.5 in becomes 21.59 cm and then 8.49 in), the object rectangles rescaled.
// Nothing happens when the layout already has that unit.
void changeUnit(PageLayoutRecord& layout, bool inches);

}  // namespace qm
