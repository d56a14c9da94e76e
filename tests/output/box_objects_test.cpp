// Rectangles, circles and bitmaps: fills, borders grown in whole pixels, and tiles over the sheet.
#include <gtest/gtest.h>

#include "output/render_fixtures.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

TEST(BoxObjects, BordersGrowOnePixelPerPass)
{
    auto record = pageRecord();
    PageObject& rectangle = addObject(*record, PageObjectKind::Rectangle, {100, 100, 200, 150});
    rectangle.UseBorder = true;
    rectangle.BorderWidth = 3;
    rectangle.BorderColor = 0x0000FF;
    const PageFile page = render(*record).page;

    EXPECT_EQ(operationsOf<SetPenOp>(page), std::vector<SetPenOp>{{0x0000FF}});
    const std::vector<Segment> lines = segmentsOf(page);
    ASSERT_EQ(lines.size(), 12u);
    // The box lies on pixels 96, 96, 192, 144; pass k lies k pixels further out.
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        const double left = (96 - k) / 96.0, top = (96 - k) / 96.0, right = (192 + k) / 96.0, bottom = (144 + k) / 96.0;
        EXPECT_POINT(lines[4 * k].from, left, top);
        EXPECT_POINT(lines[4 * k].to, right, top);
        EXPECT_POINT(lines[4 * k + 1].to, right, bottom);
        EXPECT_POINT(lines[4 * k + 2].to, left, bottom);
        EXPECT_POINT(lines[4 * k + 3].to, left, top);
    }
}

TEST(BoxObjects, FillsAndCircleBorders)
{
    auto record = pageRecord();
    PageObject& rectangle = addObject(*record, PageObjectKind::Rectangle, {100, 100, 200, 150});
    rectangle.FillInShape = true;
    rectangle.FillColor = 0x00FF00;
    PageObject& circle = addObject(*record, PageObjectKind::Circle, {300, 300, 396, 348});
    circle.FillInShape = true;
    circle.FillColor = 0x123456;
    circle.UseBorder = true;
    circle.BorderWidth = 2;
    const PageFile page = render(*record).page;

    const std::vector<FillRectangleOp> fills = operationsOf<FillRectangleOp>(page);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_BOX(fills[0].box, 1, 1, 2, 1.5);
    const std::vector<EllipseOp> ellipses = operationsOf<EllipseOp>(page);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_BOX(ellipses[0].box, 3, 3, 3.96, 3.48);
    EXPECT_EQ(operationsOf<SetBrushOp>(page), (std::vector<SetBrushOp>{{0x00FF00}, {0x123456}}));

    // Each pass of a circle's border closes the ellipse with its upper and its lower half.
    const std::vector<ArcOp> arcs = operationsOf<ArcOp>(page);
    ASSERT_EQ(arcs.size(), 4u);
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const double left = (288 - k) / 96.0, right = (380 + k) / 96.0;
        const double top = (288 - k) / 96.0, bottom = (334 + k) / 96.0, middle = (top + bottom) / 2;
        EXPECT_BOX(arcs[2 * k].box, left, top, right, bottom);
        EXPECT_POINT(arcs[2 * k].start, right, middle);
        EXPECT_POINT(arcs[2 * k].end, left, middle);
        EXPECT_POINT(arcs[2 * k + 1].start, left, middle);
        EXPECT_POINT(arcs[2 * k + 1].end, right, middle);
    }
}

TEST(BoxObjects, BitmapStretchedOrTiledOverTheWholeSheet)
{
    TempDir dir;
    writeFile(dir / "tile.bmp", "BM");
    struct Case {
        const char* name;
        bool tile;
        PageBounds bounds;
        std::vector<PageBox> drawn;
    };
    const Case cases[] = {
        {"stretched", false, {123, 456, 423, 856}, {{1.23, 4.56, 4.23, 8.56}}},
        // 3 x 4 inch tiles from the corner of the sheet, wherever the object lies.
        {"tiled",
         true,
         {123, 456, 423, 856},
         {{0, 0, 3, 4},
          {3, 0, 6, 4},
          {6, 0, 9, 4},
          {0, 4, 3, 8},
          {3, 4, 6, 8},
          {6, 4, 9, 8},
          {0, 8, 3, 12},
          {3, 8, 6, 12},
          {6, 8, 9, 12}}},
        {"tiled, larger than the sheet", true, {500, 500, 1500, 1700}, {{0, 0, 10, 12}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        PageObject& bitmap = addObject(*record, PageObjectKind::Bitmap, c.bounds);
        bitmap.BitmapFile.assign((dir / "tile.bmp").string());
        bitmap.Transparent = c.tile;
        const std::vector<BitmapOp> drawn = operationsOf<BitmapOp>(render(*record).page);
        ASSERT_EQ(drawn.size(), c.drawn.size());
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i].path, (dir / "tile.bmp").string());
            EXPECT_BOX(drawn[i].box, c.drawn[i].left, c.drawn[i].top, c.drawn[i].right, c.drawn[i].bottom);
        }
    }
}

}  // namespace
}  // namespace qm::test
