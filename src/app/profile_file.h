// A settings file in the Windows profile format: [Section] lines and key=value lines.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// Reads like the Windows profile functions: CRLF or LF line ends, section and key names in any
// letter case, blanks around names and values ignored, a value in matching quotes loses them,
// lines starting with ';' are comments. The first section of a name and the first key of a name
// in it count. Writing keeps every other line as it was and ends lines with CRLF.
class ProfileDocument {
public:
    static ProfileDocument parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or adds it at the end of its section (adding the
    // section at the end of the file when there is none).
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

private:
    struct Line {
        std::string text;     // as read, without its line end
        std::string section;  // set on a section line
        std::string key;      // set on a key line
        std::string value;    // the value of a key line, unquoted
    };

    std::optional<std::size_t> sectionLine(std::string_view section) const;
    std::optional<std::size_t> keyLine(std::size_t sectionLine, std::string_view key) const;
    std::size_t endOfSection(std::size_t sectionLine) const;

    std::vector<Line> m_lines;
};

}  // namespace qm
