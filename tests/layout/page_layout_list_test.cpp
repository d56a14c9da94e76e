// The layout list: entries, the default mark, delete, set default, import, export and extract.
#include "layout/page_layout_list.h"

#include <gtest/gtest.h>

#include "collection/collection_file.h"
#include "layout/page_layout_extract.h"
#include "page_layout_test_support.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::layoutImage;
using test::letterLayout;
using test::readFile;
using test::TempDir;
using test::writeFile;

class PageLayoutListTest : public ::testing::Test {
protected:
    void writeLayouts(std::initializer_list<std::string> records)
    {
        std::string bytes;
        for (const auto& record : records) bytes += record;
        writeFile(path, bytes);
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const auto& entry : list.entries()) result.push_back(entry.text);
        return result;
    }
    std::vector<int> tags() const
    {
        std::vector<int> result;
        for (const auto& entry : list.entries()) result.push_back(entry.tag);
        return result;
    }

    TempDir dir;
    std::filesystem::path path = dir / "QZFPAGE.DAT";
    int defaultPage = 0;
    PageLayoutList list{PageLayoutFile(path), defaultPage};
};

TEST_F(PageLayoutListTest, EntriesAreSortedAndMarkTheDefault)
{
    defaultPage = 2;
    writeLayouts({letterLayout("Worksheet"), letterLayout("clue sheet", "A4"),
                  layoutImage("Poster", "Custom", 27.94, 43.18, 558, 863, 0, false).str()});
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(texts(), (std::vector<std::string>{"clue sheet (A4)", "Poster (Custom 28\" x 43\")  <<DEFAULT>>",
                                                 "Worksheet (Letter)"}));
    EXPECT_EQ(tags(), (std::vector<int>{1, 2, 0}));
    EXPECT_EQ(list.selectedPosition(), 0);
    ASSERT_TRUE(list.LoadALayout());
    EXPECT_EQ(list.layout().Name.text(), "clue sheet");
}

TEST_F(PageLayoutListTest, AMissingOrEmptyFileListsNothing)
{
    EXPECT_FALSE(list.LoadInLayouts());
    writeFile(path, "not a whole record");
    EXPECT_FALSE(list.LoadInLayouts());
    EXPECT_EQ(list.selectedEntry(), nullptr);
    EXPECT_TRUE(list.LoadALayout()) << "nothing selected, nothing read";
    EXPECT_EQ(list.DeleteALayout().refusal.message, std::string("No page layout selected."));
    EXPECT_EQ(list.SetDefault().refusal.message, std::string("No page layout selected."));
    EXPECT_EQ(list.ExportLayout(dir / "x.PAG").refusal.message, std::string("No page layout selected."));
}

TEST_F(PageLayoutListTest, DeletingARecordBeforeTheDefaultMovesTheMarkToTheOneAfter)
{
    defaultPage = 2;
    writeLayouts({letterLayout("A"), letterLayout("B"), letterLayout("C"), letterLayout("D")});
    ASSERT_TRUE(list.LoadInLayouts());
    list.select(1);  // B, record 1
    EXPECT_EQ(list.deleteQuestion(), "Are you sure you want to delete \"B (Letter)\"?");
    ASSERT_TRUE(list.DeleteALayout().ok());
    EXPECT_EQ(defaultPage, 2) << "the default index stays";
    EXPECT_EQ(texts(), (std::vector<std::string>{"A (Letter)", "C (Letter)", "D (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list.selectedPosition(), 1);
    EXPECT_EQ(list.layout().Name.text(), "C");
    list.select(2);
    ASSERT_TRUE(list.DeleteALayout().ok());
    EXPECT_EQ(list.selectedPosition(), 1) << "the last entry when the list got shorter";
    EXPECT_EQ(list.layout().Name.text(), "C");
    EXPECT_EQ(std::filesystem::file_size(path), 2u * kPageLayoutSize);
}

TEST_F(PageLayoutListTest, DeletingTheOnlyRecordLeavesAnEmptyList)
{
    writeLayouts({letterLayout("Only")});
    ASSERT_TRUE(list.LoadInLayouts());
    ASSERT_TRUE(list.DeleteALayout().ok());
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(PageLayoutListTest, DeleteWithoutAFileIsTheDiskError)
{
    writeLayouts({letterLayout("Gone")});
    ASSERT_TRUE(list.LoadInLayouts());
    std::filesystem::remove(path);
    const CommandOutcome outcome = list.DeleteALayout();
    EXPECT_EQ(outcome.refusal.message, std::string("Unable to delete page layout."));
    EXPECT_EQ(outcome.refusal.caption, std::string("Disk Error"));
}

TEST_F(PageLayoutListTest, SetDefaultMovesTheMarkAndKeepsThePosition)
{
    writeLayouts({letterLayout("B"), letterLayout("A"), letterLayout("C")});
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(texts()[1], "B (Letter)  <<DEFAULT>>");
    list.select(2);
    ASSERT_TRUE(list.SetDefault().ok());
    EXPECT_EQ(defaultPage, 2);
    EXPECT_EQ(texts(), (std::vector<std::string>{"A (Letter)", "B (Letter)", "C (Letter)  <<DEFAULT>>"}));
    EXPECT_EQ(list.selectedPosition(), 2);
}

TEST_F(PageLayoutListTest, ThePuzzlesOwnLayoutIsSelectedByItsRecordElseByItsName)
{
    // Record 3 is record 0 at another zoom: the one equal to the puzzle's copy wins over the
    // first of the name.
    writeLayouts({letterLayout("Worksheet"), letterLayout("Poster"), letterLayout("Worksheet", "A4")});
    PageLayoutFile file(path);
    PageLayoutRecord puzzleLayout = *file.ReadRecord(0);
    puzzleLayout.Zoom = static_cast<std::int16_t>(puzzleLayout.Zoom == 2 ? 3 : 2);
    ASSERT_TRUE(file.AppendRecord(puzzleLayout));
    ASSERT_TRUE(list.LoadInLayouts());
    list.selectLayout(puzzleLayout);
    EXPECT_EQ(list.selectedEntry()->tag, 3);

    // A copy the file no longer holds: the first entry of its name and paper, the default mark
    // (on record 0) aside.
    puzzleLayout.Zoom = 7;
    list.selectLayout(puzzleLayout);
    ASSERT_TRUE(list.selectedEntry());
    EXPECT_EQ(list.selectedEntry()->text.rfind("Worksheet (Letter)", 0), 0u);
    puzzleLayout.PaperName = "A4";
    list.selectLayout(puzzleLayout);
    EXPECT_EQ(list.selectedEntry()->tag, 2);
    // Nothing of the kind: the selection stays.
    puzzleLayout.Name = "Gone";
    list.selectLayout(puzzleLayout);
    EXPECT_EQ(list.selectedEntry()->tag, 2);
}

TEST_F(PageLayoutListTest, ExportThenImportAppendsTheSameRecordUnderItsOwnName)
{
    std::string record = letterLayout("Shared");
    record[88 + 1438] = '\x5A';  // a stale byte of object 1 travels too
    writeLayouts({letterLayout("First"), record});
    ASSERT_TRUE(list.LoadInLayouts());
    list.SetShapeBoxIndex(1);
    const auto exchange = dir / "shared.PAG";
    ASSERT_TRUE(list.ExportLayout(exchange).ok());
    EXPECT_TRUE(readFile(exchange) == "PAG1.0" + record);

    ASSERT_TRUE(list.ImportLayout(exchange).ok());
    EXPECT_EQ(texts(), (std::vector<std::string>{"First (Letter)  <<DEFAULT>>", "Shared (Letter)", "Shared (Letter)"}));
    EXPECT_EQ(list.selectedEntry()->tag, 2);
    EXPECT_EQ(list.layout().Name.text(), "Shared");
    EXPECT_TRUE(readFile(path).substr(2 * kPageLayoutSize) == record);
}

TEST_F(PageLayoutListTest, ImportRefusesBrokenFilesWithTheirMessages)
{
    writeLayouts({letterLayout("Kept")});
    ASSERT_TRUE(list.LoadInLayouts());
    const auto exchange = dir / "in.PAG";
    for (const std::string& broken : {std::string("PAG1.0short"), "XYZ1.0" + letterLayout("X"), std::string("PA")}) {
        writeFile(exchange, broken);
        const CommandOutcome outcome = list.ImportLayout(exchange);
        EXPECT_EQ(outcome.refusal.message,
                  std::string("Page layout file is corrupt or incompatible.  Import aborted."));
        EXPECT_EQ(outcome.refusal.caption, std::string("Error"));
    }
    EXPECT_EQ(list.ImportLayout(dir / "none.PAG").refusal.message, std::string("Page layout could not be imported."));
    EXPECT_EQ(std::filesystem::file_size(path), kPageLayoutSize) << "the layout file is as it was";
    EXPECT_EQ(list.entries().size(), 1u);
}

TEST_F(PageLayoutListTest, ImportCreatesAMissingFileAndRefusesAFolderItCannotWrite)
{
    const auto exchange = dir / "in.PAG";
    writeFile(exchange, "PAG1.0" + letterLayout("New"));
    ASSERT_TRUE(list.ImportLayout(exchange).ok());
    EXPECT_EQ(texts(), (std::vector<std::string>{"New (Letter)  <<DEFAULT>>"}));

    int otherDefault = 0;
    PageLayoutList unwritable(PageLayoutFile(dir / "no such folder" / "QZFPAGE.DAT"), otherDefault);
    const CommandOutcome outcome = unwritable.ImportLayout(exchange);
    EXPECT_EQ(outcome.refusal.message, std::string("Unable to add page layout."));
    EXPECT_EQ(outcome.refusal.caption, std::string("Disk Error"));
}

TEST_F(PageLayoutListTest, ExportToAFolderThatIsMissingIsRefused)
{
    writeLayouts({letterLayout("One")});
    ASSERT_TRUE(list.LoadInLayouts());
    EXPECT_EQ(list.ExportLayout(dir / "none" / "x.PAG").refusal.message,
              std::string("Page layout could not be exported."));
}

TEST_F(PageLayoutListTest, CopyGetsTheCopyNameCutToTwentyCharacters)
{
    writeLayouts({letterLayout("Worksheet"), letterLayout("Twenty characters ok")});
    ASSERT_TRUE(list.LoadInLayouts());
    list.SetShapeBoxIndex(0);
    ASSERT_TRUE(list.LoadALayout());
    EXPECT_EQ(list.copyOfCurrent().Name.text(), "Worksheet (2)");
    list.SetShapeBoxIndex(1);
    ASSERT_TRUE(list.LoadALayout());
    EXPECT_EQ(list.copyOfCurrent().Name.text(), "Twenty characters ok");
    EXPECT_EQ(list.copyOfCurrent().Name.length(), 20u);
}

TEST_F(PageLayoutListTest, AfterTheDesignerSavedItsRecordIsSelectedAndLoaded)
{
    writeLayouts({letterLayout("B"), letterLayout("A")});
    ASSERT_TRUE(list.LoadInLayouts());
    PageLayoutRecord saved = makeBuiltInPageLayout();
    saved.Name.assign("C");
    ASSERT_EQ(PageLayoutFile(path).AppendRecord(saved).value(), 2);
    ASSERT_TRUE(list.refreshAfterSave(2));
    EXPECT_EQ(list.selectedPosition(), 2);
    EXPECT_EQ(list.layout(), saved);
}

TEST_F(PageLayoutListTest, ExtractAppendsThePuzzlesLayoutUnchanged)
{
    const auto collectionPath = dir / "Class.QZ3";
    CollectionFile collection(collectionPath);
    auto puzzle = std::make_unique<PuzzleRecord>();
    puzzle->Title.assign("Zoo");
    puzzle->Layout = makeBuiltInPageLayout();
    puzzle->Layout.Name.assign("Zoo page");
    puzzle->Layout.ObjectCount = 25;  // broken, and kept so
    puzzle->Layout.Objects[19].Unused[0] = 0x42;
    ASSERT_TRUE(collection.AppendPuzzle(*puzzle));
    const PageLayoutRecord zooLayout = puzzle->Layout;
    puzzle->Title.assign("Apes");
    puzzle->Layout.Name.assign("Ape page");
    ASSERT_TRUE(collection.AppendPuzzle(*puzzle));

    const std::vector<ExtractEntry> entries = extractEntries(collectionPath);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].text, "Apes");
    EXPECT_EQ(entries[0].tag, 1);
    EXPECT_EQ(entries[1].text, "Zoo");
    const auto layout = readPuzzleLayout(collectionPath, entries[1].tag);
    ASSERT_TRUE(layout);

    writeLayouts({letterLayout("Existing")});
    ASSERT_TRUE(list.LoadInLayouts());
    ASSERT_TRUE(list.appendRecord(*layout).ok());
    EXPECT_EQ(list.selectedEntry()->text, "Zoo page (Letter)");
    EXPECT_EQ(list.selectedEntry()->tag, 1);
    const std::string stored = readFile(path).substr(kPageLayoutSize);
    const auto expected = test::encodeLayout(zooLayout);
    EXPECT_TRUE(stored == std::string(expected.begin(), expected.end()));
}

TEST(PageLayoutExtract, NoCollectionOrAnUnreadableOneListsNothing)
{
    TempDir dir;
    EXPECT_TRUE(extractEntries({}).empty());
    EXPECT_TRUE(extractEntries(dir / "none.QZ3").empty());
    EXPECT_EQ(readPuzzleLayout(dir / "none.QZ3", 0).failure().kind, FailureKind::CannotOpen);
}

}  // namespace
}  // namespace qm
