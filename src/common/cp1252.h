// Conversion between the Windows-1252 bytes of stored records and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace qm {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to the
// control characters of the same value, as Windows does.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte become the replacement byte; invalid UTF-8 sequences
// are taken byte by byte. A letter followed by a combining accent (as some editors write é) is
// the accented letter when the code page has it.
std::string utf8ToCp1252(std::string_view text, char replacement = '?');

// The same conversion, counting the characters that were replaced.
struct Cp1252Conversion {
    std::string bytes;
    std::size_t replaced = 0;
};
Cp1252Conversion convertUtf8ToCp1252(std::string_view text, char replacement = '?');

// The Unicode character of one Windows-1252 byte.
char32_t cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a character, or -1 when the code page has none.
int codePointToCp1252(char32_t codePoint);

bool isValidUtf8(std::string_view text);

// Appends the UTF-8 bytes of a character.
void appendUtf8(std::string& out, char32_t codePoint);

enum class TextFileEncoding { Windows1252, Utf8, Utf16 };

// A text file's characters: UTF-8 for a file that is valid UTF-8 (with or without a byte order
// mark) or UTF-16 with a byte order mark; any other file is taken as Windows-1252 and keeps its
// bytes.
struct DecodedTextFile {
    TextFileEncoding encoding = TextFileEncoding::Windows1252;
    std::string text;
};
DecodedTextFile decodeTextFile(std::string_view contents);

// The bytes of a text file in the record code page.
std::string textFileToCp1252(std::string_view contents);

}  // namespace qm
