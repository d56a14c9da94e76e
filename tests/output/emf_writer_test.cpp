// The EMF writer: its header at the offsets of the format and its records against images worked
// out by hand, and numbers held to 32 bits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "output/metafile/emf_writer.h"
#include "output/metafile_fixtures.h"
#include "support/record_images.h"

namespace qm::test {
namespace {

// Text on the baseline, white behind text, and the Letter sheet filled white without a pen.
std::string letterPageStart()
{
    return dwords({22, 12, 24}) + dwords({25, 12, 0xFFFFFF}) + dwords({38, 28, 1, 5, 1, 0, 0}) + dwords({37, 12, 1}) +
           dwords({39, 24, 2, 0, 0xFFFFFF, 0}) + dwords({37, 12, 2}) + dwords({43, 24, 0, 0, 817, 1057});
}

const std::string kEndOfFile = dwords({14, 20, 0, 16, 20});

TEST(EmfWriter, LetterPageHeader)
{
    using namespace std::string_view_literals;
    // "Quillmaze 98", a zero, "Word Search Puzzle" and two zeros, in UTF-16.
    constexpr std::string_view description = "Q\0u\0i\0l\0l\0m\0a\0z\0e\0 \0"
                                             "9\0"
                                             "8\0\0\0W\0o\0r\0d\0 \0S\0e\0a\0r\0c\0h\0 \0P\0u\0z\0z\0l\0e\0\0\0\0\0"sv;
    ImageBuilder header(176);
    header.i32(0, 1).i32(4, 176);
    header.i32(8, 0).i32(12, 0).i32(16, 815).i32(20, 1055);      // bounds in pixels, inclusive
    header.i32(24, 0).i32(28, 0).i32(32, 25908).i32(36, 33528);  // frame in hundredths of a millimetre
    header.raw(40, " EMF").i32(44, 0x10000).i32(48, 320).i32(52, 9).i16(56, 3);
    header.i32(60, 33).i32(64, 108);                              // description: 33 characters at 108
    header.i32(72, 816).i32(76, 1056).i32(80, 259).i32(84, 335);  // device: pixels and millimetres
    header.i32(100, 259080).i32(104, 335280);                     // and micrometres
    ASSERT_EQ(description.size(), 66u);
    header.raw(108, description);

    const std::string bytes = EmfBytes(PageFile{});
    EXPECT_EQ(bytes, header.str() + letterPageStart() + kEndOfFile);
}

TEST(EmfWriter, SmallPageRecords)
{
    const std::string font = dwords({82, 104, 3, -16, 0, 0, 0, 400, 0, 0, 0x00720041, 0x00610069, 0x0000006C,
                                     0,  0,   0, 0,   0, 0, 0, 0,   0, 0, 0,          0,          0});
    const std::string text = dwords({84, 80, 0, 0,  -1, -1, 1, 0,  0,  // no bounds, compatible mode, no scales
                                     96, 96, 2, 76, 0,  0,  0, -1, -1, 0, 0x00690048});
    const std::string records =
        letterPageStart() + font + dwords({37, 12, 3}) + dwords({24, 12, 0}) + dwords({18, 12, 2}) + text +
        dwords({27, 16, 96, 192}) + dwords({38, 28, 4, 0, 1, 0, 0}) + dwords({37, 12, 4}) + dwords({40, 12, 1}) +
        dwords({54, 16, 288, 192}) + dwords({45, 40, 96, 288, 192, 384, 144, 288, 144, 384}) +
        dwords({42, 24, 288, 288, 384, 384}) + dwords({38, 28, 1, 5, 1, 0, 0}) + dwords({37, 12, 1}) +
        dwords({40, 12, 4}) + dwords({39, 24, 4, 0, 0x0000FF, 0}) + dwords({37, 12, 4}) + dwords({40, 12, 2}) +
        dwords({43, 24, 480, 480, 577, 577}) + kEndOfFile;
    const std::string bytes = EmfBytes(smallPage());
    ASSERT_EQ(bytes.size(), 176 + records.size());
    EXPECT_EQ(bytes.substr(48, 4), dwords({176 + static_cast<std::int64_t>(records.size())}));
    EXPECT_EQ(bytes.substr(52, 4), dwords({28}));  // the header and 27 records
    EXPECT_EQ(bytes.substr(56, 2), words({5}));    // objects 1 to 4 and the metafile itself
    EXPECT_EQ(bytes.substr(176), records);
}

TEST(EmfWriter, NumbersHeldAtTheThirtyTwoBitRange)
{
    PageFile page;
    page.size = {1e300, -5};
    page.operations = {MoveToOp{{-1e12, std::nan("")}}, LineToOp{{1e300, -std::numeric_limits<double>::infinity()}}};
    const std::string bytes = EmfBytes(page);
    EXPECT_EQ(bytes.substr(16, 8), dwords({INT32_MAX - 1, -1}));  // bounds
    EXPECT_EQ(bytes.substr(32, 8), dwords({INT32_MAX, 0}));       // frame
    EXPECT_EQ(bytes.substr(100, 8), dwords({INT32_MAX, 0}));      // micrometres
    EXPECT_NE(bytes.find(dwords({27, 16, INT32_MIN, 0})), std::string::npos);
    EXPECT_NE(bytes.find(dwords({54, 16, INT32_MAX, INT32_MIN})), std::string::npos);
}

TEST(EmfWriter, TextInUtf16)
{
    PageFile page;
    page.operations = {TextOp{{0, 0}, "\x80\xE9"}};  // the euro sign and e acute of Windows-1252
    EXPECT_NE(EmfBytes(page).find(words({0x20AC, 0x00E9})), std::string::npos);
}

TEST(EmfWriter, FaceNameCutToItsField)
{
    PageFile page;
    FontSpec font;
    font.Name = std::string(40, 'F');
    page.operations = {SetFontOp{font}, TextOp{{0, 0}, "x"}};
    std::string face;
    for (int i = 0; i < 31; ++i) face += words({'F'});
    EXPECT_NE(
        EmfBytes(page).find(dwords({82, 104, 3, -13, 0, 0, 0, 400, 0, 0}) + face + words({0}) + dwords({37, 12, 3})),
        std::string::npos);
}

}  // namespace
}  // namespace qm::test
