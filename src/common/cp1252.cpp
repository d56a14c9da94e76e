#include "common/cp1252.h"

#include <array>

namespace qm {
namespace {

// Characters of the bytes 0x80..0x9F; the other bytes equal their code points.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Decodes one UTF-8 sequence at text[pos]; returns its length, or 0 when it is not valid.
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& cp)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (next & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) return 0;
    return length;
}

// A combining accent and the letters it turns into accented letters of the code page: the plain
// letters in order, then the bytes they become.
struct Composition {
    char32_t accent;
    std::string_view letters;
    std::string_view composed;
};
constexpr std::array<Composition, 8> kCompositions = {{
    {0x0300, "AEIOUaeiou", "\xC0\xC8\xCC\xD2\xD9\xE0\xE8\xEC\xF2\xF9"},
    {0x0301, "AEIOUYaeiouy", "\xC1\xC9\xCD\xD3\xDA\xDD\xE1\xE9\xED\xF3\xFA\xFD"},
    {0x0302, "AEIOUaeiou", "\xC2\xCA\xCE\xD4\xDB\xE2\xEA\xEE\xF4\xFB"},
    {0x0303, "ANOano", "\xC3\xD1\xD5\xE3\xF1\xF5"},
    {0x0308, "AEIOUYaeiouy", "\xC4\xCB\xCF\xD6\xDC\x9F\xE4\xEB\xEF\xF6\xFC\xFF"},
    {0x030A, "Aa", "\xC5\xE5"},
    {0x030C, "SZsz", "\x8A\x8E\x9A\x9E"},
    {0x0327, "Cc", "\xC7\xE7"},
}};

// The accented letter a plain letter and a combining accent make, or 0 when the code page has none.
char composedLetter(char letter, char32_t accent)
{
    for (const Composition& composition : kCompositions) {
        if (composition.accent != accent) continue;
        const std::size_t at = composition.letters.find(letter);
        return at == std::string_view::npos ? char(0) : composition.composed[at];
    }
    return 0;
}

void appendUtf16AsUtf8(std::string& out, std::string_view units, bool bigEndian)
{
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(units[i]);
        const auto second = static_cast<unsigned char>(units[i + 1]);
        return static_cast<char32_t>(bigEndian ? first << 8 | second : second << 8 | first);
    };
    for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
        char32_t cp = unitAt(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < units.size()) {
            const char32_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        // A lone surrogate has no character; it is replaced like any character the code page lacks.
        appendUtf8(out, cp >= 0xD800 && cp <= 0xDFFF ? char32_t(0xFFFD) : cp);
    }
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

char32_t cp1252ToCodePoint(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t(byte);
}

int codePointToCp1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint) return static_cast<int>(0x80 + i);
    return -1;
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char byte : bytes) appendUtf8(out, cp1252ToCodePoint(static_cast<unsigned char>(byte)));
    return out;
}

Cp1252Conversion convertUtf8ToCp1252(std::string_view text, char replacement)
{
    Cp1252Conversion result;
    std::string& out = result.bytes;
    out.reserve(text.size());
    bool lastWasLetter = false;  // the last byte put out came from a character of its own
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(text, pos, cp);
        if (length == 0) {
            out.push_back(text[pos]);
            ++pos;
            lastWasLetter = false;
            continue;
        }
        pos += length;
        if (const char composed = lastWasLetter ? composedLetter(out.back(), cp) : char(0); composed != 0) {
            out.back() = composed;
            lastWasLetter = false;
            continue;
        }
        const int byte = codePointToCp1252(cp);
        if (byte < 0) ++result.replaced;
        out.push_back(byte < 0 ? replacement : static_cast<char>(byte));
        lastWasLetter = byte >= 0;
    }
    return result;
}

std::string utf8ToCp1252(std::string_view text, char replacement)
{
    return convertUtf8ToCp1252(text, replacement).bytes;
}

bool isValidUtf8(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t cp = 0;
        const std::size_t length = decodeUtf8(text, pos, cp);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

DecodedTextFile decodeTextFile(std::string_view contents)
{
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
    constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
    DecodedTextFile decoded;
    if (contents.starts_with(kUtf16LittleEndianMark) || contents.starts_with(kUtf16BigEndianMark)) {
        decoded.encoding = TextFileEncoding::Utf16;
        appendUtf16AsUtf8(decoded.text, contents.substr(2), contents.starts_with(kUtf16BigEndianMark));
        return decoded;
    }
    if (!isValidUtf8(contents)) {
        decoded.text = contents;
        return decoded;
    }
    if (contents.starts_with(kUtf8Mark)) contents.remove_prefix(kUtf8Mark.size());
    decoded.encoding = TextFileEncoding::Utf8;
    decoded.text = contents;
    return decoded;
}

std::string textFileToCp1252(std::string_view contents)
{
    DecodedTextFile decoded = decodeTextFile(contents);
    if (decoded.encoding == TextFileEncoding::Windows1252) return std::move(decoded.text);
    return utf8ToCp1252(decoded.text);
}

}  // namespace qm
