// The answer key: the capsule of each direction, the words outlined, and the hidden phrase ringed.
#include <gtest/gtest.h>

#include <functional>
#include <numbers>

#include "output/render_fixtures.h"

namespace qm::test {
namespace {

// A 5 x 5 grid of 0.2 inch cells at (1, 1) with one word from the centre cell (3, 3).
std::unique_ptr<PuzzleRecord> oneWordGrid(int endRow, int endColumn)
{
    auto record = pageRecord();
    setGrid(*record, std::vector<std::string>(5, "ABCDE"));
    setWords(*record, {"WORD"});
    record->StartCell[0] = static_cast<std::int16_t>(cellNumber(3, 3));
    record->EndCell[0] = static_cast<std::int16_t>(cellNumber(endRow, endColumn));
    addObject(*record, PageObjectKind::Puzzle, {100, 100, 200, 200});
    return record;
}

PrintOptions answerKey()
{
    PrintOptions options = plainOptions();
    options.AnswerKey = true;
    options.PrintWords = false;
    return options;
}

// The point halfway along the arc, going counter-clockwise as seen on the page (y grows down).
PagePoint arcMiddle(const ArcOp& arc)
{
    const double cx = (arc.box.left + arc.box.right) / 2, cy = (arc.box.top + arc.box.bottom) / 2;
    const double from = std::atan2(cy - arc.start.y, arc.start.x - cx);
    double to = std::atan2(cy - arc.end.y, arc.end.x - cx);
    if (to <= from) to += 2 * std::numbers::pi;
    const double middle = (from + to) / 2;
    return {cx + arc.box.width() / 2 * std::cos(middle), cy - arc.box.height() / 2 * std::sin(middle)};
}

TEST(AnswerKey, CapsuleOfEachDirection)
{
    struct Case {
        const char* direction;
        int endRow, endColumn;
        PagePoint line1From, line1To, line2From, line2To;
        PagePoint startArcFrom, startArcTo, endArcFrom, endArcTo;
    };
    // The start cell spans 1.4..1.6 both ways: top (1.5, 1.4), bottom (1.5, 1.6), left (1.4, 1.5),
    // right (1.6, 1.5). End cells lie two cells away.
    const Case cases[] = {
        {"Right", 3, 5, {1.5, 1.4}, {1.9, 1.4}, {1.5, 1.6}, {1.9, 1.6}, {1.5, 1.4}, {1.5, 1.6}, {1.9, 1.6}, {1.9, 1.4}},
        {"Left", 3, 1, {1.5, 1.4}, {1.1, 1.4}, {1.5, 1.6}, {1.1, 1.6}, {1.5, 1.6}, {1.5, 1.4}, {1.1, 1.4}, {1.1, 1.6}},
        {"Down", 5, 3, {1.4, 1.5}, {1.4, 1.9}, {1.6, 1.5}, {1.6, 1.9}, {1.6, 1.5}, {1.4, 1.5}, {1.4, 1.9}, {1.6, 1.9}},
        {"Up", 1, 3, {1.4, 1.5}, {1.4, 1.1}, {1.6, 1.5}, {1.6, 1.1}, {1.4, 1.5}, {1.6, 1.5}, {1.6, 1.1}, {1.4, 1.1}},
        {"DownRight",
         5,
         5,
         {1.4, 1.5},
         {1.9, 2.0},
         {1.5, 1.4},
         {2.0, 1.9},
         {1.5, 1.4},
         {1.4, 1.5},
         {1.9, 2.0},
         {2.0, 1.9}},
        {"UpLeft",
         1,
         1,
         {1.5, 1.6},
         {1.0, 1.1},
         {1.6, 1.5},
         {1.1, 1.0},
         {1.5, 1.6},
         {1.6, 1.5},
         {1.1, 1.0},
         {1.0, 1.1}},
        {"UpRight",
         1,
         5,
         {1.4, 1.5},
         {1.9, 1.0},
         {1.5, 1.6},
         {2.0, 1.1},
         {1.4, 1.5},
         {1.5, 1.6},
         {2.0, 1.1},
         {1.9, 1.0}},
        {"DownLeft",
         5,
         1,
         {1.5, 1.4},
         {1.0, 1.9},
         {1.6, 1.5},
         {1.1, 2.0},
         {1.6, 1.5},
         {1.5, 1.4},
         {1.0, 1.9},
         {1.1, 2.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.direction);
        const PageFile page = render(*oneWordGrid(c.endRow, c.endColumn), answerKey()).page;
        const std::vector<Segment> lines = segmentsOf(page);
        const std::vector<ArcOp> arcs = operationsOf<ArcOp>(page);
        ASSERT_EQ(lines.size(), 2u);
        ASSERT_EQ(arcs.size(), 2u);
        EXPECT_POINT(lines[0].from, c.line1From.x, c.line1From.y);
        EXPECT_POINT(lines[0].to, c.line1To.x, c.line1To.y);
        EXPECT_POINT(lines[1].from, c.line2From.x, c.line2From.y);
        EXPECT_POINT(lines[1].to, c.line2To.x, c.line2To.y);
        EXPECT_BOX(arcs[0].box, 1.4, 1.4, 1.6, 1.6);
        EXPECT_POINT(arcs[0].start, c.startArcFrom.x, c.startArcFrom.y);
        EXPECT_POINT(arcs[0].end, c.startArcTo.x, c.startArcTo.y);
        EXPECT_POINT(arcs[1].start, c.endArcFrom.x, c.endArcFrom.y);
        EXPECT_POINT(arcs[1].end, c.endArcTo.x, c.endArcTo.y);
        // Drawn counter-clockwise, each arc bulges away from the other end of the word.
        for (int k = 0; k < 2; ++k) {
            const ArcOp& arc = arcs[k];
            const ArcOp& other = arcs[1 - k];
            const PagePoint middle = arcMiddle(arc);
            const double towardsOtherX = (other.box.left + other.box.right) / 2 - (arc.box.left + arc.box.right) / 2;
            const double towardsOtherY = (other.box.top + other.box.bottom) / 2 - (arc.box.top + arc.box.bottom) / 2;
            const double outwardX = middle.x - (arc.box.left + arc.box.right) / 2;
            const double outwardY = middle.y - (arc.box.top + arc.box.bottom) / 2;
            EXPECT_LT(outwardX * towardsOtherX + outwardY * towardsOtherY, 0) << "arc " << k;
        }
    }
}

TEST(AnswerKey, WordsUpToThePrintCountInTheGridAreOutlined)
{
    struct Case {
        const char* name;
        std::function<void(PuzzleRecord&)> change;
        std::size_t outlines;
    };
    const Case cases[] = {
        {"all twelve", [](PuzzleRecord&) {}, 12},
        {"words 11 and 12 not placed",
         [](PuzzleRecord& r) {
             r.Placed[10] = false;
             r.Placed[11] = false;
         },
         10},
        {"a cell number of 0", [](PuzzleRecord& r) { r.StartCell[0] = 0; }, 11},
        {"a cell number past the grid rows", [](PuzzleRecord& r) { r.EndCell[1] = 2501; }, 11},
        {"a cell beyond the grid's width",
         [](PuzzleRecord& r) { r.EndCell[2] = static_cast<std::int16_t>(cellNumber(1, 9)); }, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = oneWordGrid(3, 5);
        setWords(*record, std::vector<std::string>(12, "WORD"));
        for (int i = 0; i < 12; ++i) {
            record->StartCell[i] = static_cast<std::int16_t>(cellNumber(1 + i % 5, 1));
            record->EndCell[i] = static_cast<std::int16_t>(cellNumber(1 + i % 5, 4));
        }
        c.change(*record);
        const Rendered rendered = render(*record, answerKey());
        EXPECT_EQ(operationsOf<ArcOp>(rendered.page).size(), 2 * c.outlines);
        EXPECT_EQ(segmentsOf(rendered.page).size(), 2 * c.outlines);
    }
}

TEST(AnswerKey, HiddenPhraseLettersAreRinged)
{
    auto record = pageRecord();
    setGrid(*record, {"A B", "  C"});
    record->FillLetters.fill('z');
    record->HiddenPhraseUsed = true;
    addObject(*record, PageObjectKind::Puzzle, {100, 100, 160, 140});
    const std::vector<PageOperation> rings = {
        SetBrushStyleOp{BrushStyle::Clear}, EllipseOp{{1.2, 1.0, 1.4, 1.2}}, SetBrushStyleOp{BrushStyle::Solid},
        SetBrushStyleOp{BrushStyle::Clear}, EllipseOp{{1.0, 1.2, 1.2, 1.4}}, SetBrushStyleOp{BrushStyle::Solid},
        SetBrushStyleOp{BrushStyle::Clear}, EllipseOp{{1.2, 1.2, 1.4, 1.4}}, SetBrushStyleOp{BrushStyle::Solid},
    };
    const PageFile withKey = render(*record, answerKey()).page;
    ASSERT_GE(withKey.operations.size(), rings.size());
    const std::vector<PageOperation> last(withKey.operations.end() - static_cast<long>(rings.size()),
                                          withKey.operations.end());
    ASSERT_EQ(operationsOf<EllipseOp>(withKey).size(), 3u);
    for (std::size_t i = 0; i < rings.size(); ++i) {
        if (const auto* ring = std::get_if<EllipseOp>(&rings[i])) {
            const auto& drawn = std::get<EllipseOp>(last[i]);
            EXPECT_BOX(drawn.box, ring->box.left, ring->box.top, ring->box.right, ring->box.bottom);
        } else {
            EXPECT_EQ(last[i], rings[i]);
        }
    }
    EXPECT_TRUE(operationsOf<EllipseOp>(render(*record).page).empty()) << "no rings without the answer key";
}

}  // namespace
}  // namespace qm::test
