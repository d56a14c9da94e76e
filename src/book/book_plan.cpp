#include "book/book_plan.h"

#include <algorithm>

namespace qm {

BookPlan planBook(int puzzles, int keysPerPage, bool contentsPage, int contentsLinesPerPage)
{
    puzzles = std::max(puzzles, 0);
    keysPerPage = std::max(keysPerPage, 1);
    contentsLinesPerPage = std::max(contentsLinesPerPage, 1);
    BookPlan plan;
    if (contentsPage) plan.contentsPages = (puzzles + 1 + contentsLinesPerPage - 1) / contentsLinesPerPage;
    plan.keyPagesCount = (puzzles + keysPerPage - 1) / keysPerPage;
    const int firstKeyPage = plan.contentsPages + puzzles + 1;
    for (int k = 0; k < puzzles; ++k) {
        plan.puzzlePages.push_back(plan.contentsPages + k + 1);
        plan.keyPages.push_back(firstKeyPage + k / keysPerPage);
    }
    plan.pageCount = plan.contentsPages + puzzles + plan.keyPagesCount;
    return plan;
}

}  // namespace qm
