// Upper case of one Windows-1252 byte, the way letters are written into a puzzle grid.
#pragma once

#include <cstdint>

namespace qm {

// 'a'..'z' and the accented small letters 0xE0..0xF6 and 0xF8..0xFE lose 0x20; every other byte
// (0xF7, the division sign, and 0xFF, y with diaeresis, among them) stays as it is.
constexpr std::uint8_t UpCaseLetter(std::uint8_t byte)
{
    const bool asciiSmall = byte >= 'a' && byte <= 'z';
    const bool accentedSmall = (byte >= 0xE0 && byte <= 0xF6) || (byte >= 0xF8 && byte <= 0xFE);
    return asciiSmall || accentedSmall ? static_cast<std::uint8_t>(byte - 0x20) : byte;
}

}  // namespace qm
