// The rules of the print options, the copies dialog and the preview's zoom.
#include <gtest/gtest.h>

#include "output/page/object_font.h"
#include "output/print/font_menu.h"
#include "output/print/number_boxes.h"
#include "output/print/preview_zoom.h"
#include "output/print/print_copies.h"
#include "render_fixtures.h"

namespace qm {
namespace {

TEST(NumberBoxes, OptionNumbersAreTrimmedIntegersAndAnythingElseCountsAsOne)
{
    struct Case {
        const char* text;
        int value;
        bool emptied;
    };
    const Case cases[] = {
        {"3", 3, false}, {" 2 ", 2, false}, {"0", 0, false},  {"-1", -1, false},        {"+4", 4, false},
        {"", 1, true},   {"   ", 1, true},  {"x", 1, true},   {"-", 1, true},           {"+", 1, true},
        {"2x", 1, true}, {"1.5", 1, true},  {"+-2", 1, true}, {"99999999999", 1, true},
    };
    for (const Case& c : cases) {
        const OptionNumber number = readOptionNumber(c.text);
        EXPECT_EQ(number.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(number.emptyTheBox, c.emptied) << '"' << c.text << '"';
    }
}

TEST(NumberBoxes, CopiesAreANumberOfOneOrMore)
{
    EXPECT_EQ(readCopyCount("3"), 3);
    EXPECT_EQ(readCopyCount(" 999 "), 999);
    for (const char* refused : {"0", "-2", "", "two", "3 copies"})
        EXPECT_EQ(readCopyCount(refused), std::nullopt) << refused;
}

TEST(PrintCopies, OneJobWhenThePrinterMakesThatManyElseOneJobPerCopy)
{
    EXPECT_EQ(planPrintJobs(3, 999), (PrintJobs{1, 3}));
    EXPECT_EQ(planPrintJobs(3, 3), (PrintJobs{1, 3}));
    EXPECT_EQ(planPrintJobs(3, 2), (PrintJobs{3, 1}));
    EXPECT_EQ(planPrintJobs(3, 1), (PrintJobs{3, 1}));
    EXPECT_EQ(planPrintJobs(1, 1), (PrintJobs{1, 1}));
}

TEST(PreviewZoom, StepsGoToTheNextStepAndStopAtTheEnds)
{
    EXPECT_DOUBLE_EQ(nextZoomIn(100), 125);
    EXPECT_DOUBLE_EQ(nextZoomOut(100), 75);
    // A zoom between steps goes to the neighbouring step, not one further.
    EXPECT_DOUBLE_EQ(nextZoomIn(110), 125);
    EXPECT_DOUBLE_EQ(nextZoomOut(110), 100);
    // 33.33 as its box shows it is the step 100/3.
    EXPECT_DOUBLE_EQ(nextZoomIn(33.33), 50);
    EXPECT_DOUBLE_EQ(nextZoomOut(33.33), 25);
    EXPECT_DOUBLE_EQ(nextZoomIn(400), 400);
    EXPECT_DOUBLE_EQ(nextZoomIn(900), 400);
    EXPECT_DOUBLE_EQ(nextZoomOut(10), 10);
    EXPECT_DOUBLE_EQ(nextZoomOut(5), 10);
}

TEST(PreviewZoom, PixelWidthsAndZoomsConvertBothWays)
{
    // Letter at 96 dots per inch: 816 pixels at 100 percent.
    EXPECT_EQ(pagePixels(100, 8.5, 96), 816);
    EXPECT_EQ(pagePixels(50, 8.5, 96), 408);
    EXPECT_EQ(pagePixels(100.0 / 3, 8.5, 96), 272);
    EXPECT_DOUBLE_EQ(zoomForPagePixels(408, 8.5, 96), 50);
    // The page and its margins of 2.5 percent on each side fill the view.
    EXPECT_DOUBLE_EQ(zoomToFill(1008, 10, 96), 100);
    EXPECT_DOUBLE_EQ(zoomToFill(1, 8.5, 96), kMinZoom);
    EXPECT_DOUBLE_EQ(zoomToFill(1000000, 8.5, 96), kMaxZoom);
    EXPECT_DOUBLE_EQ(zoomToFill(500, 0, 96), 100);
}

TEST(PreviewZoom, TheZoomBoxShowsTwoDecimalsAndTakesANewNumberWithinTheLimits)
{
    EXPECT_EQ(zoomText(100), "100.00");
    EXPECT_EQ(zoomText(100.0 / 3), "33.33");
    EXPECT_EQ(typedZoom("50", 100), 50);
    EXPECT_EQ(typedZoom(" 62.5 ", 100), 62.5);
    for (const char* ignored : {"", "abc", "50%", "0", "-10", "4.99", "1000.01", "nan", "inf"})
        EXPECT_EQ(typedZoom(ignored, 100), std::nullopt) << ignored;
    // The zoom already shown is no change.
    EXPECT_EQ(typedZoom("100", 100), std::nullopt);
    EXPECT_EQ(typedZoom("33.33", 100.0 / 3), std::nullopt);
}

TEST(PreviewZoom, ThePixelBoxTakesANewWholeNumberWithinTheZoomLimits)
{
    EXPECT_EQ(typedPixelWidth("408", 816, 8.5, 96), 408);
    EXPECT_EQ(typedPixelWidth("816", 816, 8.5, 96), std::nullopt);
    for (const char* ignored : {"", "wide", "408.5", "0", "-5", "40", "9000"})
        EXPECT_EQ(typedPixelWidth(ignored, 816, 8.5, 96), std::nullopt) << ignored;
}

TEST(FontMenu, ObjectsThatPrintTextGetAnEntryInLayoutOrder)
{
    auto record = test::pageRecord();
    const PageObjectKind kinds[] = {PageObjectKind::Rectangle, PageObjectKind::Title, PageObjectKind::Bitmap,
                                    PageObjectKind::Puzzle,    PageObjectKind::Words, PageObjectKind::Circle,
                                    PageObjectKind::Bonus,     PageObjectKind::Text,  PageObjectKind::Text};
    for (PageObjectKind kind : kinds) test::addObject(*record, kind, {0, 0, 10, 10});
    record->Layout.Objects[1].Name.assign("Heading");
    record->Layout.Objects[2].Kind = 99;  // a kind no layout makes
    const std::vector<FontMenuEntry> entries = fontMenuEntries(record->Layout);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[0], (FontMenuEntry{1, "Heading Font"}));
    const int objects[] = {1, 3, 4, 6, 7, 8};
    for (std::size_t k = 0; k < entries.size(); ++k) EXPECT_EQ(entries[k].object, objects[k]);
    // Slots past the object count are not the layout's.
    record->Layout.ObjectCount = 2;
    EXPECT_EQ(fontMenuEntries(record->Layout).size(), 1u);
}

TEST(FontMenu, AChosenFontIsWrittenBackWithItsNameCut)
{
    PageObject object = makePageObject(PageObjectKind::Title, "Title");
    FontSpec font;
    font.Name = std::string(40, 'N');
    font.Size = 28;
    font.FontColor = 0x0000FF;
    font.Italic = true;
    font.StrikeOut = true;
    setObjectFont(object, font);
    const FontSpec back = objectFont(object);
    EXPECT_EQ(back.Name, std::string(30, 'N'));
    EXPECT_EQ(back.Size, 28);
    EXPECT_EQ(back.FontColor, 0x0000FFu);
    EXPECT_FALSE(back.Bold);
    EXPECT_TRUE(back.Italic);
    EXPECT_FALSE(back.Underline);
    EXPECT_TRUE(back.StrikeOut);
    font.Size = 70000;
    setObjectFont(object, font);
    EXPECT_EQ(object.FontSize, kMaxFontSize);
}

}  // namespace
}  // namespace qm
