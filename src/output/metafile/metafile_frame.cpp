#include "output/metafile/metafile_frame.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "output/page/page_file.h"

namespace qm {
namespace {

// Rounding noise of positions computed to land on a pixel.
constexpr double kPixelTolerance = 1e-6;

std::int32_t truncatedInt32(double value)
{
    if (std::isnan(value)) return 0;
    value = std::trunc(value + std::copysign(kPixelTolerance, value));
    return static_cast<std::int32_t>(
        std::clamp<double>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::int32_t metafilePixels(double inches) { return truncatedInt32(inches * kPagePixelsPerInch); }

MetafileFrame metafileFrame(PaperSize sheet)
{
    // 2540 x 12 / 10 rather than x 1.2, which is not exact in binary: 8.5 inches must give 25908.
    auto hundredthsMm = [](double inches) { return std::max(0, truncatedInt32(inches * 2540 * 12 / 10)); };
    return {std::max(0, metafilePixels(sheet.width)), std::max(0, metafilePixels(sheet.height)),
            hundredthsMm(sheet.width), hundredthsMm(sheet.height)};
}

}  // namespace qm
