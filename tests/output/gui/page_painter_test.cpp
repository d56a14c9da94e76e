// The page file played onto a picture: arcs as the Windows Arc call draws them, text
// backgrounds, brushes, pens, pictures and the sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "page_pictures.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

constexpr double kPixelsPerInch = 100;
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;

QPoint pixelAt(PagePoint inches)
{
    return {static_cast<int>(std::lround(inches.x * kPixelsPerInch)),
            static_cast<int>(std::lround(inches.y * kPixelsPerInch))};
}

// Some pixel within two of the point is dark: a thin antialiased line passes there.
bool lineNear(const QImage& image, PagePoint inches)
{
    const QPoint centre = pixelAt(inches);
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (qGray(image.pixel(centre + QPoint(dx, dy))) < 160) return true;
    return false;
}

// The point on the ellipse of box at the angle t of its circle, counter-clockwise on the page.
PagePoint onEllipse(const PageBox& box, double degrees)
{
    const double t = degrees * std::numbers::pi / 180;
    return {(box.left + box.right) / 2 + box.width() / 2 * std::cos(t),
            (box.top + box.bottom) / 2 - box.height() / 2 * std::sin(t)};
}

TEST(PagePainter, ArcsRunCounterClockwiseFromTheStartRayToTheEndRay)
{
    const PageBox circle{1, 1, 3, 3};
    const PagePoint top{2, 1}, bottom{2, 3}, left{1, 2}, right{3, 2};
    // Rays through points off the ellipse meet it where the ray does, not at the ray's angle of
    // its circle: 45 and 135 degrees on a 3 : 1 ellipse are its circle's 71.6 and 108.4.
    const PageBox wide{0.5, 1.5, 3.5, 2.5};
    struct Case {
        const char* name;
        PageBox box;
        PagePoint start, end;
        std::vector<double> drawn, notDrawn;  // angles of the box's circle
    };
    const Case cases[] = {
        {"top to bottom: the left half", circle, top, bottom, {100, 180, 260}, {0, 80, 280}},
        {"bottom to top: the right half", circle, bottom, top, {280, 0, 80}, {100, 180, 260}},
        {"left to right: the lower half", circle, left, right, {190, 270, 350}, {10, 90, 170}},
        {"right to left: the upper half", circle, right, left, {10, 90, 170}, {190, 270, 350}},
        {"top to left: the upper-left quarter", circle, top, left, {100, 135, 170}, {0, 225, 270, 315}},
        {"the same ray twice: the whole ellipse", circle, right, right, {0, 90, 180, 270}, {}},
        {"rays off the ellipse", wide, {3, 1}, {1, 1}, {75, 90, 105}, {65, 115, 270}},
    };
    for (const Case& c : cases) {
        const QImage image = paintedAt(sheetWith({ArcOp{c.box, c.start, c.end}}), kPixelsPerInch);
        for (const double angle : c.drawn) EXPECT_TRUE(lineNear(image, onEllipse(c.box, angle))) << c.name << angle;
        for (const double angle : c.notDrawn) EXPECT_FALSE(lineNear(image, onEllipse(c.box, angle))) << c.name << angle;
    }
}

QRect pixelsOfColour(const QImage& image, QColor colour)
{
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) found |= QRect(x, y, 1, 1);
    return found;
}

// An opaque background fills the text's cell, its measured width by the font's height from the
// baseline's ascent above, in the brush colour; a transparent one leaves the sheet as it was.
TEST(PagePainter, OpaqueTextFillsItsCellWithTheBrushColour)
{
    FontSpec font;
    font.Size = 36;
    const QtTextMetrics metrics;
    for (const TextBackground mode : {TextBackground::Opaque, TextBackground::Transparent}) {
        const QImage image = paintedAt(
            sheetWith({SetFontOp{font}, SetBrushOp{kRed}, SetTextBackgroundOp{mode}, TextOp{{1, 2}, "Title"}}),
            kPixelsPerInch);
        const QRect red = pixelsOfColour(image, Qt::red);
        if (mode == TextBackground::Transparent) {
            EXPECT_TRUE(red.isEmpty());
            continue;
        }
        EXPECT_NEAR(red.left(), 100, 1);
        EXPECT_NEAR(red.right() + 1, (1 + metrics.width(font, "Title")) * kPixelsPerInch, 1);
        EXPECT_NEAR(red.top(), (2 - metrics.ascent(font)) * kPixelsPerInch, 1);
        EXPECT_NEAR(red.bottom() + 1, (2 + metrics.descent(font)) * kPixelsPerInch, 1);
        EXPECT_FALSE(inkBounds(image, red).isEmpty());  // the text itself on top
    }
}

TEST(PagePainter, TextTakesItsFontColour)
{
    FontSpec font;
    font.Size = 48;
    font.FontColor = kBlue;
    const QImage image =
        paintedAt(sheetWith({SetFontOp{font}, SetTextBackgroundOp{TextBackground::Transparent}, TextOp{{1, 2}, "MMM"}}),
                  kPixelsPerInch);
    EXPECT_FALSE(pixelsOfColour(image, Qt::blue).isEmpty());
    EXPECT_TRUE(pixelsOfColour(image, Qt::black).isEmpty());
}

// Red, or mostly red where a thin line is blended into what lies beside it.
bool isRed(QColor colour) { return colour.red() > 150 && colour.red() - colour.green() > 80; }

bool redNear(const QImage& image, int x, int y)
{
    for (int dx = -2; dx <= 2; ++dx)
        if (isRed(image.pixelColor(x + dx, y))) return true;
    return false;
}

TEST(PagePainter, BrushesFillOnlyWhenSolid)
{
    const PageBox box{1, 1, 3, 3};
    struct Case {
        PageOperation shape;
        BrushStyle style;
        QColor centre;
        bool outlined;
    };
    const Case cases[] = {
        {FillRectangleOp{box}, BrushStyle::Solid, Qt::blue, false},
        {FillRectangleOp{box}, BrushStyle::Clear, Qt::white, false},
        {EllipseOp{box}, BrushStyle::Solid, Qt::blue, true},
        {EllipseOp{box}, BrushStyle::Clear, Qt::white, true},
    };
    for (const Case& c : cases) {
        const QImage image = paintedAt(
            sheetWith({SetPenOp{kRed}, SetBrushOp{kBlue}, SetBrushStyleOp{c.style}, c.shape}), kPixelsPerInch);
        EXPECT_EQ(image.pixelColor(200, 200), c.centre);
        // The pen draws the ellipse's outline only; the rectangle is filled, never outlined.
        EXPECT_EQ(redNear(image, 100, 200), c.outlined);
    }
}

// One page pixel wide in the pen colour, from the current point, at every resolution.
TEST(PagePainter, LinesAreOnePagePixelWideFromTheCurrentPoint)
{
    const PageFile page = sheetWith({SetPenOp{kRed}, MoveToOp{{1, 1}}, LineToOp{{3, 1}}, LineToOp{{3, 3}}});
    for (const double pixelsPerInch : {96.0, 192.0, 480.0}) {
        const QImage image = paintedAt(page, pixelsPerInch);
        const auto at = [&](double x, double y) {
            return image.pixelColor(static_cast<int>(x * pixelsPerInch), static_cast<int>(y * pixelsPerInch));
        };
        int thickness = 0;
        for (double y = 0.5; y < 1.5; y += 1 / pixelsPerInch) thickness += isRed(at(2, y));
        EXPECT_NEAR(thickness, pixelsPerInch / kPagePixelsPerInch, 1) << pixelsPerInch;
        EXPECT_TRUE(isRed(at(3, 2))) << pixelsPerInch;
        EXPECT_EQ(at(1, 2), Qt::white) << pixelsPerInch;
    }
}

TEST(PagePainter, PicturesAreStretchedIntoTheirBoxAndAMissingOneDrawsNothing)
{
    TempDir dir;
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(1, 0, Qt::blue);
    const std::string path = (dir / "two.png").string();
    ASSERT_TRUE(picture.save(QString::fromStdString(path)));

    const QImage image =
        paintedAt(sheetWith({BitmapOp{path, {1, 1, 3, 2}}, BitmapOp{(dir / "missing.png").string(), {1, 2.5, 3, 3.5}}}),
                  kPixelsPerInch);
    EXPECT_EQ(image.pixelColor(130, 150), Qt::red);
    EXPECT_EQ(image.pixelColor(270, 150), Qt::blue);
    EXPECT_EQ(image.pixelColor(70, 150), Qt::white);
    EXPECT_TRUE(inkBounds(image, QRect(100, 250, 200, 100)).isEmpty());
    EXPECT_EQ(image.pixelColor(200, 300), Qt::white);
}

// The sheet is white and nothing is drawn beyond it.
TEST(PagePainter, DrawsOnTheSheetOnly)
{
    QImage image(800, 400, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    paintPage(painter,
              sheetWith({FillRectangleOp{{0.5, 0.5, 1, 1}}, SetBrushOp{kBlue}, FillRectangleOp{{-1, -1, 10, 10}}},
                        {2.5, 1.5}),
              200);
    painter.end();
    EXPECT_EQ(pixelsOfColour(image, Qt::blue), QRect(0, 0, 500, 300));
    EXPECT_EQ(image.pixelColor(500, 100), Qt::magenta);
    EXPECT_EQ(image.pixelColor(100, 300), Qt::magenta);

    const QImage blank = paintedAt(sheetWith({}, {2.5, 1.5}), 200);
    EXPECT_EQ(pixelsOfColour(blank, Qt::white), blank.rect());
    EXPECT_TRUE(pixelsOfColour(blank, Qt::magenta).isEmpty());
}

}  // namespace
}  // namespace qm::test
