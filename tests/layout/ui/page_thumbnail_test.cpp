// The layout thumbnail, drawn pixel by pixel as the lists and panels show it.
#include <climits>
#include <random>

#include <gtest/gtest.h>

#include <QImage>

#include "layout/gui/page_thumbnail.h"
#include "layout/page_layout_test_support.h"

namespace qm {
namespace {

const QColor kFace(0xC0, 0xC0, 0xC0);
const QColor kMarker(0x12, 0x34, 0x56);
const QColor kBlack(Qt::black);
const QColor kWhite(Qt::white);
const QColor kYellow(0xFF, 0xFF, 0);
const QColor kMaroon(0x80, 0, 0);
const QColor kTeal(0, 0x80, 0x80);
const QColor kFuchsia(0xFF, 0, 0xFF);
const QColor kGrey(0x80, 0x80, 0x80);

// The thumbnail of the list (245 x 313) drawn at (10, 10) of a larger image filled with a marker,
// so that anything drawn outside its area shows.
QImage thumbnail(const PageLayoutRecord& layout)
{
    QImage image(265, 333, QImage::Format_RGB32);
    image.fill(kMarker);
    QPainter painter(&image);
    DrawTheBox(painter, QRect(10, 10, 245, 313), layout, kFace);
    return image;
}

QColor at(const QImage& image, int x, int y) { return image.pixelColor(x + 10, y + 10); }

bool onlyInsideTheArea(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= 10 && x < 255 && y >= 10 && y < 323;
            if (!inside && image.pixelColor(x, y) != kMarker) return false;
        }
    return true;
}

int blackPixelsInRow(const QImage& image, int y, int from, int to)
{
    int count = 0;
    for (int x = from; x < to; ++x) count += at(image, x, y) == kBlack;
    return count;
}

PageLayoutRecord pageWith(std::initializer_list<PageObject> objects)
{
    PageLayoutRecord layout = makeBuiltInPageLayout();
    layout.ObjectCount = static_cast<std::int16_t>(objects.size());
    int k = 0;
    for (const PageObject& object : objects) layout.Objects[k++] = object;
    return layout;
}

PageObject object(PageObjectKind kind, PageBounds bounds)
{
    PageObject o = makePageObject(kind, "x");
    o.Bounds = bounds;
    return o;
}

TEST(PageThumbnail, TheBuiltInLayoutScaledIntoTheList)
{
    // scale = min(245 / 408, 313 / 528) = 0.5928...: the page is 241 x 313 pixels.
    const QImage image = thumbnail(makeBuiltInPageLayout());
    EXPECT_TRUE(onlyInsideTheArea(image));
    EXPECT_EQ(at(image, 1, 1), kWhite);
    EXPECT_EQ(at(image, 240, 312), kWhite);
    EXPECT_EQ(at(image, 241, 100), kFace);
    EXPECT_EQ(at(image, 244, 312), kFace);
    // Title (48, 48, 360, 72) -> (28, 28, 213, 42): a black frame round yellow.
    EXPECT_EQ(at(image, 27, 30), kWhite);
    EXPECT_EQ(at(image, 28, 28), kBlack);
    EXPECT_EQ(at(image, 212, 41), kBlack);
    EXPECT_EQ(at(image, 29, 29), kYellow);
    EXPECT_EQ(at(image, 211, 40), kYellow);
    EXPECT_EQ(at(image, 213, 35), kWhite);
    // Puzzle (96, 76, 312, 292) -> (56, 45, 184, 173).
    EXPECT_EQ(at(image, 56, 45), kBlack);
    EXPECT_EQ(at(image, 57, 46), kMaroon);
    EXPECT_EQ(at(image, 182, 171), kMaroon);
    EXPECT_EQ(at(image, 183, 172), kBlack);
    EXPECT_EQ(at(image, 184, 172), kWhite);
    // Words (48, 316, 192, 484) -> (28, 187, 113, 286), one column: no lines.
    EXPECT_EQ(at(image, 29, 188), kTeal);
    EXPECT_EQ(at(image, 70, 240), kTeal);
    EXPECT_EQ(at(image, 112, 285), kBlack);
}

TEST(PageThumbnail, KindsHaveTheirColoursAndCirclesNoFrame)
{
    const QImage image = thumbnail(pageWith(
        {object(PageObjectKind::Bonus, {0, 0, 100, 100}), object(PageObjectKind::Text, {100, 0, 200, 100}),
         object(PageObjectKind::Rectangle, {200, 0, 300, 100}), object(PageObjectKind::Circle, {0, 200, 100, 300}),
         object(PageObjectKind::Bitmap, {200, 200, 300, 300})}));
    EXPECT_EQ(at(image, 30, 30), kFuchsia);
    EXPECT_EQ(at(image, 90, 30), kGrey);
    EXPECT_EQ(at(image, 150, 30), kGrey);
    EXPECT_EQ(at(image, 30, 148), kGrey) << "the middle of the circle";
    EXPECT_EQ(at(image, 1, 119), kWhite) << "the corners of its box are neither painted nor framed";
    EXPECT_EQ(at(image, 57, 175), kWhite);
    EXPECT_EQ(at(image, 150, 148), kWhite) << "a bitmap is white";
    const int dotted = blackPixelsInRow(image, 118, 118, 178);
    EXPECT_GT(dotted, 10) << "the bitmap's frame is dotted";
    EXPECT_LT(dotted, 50);
}

TEST(PageThumbnail, ATiledBitmapFramesThePageAndWordColumnsGetDottedLines)
{
    PageObject bitmap = object(PageObjectKind::Bitmap, {100, 100, 150, 150});
    bitmap.Transparent = true;                                             // TileBitmap
    PageObject words = object(PageObjectKind::Words, {0, 300, 300, 400});  // -> (0, 177, 177, 237)
    words.Columns = 3;
    const QImage image = thumbnail(pageWith({bitmap, words}));
    const int pageTop = blackPixelsInRow(image, 0, 0, 241);
    EXPECT_GT(pageTop, 40) << "a dotted frame round the page";
    EXPECT_LT(pageTop, 200);
    EXPECT_EQ(blackPixelsInRow(image, 65, 60, 90), 0) << "none round the bitmap itself";
    // Lines at 0 + i * (177 div 3) = 59 and 118.
    int onLine = 0;
    for (int y = 178; y < 236; ++y) onLine += at(image, 59, y) == kBlack;
    EXPECT_GT(onLine, 10);
    EXPECT_LT(onLine, 58);
    EXPECT_EQ(at(image, 60, 200), kTeal);
    EXPECT_EQ(at(image, 80, 200), kTeal);
}

TEST(PageThumbnail, ALayoutWithoutPixelSizeShowsTheButtonFaceOnly)
{
    for (const auto [width, height] : {std::pair{0, 528}, {408, 0}, {-408, 528}, {408, -32768}}) {
        PageLayoutRecord layout = makeBuiltInPageLayout();
        layout.PixelWidth = static_cast<std::int16_t>(width);
        layout.PixelHeight = static_cast<std::int16_t>(height);
        const QImage image = thumbnail(layout);
        EXPECT_EQ(at(image, 0, 0), kFace);
        EXPECT_EQ(at(image, 120, 100), kFace);
        EXPECT_TRUE(onlyInsideTheArea(image));
    }
}

TEST(PageThumbnail, BrokenObjectsStayInsideTheArea)
{
    PageLayoutRecord layout = makeBuiltInPageLayout();
    layout.ObjectCount = 300;
    layout.Objects[0] = object(PageObjectKind::Puzzle, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    layout.Objects[1] = object(PageObjectKind::Words, {INT_MAX, 0, INT_MIN, 100});
    layout.Objects[1].Columns = 32767;
    layout.Objects[2] = object(PageObjectKind::Words, {0, 0, 10, 10});
    layout.Objects[2].Columns = -5;
    layout.Objects[3] = object(PageObjectKind::Circle, {-100000, -100000, 100000, 100000});
    layout.Objects[4].Kind = 99;
    layout.Objects[5].Kind = -1;
    layout.Objects[5].Bounds = {0, 0, 408, 528};
    std::mt19937 random(313);
    for (int k = 6; k < kMaxPageObjects; ++k) {
        layout.Objects[k].Kind = static_cast<std::int16_t>(random() % 15);
        layout.Objects[k].Columns = static_cast<std::int16_t>(random());
        layout.Objects[k].Bounds = {static_cast<std::int32_t>(random()), static_cast<std::int32_t>(random()),
                                    static_cast<std::int32_t>(random()), static_cast<std::int32_t>(random())};
    }
    EXPECT_TRUE(onlyInsideTheArea(thumbnail(layout)));

    PageLayoutRecord unknownOnly = makeBuiltInPageLayout();
    unknownOnly.ObjectCount = 1;
    unknownOnly.Objects[0] = object(PageObjectKind::Title, {0, 0, 408, 528});
    unknownOnly.Objects[0].Kind = 5;
    const QImage skipped = thumbnail(unknownOnly);
    EXPECT_EQ(at(skipped, 120, 150), kWhite) << "an unknown kind is skipped";
}

TEST(PageThumbnail, LegendColoursAreTheKindColours)
{
    EXPECT_EQ(thumbnailColor(1), kYellow);
    EXPECT_EQ(thumbnailColor(2), kMaroon);
    EXPECT_EQ(thumbnailColor(7), kTeal);
    EXPECT_EQ(thumbnailColor(8), kFuchsia);
    EXPECT_EQ(thumbnailColor(10), kGrey);
    EXPECT_EQ(thumbnailColor(11), kWhite);
    EXPECT_FALSE(thumbnailColor(3).isValid());
}

}  // namespace
}  // namespace qm
