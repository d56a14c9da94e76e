// Page numbers of a book: contents first, a page a puzzle, the keys several to a page.
#include <gtest/gtest.h>

#include <string>

#include "book/book_plan.h"

namespace qm {
namespace {

struct PlanCase {
    int puzzles;
    int keysPerPage;
    bool contents;
    int linesPerPage;
    int contentsPages;
    int keyPages;
    int pageCount;
};

class BookPlanCases : public testing::TestWithParam<PlanCase> {};

TEST_P(BookPlanCases, CountsEveryKindOfPage)
{
    const PlanCase& c = GetParam();
    const BookPlan plan = planBook(c.puzzles, c.keysPerPage, c.contents, c.linesPerPage);
    EXPECT_EQ(plan.contentsPages, c.contentsPages);
    EXPECT_EQ(plan.keyPagesCount, c.keyPages);
    EXPECT_EQ(plan.pageCount, c.pageCount);
    ASSERT_EQ(plan.puzzlePages.size(), static_cast<std::size_t>(c.puzzles));
    for (int k = 0; k < c.puzzles; ++k) {
        EXPECT_EQ(plan.puzzlePages[k], c.contentsPages + k + 1);
        EXPECT_EQ(plan.keyPages[k], c.contentsPages + c.puzzles + 1 + k / c.keysPerPage);
    }
}

INSTANTIATE_TEST_SUITE_P(Books, BookPlanCases,
                         testing::Values(PlanCase{7, 4, false, 30, 0, 2, 9},     // the sample collection
                                         PlanCase{7, 4, true, 30, 1, 2, 10},     // with its contents page
                                         PlanCase{8, 4, false, 30, 0, 2, 10},    // keys fill their last page exactly
                                         PlanCase{1, 6, true, 30, 1, 1, 3},      //
                                         PlanCase{29, 1, true, 30, 1, 29, 59},   // 29 titles and the answers: one page
                                         PlanCase{30, 2, true, 30, 2, 15, 47},   // the answers line spills over
                                         PlanCase{100, 6, true, 24, 5, 17, 122}  //
                                         ),
                         [](const testing::TestParamInfo<PlanCase>& info) {
                             const PlanCase& c = info.param;
                             return std::to_string(c.puzzles) + "Puzzles" + std::to_string(c.keysPerPage) + "Keys" +
                                    (c.contents ? "Contents" + std::to_string(c.linesPerPage)
                                                : std::string("NoContents"));
                         });

TEST(BookPlan, NoPuzzlesMakeNoPagesButTheContents)
{
    EXPECT_EQ(planBook(0, 4, false, 30).pageCount, 0);
    const BookPlan withContents = planBook(0, 4, true, 30);
    EXPECT_EQ(withContents.pageCount, 1);
    EXPECT_EQ(withContents.firstKeyPage(), 0);
}

TEST(BookPlan, AbsurdArgumentsAreBroughtIntoRange)
{
    const BookPlan plan = planBook(3, 0, true, 0);
    EXPECT_EQ(plan.contentsPages, 4);
    EXPECT_EQ(plan.keyPagesCount, 3);
    EXPECT_EQ(planBook(-5, 4, false, 30).pageCount, 0);
}

}  // namespace
}  // namespace qm
