// The WMF writer: its headers and records against images worked out by hand, and numbers held
// to the 16 bits of the format.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "output/metafile/wmf_writer.h"
#include "output/metafile_fixtures.h"

namespace qm::test {
namespace {

// Mapping mode, window origin and extent of a Letter page, text on the baseline, white behind
// text, and the sheet filled white without a pen.
std::string letterPageStart()
{
    return words({4, 0, 0x0103, 8}) + words({5, 0, 0x020B, 0, 0}) + words({5, 0, 0x020C, 1056, 816}) +
           words({4, 0, 0x012E, 24}) + words({5, 0, 0x0201, 0xFFFF, 0x00FF}) + words({8, 0, 0x02FA, 5, 1, 0, 0, 0}) +
           words({4, 0, 0x012D, 0}) + words({7, 0, 0x02FC, 0, 0xFFFF, 0x00FF, 0}) + words({4, 0, 0x012D, 1}) +
           words({7, 0, 0x041B, 1057, 817, 0, 0});
}

const std::string kEndOfFile = words({3, 0, 0});

TEST(WmfWriter, LetterPageHeaders)
{
    const std::string bytes = WmfBytes(PageFile{});
    // Placeable header: key, no handle, box 816 x 1056 units at 80 to the inch (10.2 x 13.2 inches,
    // the physical size of the enhanced metafile of the page: 25908 x 33528 hundredths of a mm),
    // checksum.
    const std::string placeable = words({0xCDD7, 0x9AC6, 0, 0, 0, 816, 1056, 80, 0, 0, 0x5051});
    // Memory metafile, 9-word header, version 3; 65 words in all, 2 objects, largest record 8 words.
    const std::string header = words({1, 9, 0x0300, 65, 0, 2, 8, 0, 0});
    EXPECT_EQ(bytes, placeable + header + letterPageStart() + kEndOfFile);
}

TEST(WmfWriter, SmallPageRecords)
{
    const std::string font = words(
        {28, 0, 0x02FB, -16, 0, 0, 0, 400, 0, 0, 0, 0, 0x7241, 0x6169, 0x006C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const std::string records =
        letterPageStart() + font + words({4, 0, 0x012D, 2}) +     // Arial, -16 pixels, normal weight
        words({5, 0, 0x0209, 0, 0}) + words({4, 0, 0x0102, 2}) +  // black text, opaque background
        words({7, 0, 0x0521, 2, 0x6948, 96, 96}) +                // "Hi" at y 96, x 96
        words({5, 0, 0x0214, 192, 96}) +                          // move to (96, 192)
        words({8, 0, 0x02FA, 0, 1, 0, 0, 0}) + words({4, 0, 0x012D, 3}) + words({4, 0, 0x01F0, 0}) +
        words({5, 0, 0x0213, 192, 288}) +                                // line to (288, 192)
        words({11, 0, 0x0817, 384, 144, 288, 144, 384, 192, 288, 96}) +  // arc: end, start, box
        words({7, 0, 0x0418, 384, 384, 288, 288}) +                      // ellipse
        words({8, 0, 0x02FA, 5, 1, 0, 0, 0}) + words({4, 0, 0x012D, 0}) + words({4, 0, 0x01F0, 3}) +
        words({7, 0, 0x02FC, 0, 0x00FF, 0, 0}) + words({4, 0, 0x012D, 3}) + words({4, 0, 0x01F0, 1}) +
        words({7, 0, 0x041B, 577, 577, 480, 480}) + kEndOfFile;
    const std::string bytes = WmfBytes(smallPage());
    ASSERT_EQ(bytes.size(), 22 + 18 + records.size());
    // 195 words, 4 objects (slots 0 to 3), the font record the largest at 28 words.
    EXPECT_EQ(bytes.substr(22, 18), words({1, 9, 0x0300, 195, 0, 4, 28, 0, 0}));
    EXPECT_EQ(bytes.substr(40), records);
}

TEST(WmfWriter, NumbersHeldAtTheSixteenBitRange)
{
    PageFile page;
    page.size = {1e6, std::numeric_limits<double>::quiet_NaN()};
    page.operations = {MoveToOp{{-1e12, std::nan("")}}, LineToOp{{1e300, -std::numeric_limits<double>::infinity()}}};
    const std::string bytes = WmfBytes(page);
    EXPECT_EQ(bytes.substr(10, 4), words({32767, 0}));  // the box's right and bottom
    EXPECT_NE(bytes.find(words({5, 0, 0x020C, 0, 32767})), std::string::npos);
    EXPECT_NE(bytes.find(words({5, 0, 0x0214, 0, -32768})), std::string::npos);
    EXPECT_NE(bytes.find(words({5, 0, 0x0213, -32768, 32767})), std::string::npos);
}

TEST(WmfWriter, FaceNameCutToItsField)
{
    PageFile page;
    FontSpec font;
    font.Name = std::string(40, 'F');
    page.operations = {SetFontOp{font}, TextOp{{0, 0}, "x"}};
    const std::string face = std::string(31, 'F') + '\0';
    EXPECT_NE(WmfBytes(page).find(words({28, 0, 0x02FB}) + words({-13, 0, 0, 0, 400, 0, 0, 0, 0}) + face +
                                  words({4, 0, 0x012D})),
              std::string::npos);
}

}  // namespace
}  // namespace qm::test
