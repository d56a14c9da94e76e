#include "common/gui/qt_color.h"

namespace qm {

QColor toQColor(std::int32_t colorRef)
{
    if (colorRef < 0) return QColor();
    const auto value = static_cast<std::uint32_t>(colorRef);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

std::int32_t toColorRef(const QColor& color)
{
    if (!color.isValid()) return 0;
    const QColor rgb = color.toRgb();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(rgb.red()) |
                                     static_cast<std::uint32_t>(rgb.green()) << 8 |
                                     static_cast<std::uint32_t>(rgb.blue()) << 16);
}

}  // namespace qm
