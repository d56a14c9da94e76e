#include "layout/shape_record.h"

#include <gtest/gtest.h>

#include "layout/shape_picture.h"
#include "shape_test_support.h"

namespace qm {
namespace {

using test::decodeShape;
using test::ImageBuilder;

std::vector<std::uint8_t> encode(const ShapeRecord& shape)
{
    std::vector<std::uint8_t> bytes(ShapeRecord::kSize, 0xAA);
    encodeShapeRecord(shape, std::span<std::uint8_t, ShapeRecord::kSize>(bytes.data(), ShapeRecord::kSize));
    return bytes;
}

ImageBuilder sampleImage()
{
    ImageBuilder image(ShapeRecord::kSize);
    image.text(0, "Heart").byte(6, 'x').byte(50, 'z');  // bytes behind the text travel along
    image.i16(51, 26).i16(53, -2);
    image.byte(55, 1);                 // row 1, column 1
    image.byte(55 + 49, 1);            // row 1, column 50
    image.byte(55 + 50 + 2, 1);        // row 2, column 3
    image.byte(55 + 49 * 50 + 49, 1);  // row 50, column 50: the last byte of the record
    return image;
}

TEST(ShapeRecordCodec, ReadsEveryFieldAtItsOffset)
{
    const ShapeRecord shape = decodeShape(sampleImage().bytes());
    EXPECT_EQ(shape.Name.text(), "Heart");
    EXPECT_EQ(shape.Width, 26);
    EXPECT_EQ(shape.Height, -2);
    EXPECT_TRUE(shape.inShape(1, 1));
    EXPECT_TRUE(shape.inShape(1, 50));
    EXPECT_TRUE(shape.inShape(2, 3));
    EXPECT_TRUE(shape.inShape(cellNumber(50, 50)));
    EXPECT_FALSE(shape.inShape(1, 2));
    EXPECT_EQ(shape.usedHeight(), 0);
}

TEST(ShapeRecordCodec, WritesTheBytesItRead)
{
    const auto image = sampleImage().bytes();
    EXPECT_EQ(encode(decodeShape(image)), image);
}

TEST(ShapeRecordCodec, NewShapeIsASolidThirtySquareNamedNewLayout)
{
    ImageBuilder expected(ShapeRecord::kSize, 1);
    expected.text(0, "New Layout").raw(11, std::string(40, '\0')).i16(51, 30).i16(53, 30);
    EXPECT_EQ(encode(makeNewShape()), expected.bytes());
}

TEST(ShapeRecord, OnlyTheByteOnePutsACellIntoTheShape)
{
    const auto image = ImageBuilder(ShapeRecord::kSize).byte(55, 1).byte(56, 2).byte(57, 0xFF).bytes();
    const ShapeRecord shape = decodeShape(image);
    EXPECT_TRUE(shape.inShape(1));
    EXPECT_FALSE(shape.inShape(2));
    EXPECT_FALSE(shape.inShape(3));
}

TEST(ShapeRecord, SizesAreClampedToTheMask)
{
    struct Case {
        std::int16_t stored;
        int used;
    };
    for (const Case c : {Case{-32768, 0}, Case{-1, 0}, Case{0, 0}, Case{1, 1}, Case{30, 30}, Case{50, 50}, Case{51, 50},
                         Case{32767, 50}})
        EXPECT_EQ(usedShapeSize(c.stored), c.used) << c.stored;
}

TEST(ShapeOfPuzzle, TakesTheCellsWhoseLetterIsNotZero)
{
    PuzzleRecord puzzle;
    puzzle.Width = 15;
    puzzle.Height = 12;
    puzzle.Letters.fill(0);
    puzzle.Letters[cellNumber(1, 1) - 1] = 'A';
    puzzle.Letters[cellNumber(3, 7) - 1] = ' ';
    puzzle.Letters[cellNumber(50, 50) - 1] = 0xE9;
    const ShapeRecord shape = shapeOfPuzzle(puzzle);
    EXPECT_EQ(shape.Name.text(), "<Current Puzzle>");
    EXPECT_EQ(shape.Width, 15);
    EXPECT_EQ(shape.Height, 12);
    EXPECT_EQ(std::count(shape.Mask.begin(), shape.Mask.end(), 1), 3);
    EXPECT_TRUE(shape.inShape(1, 1));
    EXPECT_TRUE(shape.inShape(3, 7));
    EXPECT_TRUE(shape.inShape(50, 50));
}

TEST(ShapePicture, ReadsNameRowsAndSizes)
{
    auto shape = parseShapePicture("; a comment\nName:  Small L \n\n#..\n#..\n###\n", "l.txt");
    ASSERT_TRUE(shape) << shape.failure().describe();
    EXPECT_EQ(shape->Name.text(), "Small L");
    EXPECT_EQ(shape->Width, 3);
    EXPECT_EQ(shape->Height, 3);
    EXPECT_EQ(test::rowsOf(*shape), (std::vector<std::string>{"#..", "#..", "###"}));
    EXPECT_EQ(std::count(shape->Mask.begin(), shape->Mask.end(), 1), 5);  // nothing outside the picture
}

TEST(ShapePicture, RefusesBrokenPictures)
{
    const char* broken[] = {
        "",                    // nothing at all
        "#..\n",               // no name
        "Name: X\n",           // no rows
        "Name: X\n##\n###\n",  // rows of different lengths
        "Name: X\n#x#\n",      // a cell that is neither '#' nor '.'
    };
    for (const char* text : broken) {
        auto shape = parseShapePicture(text, "bad.txt");
        EXPECT_FALSE(shape) << text;
        if (!shape) EXPECT_EQ(shape.failure().kind, FailureKind::BadContent);
    }
    std::string tooWide = "Name: X\n" + std::string(51, '#') + "\n";
    EXPECT_FALSE(parseShapePicture(tooWide, "wide.txt"));
    std::string tooTall = "Name: X\n";
    for (int r = 0; r < 51; ++r) tooTall += "#\n";
    EXPECT_FALSE(parseShapePicture(tooTall, "tall.txt"));
    EXPECT_FALSE(parseShapePicture("Name: " + std::string(51, 'n') + "\n#\n", "long.txt"));
}

}  // namespace
}  // namespace qm
