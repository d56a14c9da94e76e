#include "layout/page_design_units.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {
namespace {

// Products are formed in extended precision, as the layouts' own arithmetic was: in double
// precision 21.59 x 0.3937007874015748 x 100 rounds up to 850 and would truncate to 8.50 in.
using Extended = long double;

}  // namespace

int clampedZoom(int zoom) { return std::clamp(zoom, kSmallZoom, kLargeZoom); }

double zoomFactor(int from, int to)
{
    // Row: the zoom the coordinates are at; column: the zoom they go to.
    static constexpr double kFactors[3][3] = {{1, 1.5, 2}, {0.667, 1, 1.334}, {0.5, 0.75, 1}};
    return kFactors[clampedZoom(from) - 1][clampedZoom(to) - 1];
}

std::int32_t scaledCoordinate(std::int32_t value, double factor)
{
    const Extended scaled = std::trunc(static_cast<Extended>(value) * factor);
    return static_cast<std::int32_t>(std::clamp<Extended>(scaled, std::numeric_limits<std::int32_t>::min(),
                                                          std::numeric_limits<std::int32_t>::max()));
}

void scaleObjectBounds(PageLayoutRecord& layout, double factor)
{
    for (int k = 0; k < usedObjectCount(layout); ++k) {
        PageBounds& b = layout.Objects[k].Bounds;
        for (std::int32_t* edge : {&b.Left, &b.Top, &b.Right, &b.Bottom}) *edge = scaledCoordinate(*edge, factor);
    }
}

int pagePixels(double size, int pixelsPerUnit)
{
    const double pixels = std::trunc(size * pixelsPerUnit);
    if (!(pixels >= 1)) return 1;
    return static_cast<int>(std::min(pixels, static_cast<double>(kMaxPagePixels)));
}

void updatePixelSize(PageLayoutRecord& layout, int zoom)
{
    const int perUnit = PixelsPerUnit(zoom, static_cast<bool>(layout.Inches));
    layout.PixelWidth = static_cast<std::int16_t>(pagePixels(layout.PageWidth, perUnit));
    layout.PixelHeight = static_cast<std::int16_t>(pagePixels(layout.PageHeight, perUnit));
}

void changeUnit(PageLayoutRecord& layout, bool inches)
{
    if (static_cast<bool>(layout.Inches) == inches) return;
    const auto convert = [inches](double size) {
        const Extended hundredths = inches ? std::trunc(size * 0.3937007874015748L * 100) : std::trunc(size * 254.0L);
        return static_cast<double>(hundredths / 100);
    };
    layout.PageWidth = convert(layout.PageWidth);
    layout.PageHeight = convert(layout.PageHeight);
    scaleObjectBounds(layout, inches ? kCentimetreToInchPixels : kInchToCentimetrePixels);
    layout.Inches = inches;
}

}  // namespace qm
