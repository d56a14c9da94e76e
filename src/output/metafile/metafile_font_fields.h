// The fields of a Windows logical font that a WMF and an EMF write alike: the weight, and the
// style and default bytes between it and the face name.
#pragma once

#include <cstdint>

#include "output/metafile/little_endian_buffer.h"
#include "output/metafile/metafile_canvas.h"

namespace qm {

inline std::int16_t fontWeight(const MetafileFont& font) { return font.bold ? 700 : 400; }

// Italic, underline and strike-out, then the ANSI character set and the defaults of output and
// clip precision, quality, and pitch and family.
inline void appendFontStyle(LittleEndianBuffer& out, const MetafileFont& font)
{
    out.u8(font.italic);
    out.u8(font.underline);
    out.u8(font.strikeOut);
    for (int i = 0; i < 5; ++i) out.u8(0);
}

}  // namespace qm
