// The help window's search: the pages that hold every word asked for, best first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/help_pages.h"

namespace qm {

struct HelpSearchHit {
    std::string file;
    std::string title;
};

// The words of a search in lower case: runs of letters and digits (any byte beyond ASCII counts
// as a letter, so accented words stay whole).
std::vector<std::string> helpSearchWords(std::string_view query);

// The pages (the contents page left out: it names every chapter) on which every word of the query
// starts a word, pages holding the words as one phrase first, then by how often the words occur,
// then by title. No word, no page.
std::vector<HelpSearchHit> searchHelpPages(const std::vector<HelpPage>& pages, std::string_view query);

}  // namespace qm
