// Where each page of a book stands: the contents pages first, then one page a puzzle, then the
// answer keys, several to a page. Pages are numbered from 1 over the whole book.
#pragma once

#include <vector>

namespace qm {

struct BookPlan {
    int contentsPages = 0;
    std::vector<int> puzzlePages;  // the page of each puzzle, in book order
    std::vector<int> keyPages;     // the page of each puzzle's answer key
    int keyPagesCount = 0;
    int pageCount = 0;

    int firstKeyPage() const { return keyPagesCount > 0 ? keyPages.front() : 0; }
};

// puzzles is at least 0; keysPerPage and contentsLinesPerPage at least 1. The contents list
// every puzzle and then the answers, one line each.
BookPlan planBook(int puzzles, int keysPerPage, bool contentsPage, int contentsLinesPerPage);

}  // namespace qm
