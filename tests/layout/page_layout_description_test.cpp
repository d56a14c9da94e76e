// Layout descriptions and the starter layout file the build makes from them.
#include "layout/page_layout_description.h"

#include <set>

#include <gtest/gtest.h>

#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"

namespace qm {
namespace {

const char* const kPage = "; a comment\n"
                          "Name: Test Page\n"
                          "Paper: A4\n"
                          "Size: 21 x 29.7\n"
                          "Unit: centimetres\n"
                          "Orientation: portrait\n"
                          "Zoom: 2\n";

Result<PageLayoutRecord> parse(const std::string& text) { return parsePageLayoutDescription(text, "test.txt"); }

TEST(PageLayoutDescription, ReadsThePageAndObjectsOverTheDesignerDefaults)
{
    const auto layout =
        parse(std::string(kPage) + "\r\nObject: Title\r\nBounds: 30 30 600 80\r\nSize: 24\r\nStyle: bold italic\r\n"
                                   "Color: FF0000\r\n"
                                   "Object: Puzzle\nBounds: 60 90 570 600\nGrid: yes\nBorder: 3\n"
                                   "Object: Words\nName: Clues\nBounds: 30 610 600 860\nColumns: 2\nAlign: right\n"
                                   "Background: 00FF80\n"
                                   "Object: Text\nBounds: 1 2 3 4\nText: Name:\nText: Date:\nBorder: none\n");
    ASSERT_TRUE(layout) << layout.failure().describe();
    EXPECT_EQ(layout->Name.text(), "Test Page");
    EXPECT_EQ(layout->PaperName.text(), "A4");
    EXPECT_DOUBLE_EQ(layout->PageHeight, 29.7);
    EXPECT_FALSE(layout->Inches);
    EXPECT_TRUE(layout->Portrait);
    EXPECT_EQ(layout->Zoom, 2);
    EXPECT_EQ(layout->PixelWidth, 630);   // 21 cm at 30 pixels
    EXPECT_EQ(layout->PixelHeight, 891);  // trunc(29.7 x 30)
    ASSERT_EQ(layout->ObjectCount, 4);

    const PageObject& title = layout->Objects[0];
    EXPECT_EQ(title.Name.text(), "Title");
    EXPECT_EQ(title.FontSize, 24);
    EXPECT_TRUE(title.FontStyle[0]);
    EXPECT_TRUE(title.FontStyle[1]);
    EXPECT_FALSE(title.FontStyle[2]);
    EXPECT_EQ(title.FontColor, 0x0000FF) << "stored as 0x00BBGGRR";
    EXPECT_EQ(title.Alignment, 2);
    const PageObject& puzzle = layout->Objects[1];
    EXPECT_TRUE(puzzle.UseGrid());
    EXPECT_EQ(puzzle.BorderWidth, 3);
    const PageObject& words = layout->Objects[2];
    EXPECT_EQ(words.Name.text(), "Clues");
    EXPECT_EQ(words.Columns, 2);
    EXPECT_EQ(words.Alignment, 3);
    EXPECT_TRUE(words.FillInShape);
    EXPECT_FALSE(words.Transparent);
    EXPECT_EQ(words.FillColor, 0x80FF00);
    const PageObject& text = layout->Objects[3];
    EXPECT_EQ(text.Name.text(), "Text 1");
    EXPECT_EQ(text.text(), "Name:\r\nDate:");
    EXPECT_FALSE(text.UseBorder);
}

TEST(PageLayoutDescription, MistakesNameTheirLine)
{
    struct Case {
        std::string text;
        const char* line;
    };
    const std::string page(kPage);  // seven lines
    for (const Case& c : {
             Case{page + "Object: Star\n", "line 8:"}, Case{page + "Colour: red\n", "line 8:"},
             Case{page + "Object: Title\nBounds: 1 2 3\n", "line 9:"},
             Case{page + "Object: Title\nBounds: 0 0 631 10\n", "line 8:"},  // wider than the page
             Case{page + "Object: Title\nBounds: 10 10 5 20\n", "line 8:"},  // right of left
             Case{page + "Object: Title\nGrid: yes\n", "line 9:"}, Case{page + "Object: Title\nSize: 2\n", "line 9:"},
             Case{page + "Object: Title\nno colon\n", "line 9:"},
             Case{"Name: Too long a name for a layout\n", "line 1:"}, Case{"Name: X\nPaper: Tabloid\n", "line 2:"},
             Case{"Name: X\nSize: 8.5 by 11\n", "line 2:"}, Case{"Name: X\nZoom: 4\n", "line 2:"},
             Case{"Name: X\nPaper: Letter\nObject: Title\n", "line 3:"},  // no size yet
             Case{page, "line 7:"},                                       // no object
         }) {
        const auto layout = parse(c.text);
        ASSERT_FALSE(layout) << c.text;
        EXPECT_EQ(layout.failure().kind, FailureKind::BadContent);
        EXPECT_NE(layout.failure().reason.find(c.line), std::string::npos) << layout.failure().reason;
    }
    std::string crowded = page;
    for (int i = 0; i < 21; ++i) crowded += "Object: Circle\nBounds: 1 1 2 2\n";
    EXPECT_NE(parse(crowded).failure().reason.find("at most 20 objects"), std::string::npos);
}

TEST(StarterLayouts, AreSoundLayoutsATeacherWouldPick)
{
    const PageLayoutFile file(QM_STARTER_LAYOUT_FILE);
    const auto count = file.recordCount();
    ASSERT_TRUE(count) << count.failure().describe();
    EXPECT_GE(*count, 6);
    EXPECT_EQ(std::filesystem::file_size(file.path()), static_cast<std::uintmax_t>(*count) * kPageLayoutSize);
    std::set<std::string> entries;
    std::set<std::int16_t> kindsSeen;
    for (int i = 0; i < *count; ++i) {
        const PageLayoutRecord layout = file.ReadRecord(i).value();
        const std::string entry = pageLayoutEntryText(layout, false);
        SCOPED_TRACE(entry);
        EXPECT_TRUE(entries.insert(entry).second) << "listed twice";
        const int perUnit = PixelsPerUnit(layout.Zoom, static_cast<bool>(layout.Inches));
        EXPECT_EQ(layout.PixelWidth, static_cast<int>(layout.PageWidth * perUnit));
        EXPECT_EQ(layout.PixelHeight, static_cast<int>(layout.PageHeight * perUnit));
        EXPECT_EQ(layout.Portrait.raw, layout.PageWidth < layout.PageHeight ? 1 : 0);
        bool hasPuzzle = false;
        for (int k = 0; k < usedObjectCount(layout); ++k) {
            const PageObject& o = layout.Objects[k];
            ASSERT_TRUE(o.kind()) << o.Name.text();
            kindsSeen.insert(o.Kind);
            hasPuzzle = hasPuzzle || o.kind() == PageObjectKind::Puzzle;
            EXPECT_GE(o.Bounds.Left, 0);
            EXPECT_GE(o.Bounds.Top, 0);
            EXPECT_LT(o.Bounds.Left, o.Bounds.Right);
            EXPECT_LT(o.Bounds.Top, o.Bounds.Bottom);
            EXPECT_LE(o.Bounds.Right, layout.PixelWidth);
            EXPECT_LE(o.Bounds.Bottom, layout.PixelHeight);
        }
        EXPECT_TRUE(hasPuzzle);
    }
    for (const char* entry : {"Worksheet (Letter)", "Worksheet (A4)", "Clue Sheet (Letter)", "Large Print (Letter)",
                              "Landscape (Letter)", "Bonus Question (Letter)"})
        EXPECT_TRUE(entries.count(entry)) << entry;
    EXPECT_TRUE(kindsSeen.count(static_cast<std::int16_t>(PageObjectKind::Bonus)));
    EXPECT_TRUE(kindsSeen.count(static_cast<std::int16_t>(PageObjectKind::Text)));
    // The Default Page of a first start, record 0, is the Letter worksheet.
    EXPECT_EQ(pageLayoutEntryText(file.ReadRecord(0).value(), false), "Worksheet (Letter)");
}

}  // namespace
}  // namespace qm
