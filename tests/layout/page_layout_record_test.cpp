#include "collection/page_layout_record.h"

#include <random>

#include <gtest/gtest.h>

#include "page_layout_test_support.h"

namespace qm {
namespace {

using test::decodeLayout;
using test::encodeLayout;
using test::ImageBuilder;
using test::objectAt;

// The built-in layout byte by byte, every field at its offset, everything not listed zero.
ImageBuilder builtInImage()
{
    ImageBuilder image = test::layoutImage("New Page", "Letter", 8.5, 11, 408, 528, 3);
    const auto common = [&](int k, std::int16_t kind, std::string_view name, std::int32_t l, std::int32_t t,
                            std::int32_t r, std::int32_t b) {
        test::addObject(image, k, kind, l, t, r, b);
        image.text(objectAt(k, 2), name).text(objectAt(k, 34), "Arial").i16(objectAt(k, 65), 12);
        image.i16(objectAt(k, 129), 2).byte(objectAt(k, 1136), 1).i16(objectAt(k, 1147), 1);
    };
    common(1, 1, "Title", 48, 48, 360, 72);
    image.byte(objectAt(1, 1132), 1).i32(objectAt(1, 1138), 0x00FFFFFF);
    common(2, 2, "Puzzle", 96, 76, 312, 292);
    image.text(objectAt(2, 75), "Arial").i16(objectAt(2, 106), 5).i32(objectAt(2, 116), 0x00FFFFFF);
    image.i32(objectAt(2, 125), 1);
    common(3, 7, "Word List", 48, 316, 192, 484);
    image.i16(objectAt(3, 1133), 1).byte(objectAt(3, 1132), 1).i32(objectAt(3, 1138), 0x00FFFFFF);
    return image;
}

TEST(PageLayoutCodec, BuiltInLayoutIsExactlyItsBytes)
{
    EXPECT_EQ(encodeLayout(makeBuiltInPageLayout()), builtInImage().bytes());
}

TEST(PageLayoutCodec, ReadsTheHeaderAndEveryObjectFieldAtItsOffset)
{
    ImageBuilder image = test::layoutImage("Poster", "Custom", 27.94, 43.18, 558, 863, 2, false);
    image.i16(66, 3).byte(65, 0).byte(68, 0xAB).byte(87, 0xCD);
    test::addObject(image, 2, 8, -5, 7, 300, 70000);
    const auto at = [](std::size_t field) { return objectAt(2, field); };
    image.text(at(2), "Bonus Question").text(at(34), "Times New Roman").i16(at(65), 14).i32(at(67), 0x000000FF);
    image.raw(at(71), std::string("\x01\x00\x01\x00", 4)).text(at(75), "Courier").i16(at(106), 6);
    image.i32(at(108), 0x00123456).raw(at(112), std::string("\x00\x01\x00\x01", 4)).i32(at(116), 0x00ABCDEF);
    image.i32(at(120), 0x00010203).byte(at(124), 1).i32(at(125), 3).i16(at(129), 3);
    image.raw(at(131), std::string("Line one\r\nLine two\0stale", 24));
    image.byte(at(1132), 1).i16(at(1133), 4).byte(at(1135), 1).byte(at(1136), 0).byte(at(1137), 1);
    image.i32(at(1138), 0x00C0C0C0).i32(at(1142), 0x00808080).byte(at(1146), 1).i16(at(1147), 9);
    image.text(at(1149), "/home/teacher/owl.bmp").i32(at(1405), 0x7777).i16(at(1409), 11).byte(at(1438), 0x99);

    const PageLayoutRecord layout = decodeLayout(image.bytes());
    EXPECT_EQ(layout.Name.text(), "Poster");
    EXPECT_EQ(layout.PaperName.text(), "Custom");
    EXPECT_DOUBLE_EQ(layout.PageWidth, 27.94);
    EXPECT_DOUBLE_EQ(layout.PageHeight, 43.18);
    EXPECT_EQ(layout.PixelWidth, 558);
    EXPECT_EQ(layout.PixelHeight, 863);
    EXPECT_FALSE(layout.Inches);
    EXPECT_EQ(layout.ObjectCount, 2);
    EXPECT_FALSE(layout.Portrait);
    EXPECT_EQ(layout.Zoom, 3);
    EXPECT_EQ(layout.Reserved[0], 0xAB);
    EXPECT_EQ(layout.Reserved[19], 0xCD);

    const PageObject& o = layout.Objects[1];
    EXPECT_EQ(o.kind(), PageObjectKind::Bonus);
    EXPECT_EQ(o.Name.text(), "Bonus Question");
    EXPECT_EQ(o.Bounds.Left, -5);
    EXPECT_EQ(o.Bounds.Top, 7);
    EXPECT_EQ(o.Bounds.Right, 300);
    EXPECT_EQ(o.Bounds.Bottom, 70000);
    EXPECT_EQ(o.FontName.text(), "Times New Roman");
    EXPECT_EQ(o.FontSize, 14);
    EXPECT_EQ(o.FontColor, 0xFF);
    EXPECT_TRUE(o.FontStyle[0]);
    EXPECT_FALSE(o.FontStyle[1]);
    EXPECT_TRUE(o.FontStyle[2]);
    EXPECT_EQ(o.Font2Name.text(), "Courier");
    EXPECT_EQ(o.Font2Size, 6);
    EXPECT_EQ(o.Font2Color, 0x123456);
    EXPECT_TRUE(o.Font2Style[3]);
    EXPECT_EQ(o.BlockColor, 0xABCDEF);
    EXPECT_EQ(o.LineColor, 0x010203);
    EXPECT_TRUE(o.LowerCase);
    EXPECT_EQ(o.LineWidth, 3);
    EXPECT_EQ(o.Alignment, 3);
    EXPECT_EQ(o.text(), "Line one\r\nLine two");
    EXPECT_TRUE(o.Transparent);
    EXPECT_TRUE(o.UseGrid());
    EXPECT_EQ(o.Columns, 4);
    EXPECT_TRUE(o.Unread);
    EXPECT_FALSE(o.MakeItFit);
    EXPECT_TRUE(o.FillInShape);
    EXPECT_EQ(o.FillColor, 0xC0C0C0);
    EXPECT_EQ(o.BorderColor, 0x808080);
    EXPECT_TRUE(o.UseBorder);
    EXPECT_EQ(o.BorderWidth, 9);
    EXPECT_EQ(o.BitmapFile.text(), "/home/teacher/owl.bmp");
    EXPECT_EQ(o.UsedFontSize, 11);
    EXPECT_EQ(o.Unused[27], 0x99);
    // What is read is written back unchanged, the stale text behind the terminator included.
    EXPECT_EQ(encodeLayout(layout), image.bytes());
}

TEST(PageLayoutCodec, PageSizesAreLittleEndianDoubles)
{
    PageLayoutRecord layout;
    layout.PageWidth = 8.5;    // 0x4021000000000000
    layout.PageHeight = 29.7;  // 0x403DB33333333333
    const auto bytes = encodeLayout(layout);
    EXPECT_EQ(
        std::vector<std::uint8_t>(bytes.begin() + 42, bytes.begin() + 58),
        (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 0x21, 0x40, 0x33, 0x33, 0x33, 0x33, 0x33, 0xB3, 0x3D, 0x40}));
}

TEST(PageLayoutCodec, ObjectTextIsZeroTerminated)
{
    PageObject object;
    object.Text.fill('x');
    EXPECT_EQ(object.text().size(), 1001u) << "a text without terminator stops at the end of its field";
    object.setText("Name: ____");
    EXPECT_EQ(object.text(), "Name: ____");
    EXPECT_EQ(object.Text[10], 0);
    EXPECT_EQ(object.Text[11], 'x') << "the bytes behind the terminator keep what they held";
    object.setText(std::string(1200, 'y'));
    EXPECT_EQ(object.text(), std::string(999, 'y'));
    EXPECT_EQ(object.Text[999], 0);
    object.setText("");
    EXPECT_EQ(object.text(), "");
}

TEST(PageLayoutCodec, StaleSlotsAndUnusedBytesTravelUnchanged)
{
    std::mt19937 random(28868);
    std::vector<std::uint8_t> bytes(test::kLayoutSize);
    for (int round = 0; round < 3; ++round) {
        for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
        EXPECT_EQ(encodeLayout(decodeLayout(bytes)), bytes);
    }
}

TEST(PageLayoutRecord, ObjectCountIsClampedToTheTwentySlots)
{
    PageLayoutRecord layout;
    for (const auto [stored, used] : {std::pair{0, 0}, {3, 3}, {20, 20}, {21, 20}, {32767, 20}, {-1, 0}, {-32768, 0}}) {
        layout.ObjectCount = static_cast<std::int16_t>(stored);
        EXPECT_EQ(usedObjectCount(layout), used) << stored;
    }
}

TEST(PageLayoutRecord, KnownKindsOnly)
{
    for (const std::int16_t kind : {1, 2, 7, 8, 10, 11, 12, 13}) EXPECT_TRUE(knownKind(kind)) << kind;
    for (const std::int16_t kind : {0, 3, 4, 5, 6, 9, 14, -1, 32767}) EXPECT_FALSE(knownKind(kind)) << kind;
}

TEST(PageLayoutRecord, PixelsPerUnitByZoomAndUnit)
{
    EXPECT_EQ(PixelsPerUnit(1, true), 48);
    EXPECT_EQ(PixelsPerUnit(2, true), 72);
    EXPECT_EQ(PixelsPerUnit(3, true), 96);
    EXPECT_EQ(PixelsPerUnit(1, false), 20);
    EXPECT_EQ(PixelsPerUnit(2, false), 30);
    EXPECT_EQ(PixelsPerUnit(3, false), 40);
    EXPECT_EQ(PixelsPerUnit(0, true), 48);
    EXPECT_EQ(PixelsPerUnit(-5, false), 20);
    EXPECT_EQ(PixelsPerUnit(99, true), 96);
}

TEST(PageLayoutRecord, NewObjectsGetTheDesignerDefaults)
{
    const PageObject title = makePageObject(PageObjectKind::Title, "Title");
    EXPECT_EQ(title.FontName.text(), "Arial");
    EXPECT_EQ(title.FontSize, 10);
    EXPECT_EQ(title.Font2Size, 5);
    EXPECT_EQ(title.Alignment, 2);
    EXPECT_TRUE(title.Transparent);
    EXPECT_TRUE(title.UseBorder);
    EXPECT_EQ(title.FillColor, 0x00FFFFFF);
    const PageObject puzzle = makePageObject(PageObjectKind::Puzzle, "Puzzle");
    EXPECT_EQ(puzzle.Alignment, 1);
    EXPECT_FALSE(puzzle.UseGrid());
    EXPECT_EQ(puzzle.FillColor, 0);
    EXPECT_EQ(puzzle.BlockColor, 0x00FFFFFF);
    EXPECT_EQ(puzzle.LineWidth, 1);
    const PageObject bitmap = makePageObject(PageObjectKind::Bitmap, "Bitmap 1");
    EXPECT_FALSE(bitmap.TileBitmap());
    EXPECT_FALSE(bitmap.UseBorder);
    EXPECT_EQ(makePageObject(PageObjectKind::Words, "Words / Clues").Columns, 3);
}

TEST(PageLayoutRecord, EqualityIsByTheStoredBytes)
{
    PageLayoutRecord a = makeBuiltInPageLayout();
    PageLayoutRecord b = a;
    EXPECT_EQ(a, b);
    b.Objects[19].Unused[3] = 1;
    EXPECT_FALSE(a == b);
}

}  // namespace
}  // namespace qm
