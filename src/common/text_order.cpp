#include "common/text_order.h"

#include <algorithm>
#include <array>

namespace qm {
namespace {

// The lower-case byte of a Windows-1252 letter; other bytes stay as they are.
unsigned char lowerLetter(unsigned char byte)
{
    if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte + 32);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<unsigned char>(byte + 32);
    switch (byte) {
    case 0x8A:
        return 0x9A;  // S caron
    case 0x8C:
        return 0x9C;  // OE
    case 0x8E:
        return 0x9E;  // Z caron
    case 0x9F:
        return 0xFF;  // Y diaeresis
    default:
        return byte;
    }
}

// The plain letter a lower-case accented letter sorts with.
unsigned char baseLetter(unsigned char lower)
{
    // 0xE0..0xFF: àáâãäåæçèéêëìíîïðñòóôõö÷øùúûüýþÿ
    static constexpr std::array<char, 32> kBases = {'a', 'a',    'a', 'a', 'a', 'a', 'a', 'c', 'e',    'e', 'e',
                                                    'e', 'i',    'i', 'i', 'i', 'd', 'n', 'o', 'o',    'o', 'o',
                                                    'o', '\xF7', 'o', 'u', 'u', 'u', 'u', 'y', '\xFE', 'y'};
    if (lower >= 0xE0) return static_cast<unsigned char>(kBases[lower - 0xE0]);
    switch (lower) {
    case 0x9A:
        return 's';
    case 0x9C:
        return 'o';
    case 0x9E:
        return 'z';
    case 0xDF:
        return 's';  // sharp s
    default:
        return lower;
    }
}

// Compares texts by a key built byte by byte; the shorter text first when one is a prefix.
template <typename Key>
int compareBy(std::string_view a, std::string_view b, Key key)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int ka = key(static_cast<unsigned char>(a[i]));
        const int kb = key(static_cast<unsigned char>(b[i]));
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int compareListedText(std::string_view a, std::string_view b)
{
    if (int order = compareBy(a, b, [](unsigned char c) { return baseLetter(lowerLetter(c)); })) return order;
    if (int order = compareBy(a, b, [](unsigned char c) { return lowerLetter(c); })) return order;
    // Upper case before lower case when nothing else differs, so the order is total.
    return compareBy(a, b, [](unsigned char c) { return c; });
}

bool equalsIgnoringLetterCase(std::string_view a, std::string_view b)
{
    return compareBy(a, b, [](unsigned char c) { return lowerLetter(c); }) == 0;
}

}  // namespace qm
