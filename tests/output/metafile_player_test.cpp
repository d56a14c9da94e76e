// Playing a page file onto a metafile canvas: whole pixels, the white sheet, objects made when
// first needed and deleted when replaced, pictures left out, and absurd numbers held in range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "output/metafile/metafile_export.h"
#include "output/metafile/metafile_frame.h"
#include "output/metafile/metafile_player.h"
#include "output/metafile_fixtures.h"

namespace qm::test {
namespace {

// Writes every call as a line of text and follows the object table.
class LoggingCanvas final : public MetafileCanvas {
public:
    std::vector<std::string> calls;
    std::set<int> live;
    std::set<int> slotsUsed;
    std::size_t mostLive = 0;

    void createObject(int slot, const MetafilePen& pen) override
    {
        created(slot, "pen " + std::string(pen.visible ? "solid " : "none ") + std::to_string(pen.color));
    }
    void createObject(int slot, const MetafileBrush& brush) override
    {
        created(slot, "brush " + std::string(brush.visible ? "solid " : "none ") + std::to_string(brush.color));
    }
    void createObject(int slot, const MetafileFont& font) override
    {
        created(slot, "font " + font.face + " " + std::to_string(font.height) + (font.bold ? " bold" : "") +
                          (font.italic ? " italic" : "") + (font.underline ? " underline" : "") +
                          (font.strikeOut ? " strikeout" : ""));
    }
    void selectObject(int slot) override { calls.push_back("select " + std::to_string(slot)); }
    void deleteObject(int slot) override
    {
        EXPECT_EQ(live.erase(slot), 1u) << "deleted an object that does not exist";
        calls.push_back("delete " + std::to_string(slot));
    }
    void setBaselineTextAlign() override { calls.push_back("baseline"); }
    void setTextColor(Color color) override { calls.push_back("text colour " + std::to_string(color)); }
    void setBackgroundColor(Color color) override { calls.push_back("background " + std::to_string(color)); }
    void setBackgroundMode(TextBackground mode) override
    {
        calls.push_back(mode == TextBackground::Opaque ? "opaque" : "transparent");
    }
    void moveTo(PixelPoint at) override { calls.push_back("move " + point(at)); }
    void lineTo(PixelPoint at) override { calls.push_back("line " + point(at)); }
    void arc(const PixelBox& box, PixelPoint start, PixelPoint end) override
    {
        calls.push_back("arc " + boxText(box) + " from " + point(start) + " to " + point(end));
    }
    void ellipse(const PixelBox& box) override { calls.push_back("ellipse " + boxText(box)); }
    void rectangle(const PixelBox& box) override { calls.push_back("rectangle " + boxText(box)); }
    void text(PixelPoint at, std::string_view text) override
    {
        calls.push_back("text " + point(at) + " " + std::string(text));
    }

    // The calls after the white sheet.
    std::vector<std::string> drawing() const { return {calls.begin() + kSheetCalls, calls.end()}; }

private:
    static constexpr std::ptrdiff_t kSheetCalls = 7;

    void created(int slot, const std::string& what)
    {
        EXPECT_TRUE(live.insert(slot).second) << "slot " << slot << " taken twice";
        slotsUsed.insert(slot);
        mostLive = std::max(mostLive, live.size());
        calls.push_back(what + " in " + std::to_string(slot));
    }
    static std::string point(PixelPoint at) { return std::to_string(at.x) + "," + std::to_string(at.y); }
    static std::string boxText(const PixelBox& box)
    {
        return point({box.left, box.top}) + "-" + point({box.right, box.bottom});
    }
};

LoggingCanvas play(const std::vector<PageOperation>& operations, PaperSize sheet = {8.5, 11})
{
    PageFile page;
    page.size = sheet;
    page.operations = operations;
    LoggingCanvas canvas;
    PlayPageOnMetafile(page, canvas);
    return canvas;
}

using Calls = std::vector<std::string>;

TEST(MetafilePlayer, SheetFilledWhiteWithoutAPenFirst)
{
    const LoggingCanvas canvas = play({}, {2, 1.5});
    EXPECT_EQ(canvas.calls, (Calls{"baseline", "background 16777215", "pen none 0 in 0", "select 0",
                                   "brush solid 16777215 in 1", "select 1", "rectangle 0,0-193,145"}));
}

TEST(MetafilePlayer, SmallPage)
{
    EXPECT_EQ(
        play(smallPage().operations).drawing(),
        (Calls{"font Arial 16 in 2", "select 2", "text colour 0", "opaque", "text 96,96 Hi", "move 96,192",
               "pen solid 0 in 3", "select 3", "delete 0", "line 288,192", "arc 96,288-192,384 from 144,288 to 144,384",
               "ellipse 288,288-384,384", "pen none 0 in 0", "select 0", "delete 3", "brush solid 255 in 3", "select 3",
               "delete 1", "rectangle 480,480-577,577"}));
}

TEST(MetafilePlayer, TextKeepsItsFontColourAndBackground)
{
    FontSpec font{"Times New Roman", 9, 0x112233, true, true, true, true};
    const LoggingCanvas canvas = play({SetFontOp{font}, SetTextBackgroundOp{TextBackground::Transparent},
                                       TextOp{{0.5, 0.25}, "A"}, TextOp{{0.5, 0.5}, "B"}, TextOp{{0, 0}, ""}});
    EXPECT_EQ(canvas.drawing(), (Calls{"font Times New Roman 12 bold italic underline strikeout in 2", "select 2",
                                       "text colour 1122867", "transparent", "text 48,24 A", "text 48,48 B"}));
}

TEST(MetafilePlayer, BrushStyleAndColourMakeOneBrush)
{
    const LoggingCanvas canvas =
        play({SetBrushOp{0x00FF00}, SetBrushStyleOp{BrushStyle::Clear}, EllipseOp{{0, 0, 1, 1}},
              SetBrushStyleOp{BrushStyle::Solid}, EllipseOp{{0, 0, 1, 1}}});
    EXPECT_EQ(canvas.drawing(),
              (Calls{"pen solid 0 in 2", "select 2", "delete 0", "brush none 65280 in 0", "select 0", "delete 1",
                     "ellipse 0,0-96,96", "brush solid 65280 in 1", "select 1", "delete 0", "ellipse 0,0-96,96"}));
}

TEST(MetafilePlayer, ObjectTableStaysSmallWhateverThePageChanges)
{
    std::vector<PageOperation> operations;
    for (int i = 0; i < 1000; ++i) {
        FontSpec font;
        font.Size = 8 + i % 20;
        operations.insert(operations.end(),
                          {SetPenOp{static_cast<Color>(i)}, LineToOp{{1, 1}}, SetBrushOp{static_cast<Color>(i)},
                           FillRectangleOp{{0, 0, 1, 1}}, SetFontOp{font}, TextOp{{1, 1}, "x"}});
    }
    const LoggingCanvas canvas = play(operations);
    EXPECT_LE(canvas.mostLive, 6u);  // two of each kind at the moment one replaces the other
    EXPECT_LE(canvas.live.size(), 3u);
    EXPECT_LT(*canvas.slotsUsed.rbegin(), 6);  // so the metafile's object table has at most six entries
}

TEST(MetafilePlayer, PicturesLeftOut)
{
    const std::vector<PageOperation> withPicture = {BitmapOp{"/pictures/owl.bmp", {0, 0, 1, 1}}};
    EXPECT_TRUE(play(withPicture).drawing().empty());
}

TEST(MetafileExport, EveryBitmapObjectOfTheLayoutIsToldAlsoOneWhosePictureIsMissing)
{
    PageLayoutRecord layout;
    EXPECT_FALSE(layoutHasBitmaps(layout));
    layout.ObjectCount = 2;
    layout.Objects[0].Kind = static_cast<std::int16_t>(PageObjectKind::Text);
    layout.Objects[1].Kind = static_cast<std::int16_t>(PageObjectKind::Bitmap);
    EXPECT_TRUE(layoutHasBitmaps(layout)) << "a Bitmap object without a file name";
    layout.Objects[1].BitmapFile.assign("/nowhere/owl.bmp");
    EXPECT_TRUE(layoutHasBitmaps(layout)) << "a Bitmap object whose file is missing";
    layout.ObjectCount = 1;
    EXPECT_FALSE(layoutHasBitmaps(layout)) << "a slot past the object count";
}

TEST(MetafilePlayer, AbsurdNumbersHeldInRange)
{
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    FontSpec font;
    font.Size = std::numeric_limits<int>::max();
    font.Name = std::string(40, 'F');
    const LoggingCanvas canvas = play({MoveToOp{{kNaN, kInfinity}}, SetFontOp{font}, TextOp{{-kInfinity, 1e300}, "x"},
                                       FillRectangleOp{{0, 0, 1e300, kNaN}}},
                                      {kNaN, -kInfinity});
    EXPECT_EQ(canvas.calls[6], "rectangle 0,0-1,1");
    EXPECT_EQ(canvas.drawing(),
              (Calls{"move 0,2147483647", "font " + std::string(40, 'F') + " 1000000000 in 2", "select 2",
                     "text colour 0", "opaque", "text -2147483648,2147483647 x", "rectangle 0,0-2147483647,1"}));
}

TEST(MetafileFrame, PixelsTruncatedAtNinetySixPerInch)
{
    struct Case {
        double inches;
        std::int32_t pixels;
    };
    const Case cases[] = {
        {1, 96},
        {1.99 / 96, 1},               // truncated, not rounded
        {-1.5 / 96, -1},              // towards zero
        {(7.0 / 96 + 0.7) - 0.7, 7},  // 6.9999999999999964: a whole pixel that came out a hair below
        {std::nan(""), 0},
        {1e300, std::numeric_limits<std::int32_t>::max()},
        {-1e300, std::numeric_limits<std::int32_t>::min()},
    };
    for (const Case& c : cases) EXPECT_EQ(metafilePixels(c.inches), c.pixels) << c.inches;
}

TEST(MetafileFrame, SheetInPixelsAndHundredthsOfAMillimetre)
{
    struct Case {
        PaperSize sheet;
        std::int32_t width, height, widthMm, heightMm;
    };
    const Case cases[] = {
        {{8.5, 11}, 816, 1056, 25908, 33528},                 // Letter
        {{11, 8.5}, 1056, 816, 33528, 25908},                 // Letter, landscape
        {{210 / 25.4, 297 / 25.4}, 793, 1122, 25200, 35640},  // A4
        {{-1, std::nan("")}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const MetafileFrame frame = metafileFrame(c.sheet);
        EXPECT_EQ(frame.widthPixels, c.width);
        EXPECT_EQ(frame.heightPixels, c.height);
        EXPECT_EQ(frame.widthHundredthsMm, c.widthMm);
        EXPECT_EQ(frame.heightHundredthsMm, c.heightMm);
    }
}

TEST(MetafilePlayer, FontHeightFromPointsAtNinetySixPerInch)
{
    const std::pair<int, std::int32_t> cases[] = {{12, 16}, {10, 13}, {11, 15}, {8, 11}, {72, 96}, {0, 0}};
    for (const auto& [points, pixels] : cases) EXPECT_EQ(metafileFontHeight(points), pixels) << points;
}

}  // namespace
}  // namespace qm::test
