// The contents of the manual: the nested lists of links on its contents page, read into the
// tree the help window shows beside every page.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

struct HelpContentsEntry {
    int depth = 0;       // 0 for a chapter of the outer list, 1 for one nested in it, ...
    std::string title;   // the link's text
    std::string page;    // the link's href
};

// The links of the contents page's lists, in order; links outside a list are not chapters.
std::vector<HelpContentsEntry> parseHelpContents(std::string_view indexHtml);

}  // namespace qm
