// The shape file, the layout file and their exchange files, with every file operation failing in
// turn: a shape or a layout the user did not delete is never lost or torn.
#include <gtest/gtest.h>

#include "layout/page_layout_file.h"
#include "layout/record_transfer.h"
#include "layout/shape_file.h"
#include "page_layout_test_support.h"
#include "shape_test_support.h"
#include "support/file_fault_sweep.h"

namespace qm {
namespace {

using test::writeFile;
using test::WriteOperation;
using test::writeOutcomeOf;

class LayoutWriteFaults : public ::testing::Test {
protected:
    test::TempDir dir;
    const std::string square = test::shapeImage("Square", {"###", "###", "###"}).str();
    const std::string cross = test::shapeImage("Cross", {".#.", "###", ".#."}).str();
    const std::string letter = test::letterLayout("Letter Page");
    const std::string a4 = test::letterLayout("A4 Page", "A4");
};

TEST_F(LayoutWriteFaults, TheShapeFileAndItsExchangeFilesKeepEveryShape)
{
    const auto shapes = dir / "QZFLAY.DAT";
    const auto exchange = dir / "STAR.LAY";
    const auto reset = [&] {
        writeFile(shapes, square + cross);
        writeFile(exchange, "LAY1.0" + cross);
    };
    const ShapeRecord star = test::shapeOf({"#.#", ".#.", "#.#"}, "Star");
    const std::vector<WriteOperation> operations{
        {"append", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(ShapeFile(shapes, faults).AppendRecord(star)); },
         shapes},
        {"replace", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(ShapeFile(shapes, faults).ReplaceRecord(0, star)); },
         shapes},
        {"delete", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(ShapeFile(shapes, faults).DeleteRecord(0)); }, shapes},
        {"import", reset,
         [&](const FileFaults& faults) {
             return writeOutcomeOf(importRecord(ShapeFile(shapes, faults), exchange).outcome);
         },
         shapes},
        {"export", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(exportRecord<ShapeKind>(star, exchange, faults)); },
         exchange},
    };
    for (const WriteOperation& operation : operations) test::expectEveryFaultKeepsOldOrNew(operation);
}

// A delete of Cross that died while moving Plus up over Star's old place leaves that place torn;
// the list of shapes finishes the delete before it reads a name.
TEST_F(LayoutWriteFaults, TheListOfShapesFinishesADeleteThatDied)
{
    const auto shapes = dir / "QZFLAY.DAT";
    const std::string star = test::shapeImage("Star", {"#.#", ".#.", "#.#"}).str();
    const std::string plus = test::shapeImage("Plus", {".#.", "###", ".#."}).str();
    const std::string torn = plus.substr(0, plus.size() / 2) + star.substr(star.size() / 2);
    writeFile(shapes, square + star + torn + plus);
    writeFile(dir / "QZFLAY.DAT.journal", test::removeJournalImage(ShapeRecord::kSize, 1, 4, 2));

    const auto listed = ShapeFile(shapes).ListRecords();
    ASSERT_TRUE(listed);
    std::vector<std::string> names;
    for (const ShapeHeading& heading : *listed) names.push_back(heading.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Square", "Star", "Plus"}));
    EXPECT_EQ(test::readFile(shapes), square + star + plus);
    EXPECT_FALSE(std::filesystem::exists(dir / "QZFLAY.DAT.journal"));
}

TEST_F(LayoutWriteFaults, TheLayoutFileAndItsExchangeFilesKeepEveryLayout)
{
    const auto layouts = dir / "QZFPAGE.DAT";
    const auto exchange = dir / "PAGE.PAG";
    const auto reset = [&] {
        writeFile(layouts, letter + a4);
        writeFile(exchange, "PAG1.0" + a4);
    };
    PageLayoutRecord wide = makeBuiltInPageLayout();
    wide.Name.assign("Wide");
    const std::vector<WriteOperation> operations{
        {"append", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(PageLayoutFile(layouts, faults).AppendRecord(wide)); },
         layouts},
        {"replace", reset,
         [&](const FileFaults& faults) {
             return writeOutcomeOf(PageLayoutFile(layouts, faults).ReplaceRecord(1, wide));
         },
         layouts},
        {"delete", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(PageLayoutFile(layouts, faults).DeleteRecord(0)); },
         layouts},
        {"import", reset,
         [&](const FileFaults& faults) {
             return writeOutcomeOf(importRecord(PageLayoutFile(layouts, faults), exchange).outcome);
         },
         layouts},
        {"add", reset,
         [&](const FileFaults& faults) {
             return writeOutcomeOf(addRecord(PageLayoutFile(layouts, faults), wide).outcome);
         },
         layouts},
        {"export", reset,
         [&](const FileFaults& faults) { return writeOutcomeOf(exportRecord<PageLayoutKind>(wide, exchange, faults)); },
         exchange},
    };
    for (const WriteOperation& operation : operations) test::expectEveryFaultKeepsOldOrNew(operation);
}

}  // namespace
}  // namespace qm
