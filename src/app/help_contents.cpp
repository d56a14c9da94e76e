#include "app/help_contents.h"

#include <algorithm>

#include "app/help_pages.h"

namespace qm {
namespace {

bool tagAt(std::string_view html, std::size_t at, std::string_view name)
{
    if (html.compare(at, name.size(), name) != 0) return false;
    const std::size_t after = at + name.size();
    return after < html.size() && (html[after] == '>' || html[after] == ' ');
}

}  // namespace

std::vector<HelpContentsEntry> parseHelpContents(std::string_view indexHtml)
{
    std::vector<HelpContentsEntry> entries;
    int depth = 0;
    for (std::size_t at = indexHtml.find('<'); at != std::string_view::npos; at = indexHtml.find('<', at + 1)) {
        if (tagAt(indexHtml, at, "<ul")) {
            ++depth;
        } else if (tagAt(indexHtml, at, "</ul")) {
            depth = std::max(0, depth - 1);
        } else if (depth > 0 && tagAt(indexHtml, at, "<a")) {
            const std::size_t end = indexHtml.find("</a>", at);
            if (end == std::string_view::npos) break;
            // The link read as a page of its own gives its href and its text without markup.
            const HelpPage link = parseHelpPage({}, indexHtml.substr(at, end - at));
            const std::size_t textStart = indexHtml.find('>', at);
            if (link.links.empty() || textStart == std::string_view::npos || textStart > end) continue;
            entries.push_back({depth - 1, plainTextOfHtml(indexHtml.substr(textStart + 1, end - textStart - 1)),
                               link.links.front()});
        }
    }
    return entries;
}

}  // namespace qm
