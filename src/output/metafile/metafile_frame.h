// The whole pixels of a metafile, 96 to the inch, and the sizes its header gives the page.
#pragma once

#include <cstdint>

#include "output/page/paper_size.h"

namespace qm {

// trunc(inches x 96), kept inside the 32-bit range; NaN is 0. A value that was meant to be a
// whole number of pixels and came out a hair below still counts as that pixel.
std::int32_t metafilePixels(double inches);

struct MetafileFrame {
    std::int32_t widthPixels = 0;
    std::int32_t heightPixels = 0;
    std::int32_t widthHundredthsMm = 0;  // trunc(inches x 2540 x 1.2)
    std::int32_t heightHundredthsMm = 0;
};

// The sheet in pixels and in hundredths of a millimetre, never below zero.
MetafileFrame metafileFrame(PaperSize sheet);

}  // namespace qm
