#include "app/help_topics.h"

#include <cctype>

#include "common/binary_file.h"

namespace qm {
namespace {

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

bool equalNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(a[k])) != std::tolower(static_cast<unsigned char>(b[k]))) return false;
    return true;
}

// The whole heading, stand-ins and all, matches the whole caption.
bool matchesWhole(std::string_view heading, std::string_view caption)
{
    const std::size_t open = heading.find('<');
    const std::size_t close = open == std::string_view::npos ? open : heading.find('>', open);
    if (close == std::string_view::npos) return heading == caption;
    const std::string_view literal = heading.substr(0, open);
    if (caption.substr(0, literal.size()) != literal) return false;
    const std::string_view rest = heading.substr(close + 1);
    // The stand-in takes at least one character; try every length it could take.
    for (std::size_t taken = literal.size() + 1; taken <= caption.size(); ++taken)
        if (matchesWhole(rest, caption.substr(taken))) return true;
    return false;
}

}  // namespace

std::optional<std::string> helpPageForKeyword(std::string_view keywordIndex, std::string_view keyword)
{
    keyword = trimmed(keyword);
    while (!keywordIndex.empty()) {
        const std::size_t end = keywordIndex.find('\n');
        const std::string_view line = keywordIndex.substr(0, end);
        keywordIndex = end == std::string_view::npos ? std::string_view() : keywordIndex.substr(end + 1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) continue;
        if (equalNoCase(trimmed(line.substr(0, equals)), keyword)) {
            const std::string_view page = trimmed(line.substr(equals + 1));
            if (!page.empty()) return std::string(page);
        }
    }
    return std::nullopt;
}

bool headingNamesCaption(std::string_view heading, std::string_view caption)
{
    caption = trimmed(caption);
    if (caption.empty()) return false;
    while (true) {
        const std::size_t comma = heading.find(", ");
        if (matchesWhole(trimmed(heading.substr(0, comma)), caption)) return true;
        if (comma == std::string_view::npos) return false;
        heading.remove_prefix(comma + 2);
    }
}

std::optional<std::string> chapterForCaption(const std::vector<HelpPage>& pages, std::string_view caption)
{
    // A window's own chapter heads a page or a part of one; a list that names windows (the keys
    // of each window) does so in headings further down.
    std::optional<std::string> chapter;
    int chapterLevel = 0;
    for (const HelpPage& page : pages) {
        for (std::size_t k = 0; k < page.headings.size(); ++k) {
            const HelpHeading& heading = page.headings[k];
            if (chapter && heading.level >= chapterLevel) continue;
            if (!headingNamesCaption(heading.text, caption)) continue;
            chapter = k == 0 || heading.id.empty() ? page.file : page.file + "#" + heading.id;
            chapterLevel = heading.level;
        }
    }
    return chapter;
}

std::string helpPageFor(const std::filesystem::path& helpFolder, const std::vector<HelpPage>& pages,
                        std::string_view keywordOrCaption)
{
    if (trimmed(keywordOrCaption).empty()) return kHelpContents;
    if (auto index = readWholeFile(helpFolder / kHelpKeywords))
        if (auto page = helpPageForKeyword(index.value(), keywordOrCaption)) return *page;
    return chapterForCaption(pages, keywordOrCaption).value_or(kHelpContents);
}

}  // namespace qm
