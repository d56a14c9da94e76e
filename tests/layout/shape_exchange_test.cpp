#include "layout/shape_exchange_file.h"

#include <gtest/gtest.h>

#include "layout/record_transfer.h"
#include "layout/shape_file.h"
#include "shape_test_support.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::shapeImage;
using test::TempDir;
using test::writeFile;

class ShapeExchangeTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path lay = dir / "HEART.LAY";
    ShapeFile shapes = ShapeFile::inDirectory(dir.path());
    std::string heart = shapeImage("Heart", {".#.#.", "#####", ".###.", "..#.."}).str();
};

TEST_F(ShapeExchangeTest, ExportWritesSignatureVersionAndRecord)
{
    ASSERT_TRUE(exportRecord<ShapeKind>(test::decodeShape(shapeImage("Heart", {".#.#.", "#####"}).bytes()), lay).ok());
    EXPECT_EQ(readFile(lay), "LAY1.0" + shapeImage("Heart", {".#.#.", "#####"}).str());
}

TEST_F(ShapeExchangeTest, ImportChecksOnlyTheSignatureAndTheLength)
{
    struct Case {
        const char* what;
        std::string contents;
        bool imports;
    };
    const Case cases[] = {
        {"another version text", "LAY9.Z" + heart, true},
        {"bytes behind the record", "LAY1.0" + heart + "trailing bytes", true},
        {"one byte short", ("LAY1.0" + heart).substr(0, 2560), false},
        {"lower-case signature", "lay1.0" + heart, false},
        {"another signature", "PAG1.0" + heart, false},
        {"only the signature", "LAY", false},
        {"shorter than the signature", "LA", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        writeFile(lay, c.contents);
        auto shape = readShapeExchangeFile(lay);
        EXPECT_EQ(shape.ok(), c.imports) << c.what;
        if (shape)
            EXPECT_EQ(shape->Name.text(), "Heart") << c.what;
        else
            EXPECT_EQ(shape.failure().kind, FailureKind::BadContent) << c.what;
    }
}

TEST_F(ShapeExchangeTest, ImportAppendsToTheShapeFileCreatingIt)
{
    writeFile(lay, "LAYx.y" + heart);
    RecordAddition<ShapeKind> first = importRecord(shapes, lay);
    ASSERT_TRUE(first.outcome.ok());
    EXPECT_EQ(first.index, 0);
    RecordAddition<ShapeKind> second = importRecord(shapes, lay);
    EXPECT_EQ(second.index, 1);  // a name that exists already is added again
    EXPECT_EQ(readFile(shapes.path()), heart + heart);
}

TEST_F(ShapeExchangeTest, FailuresBecomeTheirMessages)
{
    RecordAddition<ShapeKind> missing = importRecord(shapes, dir / "none.LAY");
    EXPECT_EQ(missing.outcome.kind, CommandOutcome::Kind::Refused);
    EXPECT_EQ(missing.outcome.refusal.message, "Puzzle shape could not be imported.");

    writeFile(lay, "lay1.0" + heart);
    RecordAddition<ShapeKind> corrupt = importRecord(shapes, lay);
    EXPECT_EQ(corrupt.outcome.refusal.message, "Puzzle shape file is corrupt or incompatible.  Import aborted.");
    EXPECT_FALSE(std::filesystem::exists(shapes.path()));

    // A shape file that can be neither opened nor created: the shape read is still handed back.
    writeFile(lay, "LAY1.0" + heart);
    RecordAddition<ShapeKind> refused = importRecord(ShapeFile(dir / "no such folder" / "QZFLAY.DAT"), lay);
    EXPECT_EQ(refused.outcome.refusal.message, "Unable to add shape.");
    EXPECT_EQ(refused.outcome.refusal.caption, "Disk Error");
    ASSERT_TRUE(refused.record);
    EXPECT_EQ(refused.record->Name.text(), "Heart");

    const CommandOutcome exported = exportRecord<ShapeKind>(makeNewShape(), dir / "no such folder" / "X.LAY");
    EXPECT_EQ(exported.refusal.message, "Shape could not be exported.");
}

}  // namespace
}  // namespace qm
