// The metrics of the real fonts: their sizes in inches, and text drawn exactly as wide as it was
// measured on every device.
#include <gtest/gtest.h>

#include "output/page/gui/qt_text_metrics.h"
#include "page_pictures.h"

namespace qm::test {
namespace {

FontSpec arial(int size, bool bold = false)
{
    FontSpec font;
    font.Name = "Arial";
    font.Size = size;
    font.Bold = bold;
    return font;
}

TEST(QtTextMetrics, ArialMeasuresAsOnWindows)
{
    const QtTextMetrics metrics;
    EXPECT_NEAR(metrics.height(arial(12), "ABCWjkl"), 0.1862, 0.0005);
    EXPECT_NEAR(metrics.ascent(arial(12)), 0.1509, 0.0005);
    EXPECT_NEAR(metrics.descent(arial(12)), 0.0353, 0.0005);
    // Every text of a font is as high as the font.
    EXPECT_EQ(metrics.height(arial(12), "."), metrics.height(arial(12), "ABCWjkl"));
    EXPECT_GT(metrics.width(arial(12, true), "Puzzle"), metrics.width(arial(12), "Puzzle"));
    EXPECT_EQ(metrics.width(arial(12), ""), 0);
}

// Laid out at one reference size, a text is as wide at every point size, in proportion: a line
// that fits at one size fits the same way at the others, whatever rounding a font engine does.
TEST(QtTextMetrics, WidthIsInProportionToThePointSize)
{
    const QtTextMetrics metrics;
    const double at12 = metrics.width(arial(12), "Which farm animal gives us wool?");
    for (const int size : {4, 7, 11, 36, 150})
        EXPECT_NEAR(metrics.width(arial(size), "Which farm animal gives us wool?"), at12 * size / 12, 1e-12) << size;
}

// "Quill" and "maze" printed one after the other at the measured width of "Quill" must look
// exactly like "Quillmaze" printed at once, on pictures of every resolution.
TEST(QtTextMetrics, TextIsDrawnAsWideAsMeasuredAtEveryResolution)
{
    const QtTextMetrics metrics;
    const FontSpec font = arial(23);
    const double first = metrics.width(font, "Quill");
    const PageFile split = sheetWith({SetFontOp{font}, SetTextBackgroundOp{TextBackground::Transparent},
                                      TextOp{{0.3, 1}, "Quill"}, TextOp{{0.3 + first, 1}, "maze"}},
                                     {3, 1.5});
    const PageFile whole = sheetWith(
        {SetFontOp{font}, SetTextBackgroundOp{TextBackground::Transparent}, TextOp{{0.3, 1}, "Quillmaze"}}, {3, 1.5});
    for (const double pixelsPerInch : {61.0, 96.0, 150.0, 300.0, 1200.0}) {
        const QImage a = paintedAt(split, pixelsPerInch);
        const QImage b = paintedAt(whole, pixelsPerInch);
        int differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) differing += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
        EXPECT_EQ(differing, 0) << pixelsPerInch << " pixels per inch";

        // The ink ends where the measured width says, less the side bearing of the last letter.
        const QRect ink = inkBounds(b, b.rect());
        const double end = (0.3 + metrics.width(font, "Quillmaze")) * pixelsPerInch;
        const double em = font.Size / 72.0 * pixelsPerInch;
        EXPECT_LE(ink.right() + 1, end + 1) << pixelsPerInch << " pixels per inch";
        EXPECT_GE(ink.right() + 1, end - 0.06 * em) << pixelsPerInch << " pixels per inch";
    }
}

}  // namespace
}  // namespace qm::test
