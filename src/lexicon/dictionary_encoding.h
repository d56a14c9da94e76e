// The text encoding of a dictionary or thesaurus file, as its header names it, and the conversion
// of record text (Windows-1252) to and from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qm {

class DictionaryEncoding {
public:
    // "UTF-8" in any letter case is UTF-8; every other name is read as ISO 8859-1, the encoding
    // of the other dictionaries packaged.
    explicit DictionaryEncoding(std::string_view name);

    std::string fromRecordText(std::string_view cp1252) const;
    // Nothing when the text holds a character Windows-1252 has no byte for: a suggestion that
    // could not be stored is no use.
    std::optional<std::string> toRecordText(std::string_view text) const;

private:
    bool m_utf8;
};

}  // namespace qm
