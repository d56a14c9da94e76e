// Colours as records and the settings file store them (0x00BBGGRR) at the boundary to Qt.
#pragma once

#include <cstdint>

#include <QColor>

namespace qm {

// Red in the low byte, then green, then blue. A negative value names a system colour of the
// platform the file was written on; it gives an invalid QColor, read as "the usual colour".
QColor toQColor(std::int32_t colorRef);
std::int32_t toColorRef(const QColor& color);

}  // namespace qm
