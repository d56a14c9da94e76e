// Windows metafiles (WMF) of a page: placeable, 96 units to the inch, text in Windows-1252.
#pragma once

#include <string>

#include "output/page/page_file.h"

namespace qm {

// The bytes of the metafile of the page. Coordinates beyond the 16 bits of the format are held
// at its edge; the page's pictures are left out (layoutHasBitmaps tells).
std::string WmfBytes(const PageFile& page);

}  // namespace qm
