// Pages for the metafile tests, at whole pixels so every record can be worked out by hand, and
// byte images written as the 16-bit words of a WMF or the 32-bit values of an EMF.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "output/page/page_file.h"

namespace qm::test {

// A Letter page with one of each drawing: "Hi" in Arial 12 with its baseline at (1, 1) inch, a
// line, the left half of a circle, a white circle and a red square.
inline PageFile smallPage()
{
    PageFile page;
    FontSpec font;
    font.Size = 12;
    page.operations = {SetFontOp{font},
                       TextOp{{1, 1}, "Hi"},
                       MoveToOp{{1, 2}},
                       LineToOp{{3, 2}},
                       ArcOp{{1, 3, 2, 4}, {1.5, 3}, {1.5, 4}},
                       EllipseOp{{3, 3, 4, 4}},
                       SetBrushOp{0x0000FF},
                       FillRectangleOp{{5, 5, 6, 6}}};
    return page;
}

// Little-endian bytes of 16-bit words, negative ones as two's complement.
inline std::string words(std::initializer_list<int> values)
{
    std::string bytes;
    for (const int value : values) {
        const auto word = static_cast<std::uint16_t>(value);
        bytes += static_cast<char>(word & 0xFF);
        bytes += static_cast<char>(word >> 8);
    }
    return bytes;
}

// Little-endian bytes of 32-bit values.
inline std::string dwords(std::initializer_list<std::int64_t> values)
{
    std::string bytes;
    for (const std::int64_t value : values) {
        const auto dword = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((dword >> (8 * i)) & 0xFF);
    }
    return bytes;
}

}  // namespace qm::test
