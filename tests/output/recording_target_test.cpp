// The recording target: the sheet of each paper in each orientation, whole pixels at 96 per inch,
// and a page file that keeps only what shows.
#include <gtest/gtest.h>

#include <limits>

#include "output/render_fixtures.h"

namespace qm::test {
namespace {

TEST(RecordingTarget, SheetOfThePaperInItsOrientation)
{
    FixedMetrics metrics;
    RecordingTarget target(metrics);
    EXPECT_EQ(target.page().size, (PaperSize{8.5, 11}));
    target.setOrientation(Orientation::Landscape);
    target.setPaper(PaperCode::Legal, {});
    EXPECT_EQ(target.page().size, (PaperSize{14, 8.5}));
    target.setPaper(PaperCode::Custom, {4, 6});
    EXPECT_EQ(target.page().size, (PaperSize{6, 4}));
    target.setOrientation(Orientation::Portrait);
    EXPECT_EQ(target.page().size, (PaperSize{4, 6}));
    EXPECT_EQ(target.page().paper, PaperCode::Custom);
}

TEST(RecordingTarget, WholePixelsAtNinetySixPerInch)
{
    FixedMetrics metrics;
    const RecordingTarget target(metrics);
    struct Case {
        double inches;
        int pixels;
    };
    const Case cases[] = {
        {1, 96},
        {0.5 / 96, 1},  // halves round away from zero
        {0.49 / 96, 0},
        {-1.5 / 96, -2},
        {1e300, 1'000'000'000},  // far off the sheet, still a number a border can grow
        {-std::numeric_limits<double>::infinity(), -1'000'000'000},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(target.toPixels(c.inches), c.pixels) << c.inches;
    EXPECT_DOUBLE_EQ(target.fromPixels(48), 0.5);
}

TEST(RecordingTarget, KeepsOnlyTheFontsTextIsPrintedIn)
{
    FixedMetrics metrics;
    RecordingTarget target(metrics);
    FontSpec font;
    font.Size = 30;
    target.setFont(font);
    font.Size = 12;
    target.setFont(font);
    EXPECT_DOUBLE_EQ(target.textWidth("abcde"), 0.5);
    target.printText({1, 2}, "");  // nothing shows
    target.printText({1, 2}, "A");
    target.printText({1, 3}, "B");
    font.Bold = true;
    target.setFont(font);
    target.printText({1, 4}, "C");

    FontSpec bold = font;
    font.Bold = false;
    const std::vector<PageOperation> expected = {SetFontOp{font}, TextOp{{1, 2}, "A"}, TextOp{{1, 3}, "B"},
                                                 SetFontOp{bold}, TextOp{{1, 4}, "C"}};
    EXPECT_EQ(target.page().operations, expected);
}

}  // namespace
}  // namespace qm::test
