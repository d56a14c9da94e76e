#include "lexicon/dictionary_encoding.h"

#include "common/cp1252.h"
#include "common/text_rules.h"

namespace qm {
namespace {

// Bytes 0x80..0x9F are printable characters in Windows-1252 but control codes in ISO 8859-1.
bool differsFromLatin1(unsigned char byte) { return byte >= 0x80 && byte <= 0x9F; }

}  // namespace

DictionaryEncoding::DictionaryEncoding(std::string_view name) : m_utf8(equalsIgnoringCase(name, "UTF-8")) {}

std::string DictionaryEncoding::fromRecordText(std::string_view cp1252) const
{
    if (m_utf8) return cp1252ToUtf8(cp1252);
    std::string latin1(cp1252);
    for (char& c : latin1)
        if (differsFromLatin1(static_cast<unsigned char>(c))) c = '?';
    return latin1;
}

std::optional<std::string> DictionaryEncoding::toRecordText(std::string_view text) const
{
    if (!m_utf8) {
        for (char c : text)
            if (differsFromLatin1(static_cast<unsigned char>(c))) return std::nullopt;
        return std::string(text);
    }
    if (!isValidUtf8(text)) return std::nullopt;
    constexpr char kUnmapped = '\0';  // dictionaries hold no such character
    std::string cp1252 = utf8ToCp1252(text, kUnmapped);
    if (cp1252.find(kUnmapped) != std::string::npos) return std::nullopt;
    return cp1252;
}

}  // namespace qm
