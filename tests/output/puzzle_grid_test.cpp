// The letter grid: square cells centred along the longer side, backgrounds of the shape's cells,
// grid lines, the letters' size, place and case.
#include <gtest/gtest.h>

#include "output/page/puzzle_grid.h"
#include "output/render_fixtures.h"

namespace qm::test {
namespace {

std::vector<std::string> filledRows(int width, int height)
{
    return std::vector<std::string>(height, std::string(width, 'A'));
}

TEST(PuzzleGrid, SquareCellsCentredAlongTheLongerSide)
{
    struct Case {
        const char* name;
        int width, height;
        PageBox first, last;  // cells (1, 1) and (height, width)
    };
    // A 3 x 3 inch box at (1, 1).
    const Case cases[] = {
        {"15 x 10 fills the width, moves down by 0.5", 15, 10, {1, 1.5, 1.2, 1.7}, {3.8, 3.3, 4, 3.5}},
        {"10 x 15 fills the height, moves right by 0.5", 10, 15, {1.5, 1, 1.7, 1.2}, {3.3, 3.8, 3.5, 4}},
        {"square", 6, 6, {1, 1, 1.5, 1.5}, {3.5, 3.5, 4, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        setGrid(*record, filledRows(c.width, c.height));
        addObject(*record, PageObjectKind::Puzzle, {100, 100, 400, 400});
        const std::vector<FillRectangleOp> cells = operationsOf<FillRectangleOp>(render(*record).page);
        ASSERT_EQ(cells.size(), static_cast<std::size_t>(c.width * c.height));
        EXPECT_BOX(cells.front().box, c.first.left, c.first.top, c.first.right, c.first.bottom);
        EXPECT_BOX(cells.back().box, c.last.left, c.last.top, c.last.right, c.last.bottom);
    }
}

TEST(PuzzleGrid, BackgroundAndGridLinesOnTheShapeOnly)
{
    struct Case {
        const char* name;
        bool transparent;
        bool useGrid;
        int lineWidth;
        std::size_t fills, lines;
    };
    // Three of the four cells are in the shape.
    const Case cases[] = {
        {"background, no grid", false, false, 1, 3, 0},
        {"transparent, grid of 1", true, true, 1, 0, 3 * 4},
        {"grid of 0 draws one outline", true, true, 0, 0, 3 * 4},
        {"grid of 3", false, true, 3, 3, 3 * 3 * 4},
        {"absurd grid width", true, true, 1'000'000, 0, 3 * 50 * 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        setGrid(*record, {"AB", "C"});
        record->Letters[cellNumber(2, 2) - 1] = 0;
        PageObject& puzzle = addObject(*record, PageObjectKind::Puzzle, {96, 96, 288, 288});
        puzzle.FillInShape = c.transparent;
        puzzle.BlockColor = 0xEEEEEE;
        puzzle.LineColor = 0x0000FF;
        puzzle.LineWidth = c.lineWidth;
        PrintOptions options = plainOptions();
        options.UseGrid = c.useGrid;
        const PageFile page = render(*record, options).page;
        EXPECT_EQ(operationsOf<FillRectangleOp>(page).size(), c.fills);
        EXPECT_EQ(operationsOf<SetBrushOp>(page).size(), c.transparent ? 0u : 1u);
        const std::vector<Segment> lines = segmentsOf(page);
        ASSERT_EQ(lines.size(), c.lines);
        if (c.lineWidth == 3) {
            // Cells of 0.96 inch: cell (1, 1) lies on pixels 92..184, cell (1, 2) on 184..276 across;
            // each outline lies one pixel further in.
            EXPECT_POINT(lines[0].from, 92 / 96.0, 92 / 96.0);
            EXPECT_POINT(lines[4].from, 93 / 96.0, 93 / 96.0);
            EXPECT_POINT(lines[9].to, 182 / 96.0, 182 / 96.0);
            EXPECT_POINT(lines[12].from, 184 / 96.0, 92 / 96.0);
        }
    }
}

TEST(PuzzleGrid, LettersCentredInTheirCells)
{
    auto record = pageRecord();
    setGrid(*record, {"A ", "BC"});
    record->FillLetters[cellNumber(1, 2) - 1] = 'x';
    record->Letters[cellNumber(2, 1) - 1] = 0;  // outside the shape
    addObject(*record, PageObjectKind::Puzzle, {100, 100, 140, 140});
    const PageFile page = render(*record).page;
    EXPECT_EQ(printedTexts(page), (std::vector<std::string>{"A", "x", "C"}));
    // Cells of 0.2 inch; a letter at 12 points is 0.1 wide, 1/6 high with a descent of 1/30.
    EXPECT_POINT(printed(page, "A").at, 1.05, 1.2 - 1 / 30.0 - (0.2 - 1 / 6.0) / 2);
    EXPECT_POINT(printed(page, "C").at, 1.25, 1.4 - 1 / 30.0 - (0.2 - 1 / 6.0) / 2);
    EXPECT_EQ(operationsOf<SetTextBackgroundOp>(page), std::vector<SetTextBackgroundOp>{{TextBackground::Transparent}});
}

TEST(PuzzleGrid, LetterSizeFitsTheCellDownToFourPoints)
{
    struct Case {
        const char* name;
        int fontSize;
        PageBounds bounds;  // one cell
        int size;
    };
    const Case cases[] = {
        {"fits", 12, {100, 100, 120, 120}, 12},
        // "W" is 0.6 s / 72 wide: below 0.2 first at 23 points; Make It Fit plays no part.
        {"shrinks", 40, {100, 100, 120, 120}, 23},
        {"stops at 4", 40, {100, 100, 101, 101}, 4},
        {"a small size stays", 3, {100, 100, 101, 101}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        setGrid(*record, {"W"});
        addObject(*record, PageObjectKind::Puzzle, c.bounds).FontSize = static_cast<std::int16_t>(c.fontSize);
        EXPECT_EQ(lastFontSize(render(*record).page), c.size);
    }
}

TEST(PuzzleGrid, LowerCaseLowersCapitalsOnly)
{
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {
        {'A', 'a'},   {'Z', 'z'},   {'a', 'a'},   {'1', '1'},
        {0xC0, 0xE0}, {0xD6, 0xF6}, {0xD7, 0xD7},  // multiplication sign
        {0xD8, 0xF8}, {0xDE, 0xFE}, {0xDF, 0xDF},  // sharp s has no capital
        {0x8A, 0x8A},                              // S with caron is not lowered
    };
    for (const auto& [capital, small] : cases) EXPECT_EQ(LowCaseGridLetter(capital), small) << int(capital);

    auto record = pageRecord();
    setGrid(*record, {"Q\xC9"});
    addObject(*record, PageObjectKind::Puzzle, {100, 100, 140, 120});
    PrintOptions options = plainOptions();
    options.LowerCase = true;
    EXPECT_EQ(printedTexts(render(*record, options).page), (std::vector<std::string>{"q", "\xE9"}));
}

}  // namespace
}  // namespace qm::test
