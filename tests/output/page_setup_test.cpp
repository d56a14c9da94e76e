// The sheet and scale of a layout, the words that are printed, the pictures that are missing and
// the tiling of a bitmap over the sheet.
#include <gtest/gtest.h>

#include "output/page/page_setup.h"
#include "output/page/render_messages.h"
#include "output/render_fixtures.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

TEST(PageSetup, PaperNamesGiveTheSheetAndTheScale)
{
    struct Case {
        const char* paper;
        bool inches;
        double width, height;  // as stored, the sheet as it lies
        bool portrait;
        int pixelWidth, pixelHeight;
        PaperCode code;
        double sheetWidth, sheetHeight, scale;
    };
    const double cm = 0.39370078740157480316;
    const Case cases[] = {
        {"Letter", true, 8.5, 11, true, 850, 1100, PaperCode::Letter, 8.5, 11, 0.01},
        {"Legal", true, 0, 0, true, 850, 1400, PaperCode::Legal, 8.5, 14, 0.01},
        {"Executive", true, 0, 0, true, 725, 1050, PaperCode::Executive, 7.25, 10.5, 0.01},
        {"A4", false, 29.7, 21, false, 297, 210, PaperCode::A4, 297 / 25.4, 210 / 25.4, 1 / 25.4},
        {"A5", false, 0, 0, true, 100, 100, PaperCode::A5, 148 / 25.4, 210 / 25.4, 148 / 25.4 / 100},
        {"B5", false, 0, 0, true, 182, 257, PaperCode::B5, 182 / 25.4, 257 / 25.4, 1 / 25.4},
        {"Custom", true, 5, 7, true, 500, 100, PaperCode::Custom, 5, 7, 0.01},
        {"Custom", false, 20, 30, true, 200, 300, PaperCode::Custom, 20 * cm, 30 * cm, 0.1 * cm},
        {"Custom", true, 11, 6, false, 1100, 600, PaperCode::Custom, 11, 6, 0.01},
        {"letter", true, 6, 9, true, 600, 900, PaperCode::Custom, 6, 9, 0.01},  // names compare exactly
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.paper) + (c.portrait ? " portrait" : " landscape"));
        auto record = pageRecord();
        PageLayoutRecord& layout = record->Layout;
        layout.PaperName.assign(c.paper);
        layout.Inches = c.inches;
        layout.PageWidth = c.width;
        layout.PageHeight = c.height;
        layout.Portrait = c.portrait;
        layout.PixelWidth = static_cast<std::int16_t>(c.pixelWidth);
        layout.PixelHeight = static_cast<std::int16_t>(c.pixelHeight);
        FixedMetrics metrics;
        RecordingTarget target(metrics);
        SetUpPage(target, layout);
        EXPECT_EQ(target.page().paper, c.code);
        EXPECT_EQ(target.page().orientation, c.portrait ? Orientation::Portrait : Orientation::Landscape);
        EXPECT_NEAR(target.pageWidth(), c.sheetWidth, 1e-12);
        EXPECT_NEAR(target.pageHeight(), c.sheetHeight, 1e-12);
        EXPECT_NEAR(PageScale(layout, target.pageWidth(), target.pageHeight()), c.scale, 1e-12);
    }
}

TEST(PageSetup, TrailingWordsNotPlacedAreNotPrinted)
{
    struct Case {
        const char* name;
        int wordCount;
        std::vector<int> notPlaced;  // from 1
        int printCount;
    };
    const Case cases[] = {
        {"words 11 and 12 not placed", 12, {11, 12}, 10},
        {"a gap before a placed word stays", 5, {3, 5}, 4},
        {"nothing placed", 3, {1, 2, 3}, 0},
        {"count beyond the record", 5000, {}, kMaxWords},
        {"negative count", -4, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        for (auto& placed : record->Placed) placed = true;
        for (const int i : c.notPlaced) record->Placed[i - 1] = false;
        record->WordCount = static_cast<std::int16_t>(c.wordCount);
        EXPECT_EQ(PrintCount(*record), c.printCount);
    }
}

TEST(PageSetup, OnlyANamedPictureThatCannotBeFoundIsMissing)
{
    TempDir dir;
    writeFile(dir / "logo.bmp", "BM");
    const std::string missing = (dir / "gone.bmp").string();
    struct Case {
        const char* name;
        PageObjectKind kind;
        std::string file;
        bool missing;
        bool drawn;
    };
    const Case cases[] = {
        {"no name", PageObjectKind::Bitmap, "", false, false},
        {"a file that exists", PageObjectKind::Bitmap, (dir / "logo.bmp").string(), false, true},
        {"a folder", PageObjectKind::Bitmap, dir.path().string(), true, false},
        {"a missing file", PageObjectKind::Bitmap, missing, true, false},
        {"a missing file named by a rectangle", PageObjectKind::Rectangle, missing, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        addObject(*record, c.kind, {0, 0, 100, 100}).BitmapFile.assign(c.file);
        const Rendered rendered = render(*record);
        EXPECT_EQ(rendered.outcome.value.BitmapMissing, c.missing);
        EXPECT_EQ(!renderWarnings(rendered.outcome).empty(), c.missing);
        EXPECT_EQ(operationsOf<BitmapOp>(rendered.page).size(), c.drawn ? 1u : 0u);
    }
}

}  // namespace
}  // namespace qm::test
