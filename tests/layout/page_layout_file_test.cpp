// The layout file, LoadPageLayout, the .PAG file and the entry texts.
#include "layout/page_layout_file.h"

#include <cmath>

#include <gtest/gtest.h>

#include "layout/default_page_layout.h"
#include "layout/page_layout_exchange_file.h"
#include "layout/page_layout_list.h"
#include "page_layout_test_support.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::layoutImage;
using test::letterLayout;
using test::readFile;
using test::TempDir;
using test::writeFile;

class PageLayoutFileTest : public ::testing::Test {
protected:
    TempDir dir;
    std::filesystem::path path = dir / "QZFPAGE.DAT";
    PageLayoutFile file{path};
};

TEST_F(PageLayoutFileTest, ListsTheHeadingsOfCompleteRecordsInFileOrder)
{
    writeFile(path, letterLayout("Zeta") + layoutImage("Big", "Custom", 22, 34, 1056, 1632).str() + "partial");
    const auto headings = file.ListRecords();
    ASSERT_TRUE(headings);
    ASSERT_EQ(headings->size(), 2u);
    EXPECT_EQ((*headings)[0].Name, "Zeta");
    EXPECT_EQ((*headings)[1].PaperName, "Custom");
    EXPECT_DOUBLE_EQ((*headings)[1].PageWidth, 22);
    EXPECT_DOUBLE_EQ((*headings)[1].PageHeight, 34);
    EXPECT_EQ(PageLayoutFile(dir / "none.DAT").ListRecords().failure().kind, FailureKind::CannotOpen);
}

TEST_F(PageLayoutFileTest, AppendsReplacesAndDeletesWholeRecords)
{
    PageLayoutRecord layout = makeBuiltInPageLayout();
    ASSERT_EQ(file.AppendRecord(layout).value(), 0);  // the file is created
    layout.Name.assign("Second");
    ASSERT_EQ(file.AppendRecord(layout).value(), 1);
    layout.Name.assign("Third");
    ASSERT_EQ(file.AppendRecord(layout).value(), 2);
    layout.Name.assign("Changed");
    ASSERT_TRUE(file.ReplaceRecord(1, layout));
    EXPECT_EQ(file.ReadRecord(1)->Name.text(), "Changed");
    ASSERT_TRUE(file.DeleteRecord(0));
    EXPECT_EQ(std::filesystem::file_size(path), 2u * kPageLayoutSize);
    EXPECT_EQ(file.ReadRecord(0)->Name.text(), "Changed");
    EXPECT_EQ(file.ReadRecord(1)->Name.text(), "Third");
    EXPECT_EQ(file.ReadRecord(2).failure().kind, FailureKind::NoSuchRecord);
    EXPECT_EQ(file.ReadRecord(-1).failure().kind, FailureKind::NoSuchRecord);
}

TEST_F(PageLayoutFileTest, NewPuzzlesGetTheDefaultRecordOrRecordZeroOrTheBuiltInLayout)
{
    EXPECT_EQ(LoadPageLayout(dir.path(), 0), makeBuiltInPageLayout()) << "no file";
    writeFile(path, "");
    EXPECT_EQ(LoadPageLayout(dir.path(), 0), makeBuiltInPageLayout()) << "an empty file";
    writeFile(path, "short of one record");
    EXPECT_EQ(LoadPageLayout(dir.path(), 0), makeBuiltInPageLayout()) << "no complete record";
    writeFile(path, letterLayout("First") + letterLayout("Second"));
    EXPECT_EQ(LoadPageLayout(dir.path(), 1).Name.text(), "Second");
    EXPECT_EQ(LoadPageLayout(dir.path(), 3).Name.text(), "First") << "beyond the records";
    EXPECT_EQ(LoadPageLayout(dir.path(), 2).Name.text(), "First");
    EXPECT_EQ(LoadPageLayout(dir.path(), -1).Name.text(), "First") << "a negative Default Page";
    EXPECT_EQ(loadDefaultPageLayout(dir.path(), 1).Name.text(), "Second");
}

TEST_F(PageLayoutFileTest, ExportWritesTheSignatureVersionAndRecord)
{
    const auto exchange = dir / "out.PAG";
    ASSERT_TRUE(writePageLayoutExchangeFile(exchange, makeBuiltInPageLayout()));
    const std::string bytes = readFile(exchange);
    ASSERT_EQ(bytes.size(), kPageLayoutExchangeFileSize);
    EXPECT_EQ(bytes.substr(0, 6), "PAG1.0");
    const auto record = test::encodeLayout(makeBuiltInPageLayout());
    EXPECT_TRUE(bytes.substr(6) == std::string(record.begin(), record.end()));
}

TEST_F(PageLayoutFileTest, ImportReadsAnyVersionAndRefusesShortOrUnsignedFiles)
{
    const auto exchange = dir / "in.PAG";
    const std::string record = letterLayout("Imported");
    writeFile(exchange, "PAG9.z" + record + "extra");
    EXPECT_EQ(readPageLayoutExchangeFile(exchange)->Name.text(), "Imported");
    for (const std::string& broken : {std::string("PA"), std::string("PAG1."), "PAG1.0" + record.substr(1),
                                      "pag1.0" + record, "LAY1.0" + record, std::string()}) {
        writeFile(exchange, broken);
        const auto read = readPageLayoutExchangeFile(exchange);
        ASSERT_FALSE(read) << broken.size();
        EXPECT_EQ(read.failure().kind, FailureKind::BadContent) << broken.size();
    }
    EXPECT_EQ(readPageLayoutExchangeFile(dir / "none.PAG").failure().kind, FailureKind::CannotOpen);
}

TEST(PageLayoutEntryText, NamePaperAndTheCustomSizeInWholeNumbersWithInchMarks)
{
    struct Case {
        const char* name;
        const char* paper;
        double width;
        double height;
        bool isDefault;
        const char* text;
    };
    const double nan = std::nan("");
    for (const Case& c : {
             Case{"Worksheet", "Letter", 8.5, 11, false, "Worksheet (Letter)"},
             Case{"Worksheet", "A4", 21, 29.7, true, "Worksheet (A4)  <<DEFAULT>>"},
             Case{"Poster", "Custom", 11, 17, false, "Poster (Custom 11\" x 17\")"},
             Case{"Metric", "Custom", 21.5, 27.94, false, "Metric (Custom 22\" x 28\")"},  // centimetres
             Case{"Small", "Custom", 4.4, 0.5, true, "Small (Custom 4\" x 1\")  <<DEFAULT>>"},
             Case{"Broken", "Custom", nan, 1e300, false, "Broken (Custom 0\" x 1000000\")"},
             Case{"", "", 0, 0, false, " ()"},
         }) {
        EXPECT_EQ(pageLayoutEntryText(PageLayoutHeading{c.name, c.paper, c.width, c.height}, c.isDefault), c.text);
    }
}

}  // namespace
}  // namespace qm
