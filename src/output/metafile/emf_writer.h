// Enhanced metafiles (EMF) of a page: one unit a page pixel, the frame in hundredths of a
// millimetre, text in UTF-16.
#pragma once

#include <string>

#include "output/page/page_file.h"

namespace qm {

// The bytes of the enhanced metafile of the page; the page's pictures are left out
// (layoutHasBitmaps tells).
std::string EmfBytes(const PageFile& page);

}  // namespace qm
