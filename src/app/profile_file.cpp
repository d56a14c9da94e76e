#include "app/profile_file.h"

#include "common/text_rules.h"

namespace qm {
namespace {

std::string_view blankTrimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

ProfileDocument ProfileDocument::parse(std::string_view text)
{
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (text.substr(0, kUtf8Mark.size()) == kUtf8Mark) text.remove_prefix(kUtf8Mark.size());
    ProfileDocument document;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view raw = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);

        Line line{std::string(raw), {}, {}, {}};
        const std::string_view content = blankTrimmed(raw);
        if (content.starts_with('[')) {
            const std::size_t close = content.find(']');
            line.section = blankTrimmed(content.substr(1, close == std::string_view::npos ? close : close - 1));
        } else if (!content.starts_with(';')) {
            const std::size_t equals = content.find('=');
            if (equals != std::string_view::npos && equals > 0) {
                line.key = blankTrimmed(content.substr(0, equals));
                line.value = unquoted(blankTrimmed(content.substr(equals + 1)));
            }
        }
        document.m_lines.push_back(std::move(line));
    }
    return document;
}

std::optional<std::size_t> ProfileDocument::sectionLine(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (!m_lines[i].section.empty() && equalsIgnoringCase(m_lines[i].section, section)) return i;
    return std::nullopt;
}

std::size_t ProfileDocument::endOfSection(std::size_t sectionLine) const
{
    std::size_t i = sectionLine + 1;
    while (i < m_lines.size() && m_lines[i].section.empty()) ++i;
    return i;
}

std::optional<std::size_t> ProfileDocument::keyLine(std::size_t sectionLine, std::string_view key) const
{
    const std::size_t end = endOfSection(sectionLine);
    for (std::size_t i = sectionLine + 1; i < end; ++i)
        if (!m_lines[i].key.empty() && equalsIgnoringCase(m_lines[i].key, key)) return i;
    return std::nullopt;
}

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const
{
    const auto start = sectionLine(section);
    if (!start) return std::nullopt;
    const auto line = keyLine(*start, key);
    if (!line) return std::nullopt;
    return m_lines[*line].value;
}

void ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    Line line{std::string(key) + "=" + std::string(value), {}, std::string(key), std::string(value)};
    auto start = sectionLine(section);
    if (!start) {
        // A blank line between sections, as the profile functions write them.
        if (!m_lines.empty() && !blankTrimmed(m_lines.back().text).empty()) m_lines.push_back(Line{});
        m_lines.push_back(Line{"[" + std::string(section) + "]", std::string(section), {}, {}});
        m_lines.push_back(std::move(line));
        return;
    }
    if (const auto existing = keyLine(*start, key)) {
        m_lines[*existing] = std::move(line);
        return;
    }
    // Behind the last non-blank line of the section, so the blank line before the next one stays.
    std::size_t insertAt = endOfSection(*start);
    while (insertAt > *start + 1 && blankTrimmed(m_lines[insertAt - 1].text).empty()) --insertAt;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(line));
}

std::string ProfileDocument::text() const
{
    std::string out;
    for (const Line& line : m_lines) {
        out += line.text;
        out += "\r\n";
    }
    return out;
}

}  // namespace qm
