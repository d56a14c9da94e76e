// Text objects: words wrapped into the box, forced line breaks with their indents, and what does
// not fit.
#include <gtest/gtest.h>

#include "output/render_fixtures.h"

namespace qm::test {
namespace {

struct TextCase {
    const char* name;
    std::string text;
    PageBounds bounds;
    bool makeItFit;
    std::vector<std::string> lines;
    bool overflow;
};

// The printed lines by the row their baseline lies on (rows one font height apart from the top
// of the box), with an empty line for a row that printed nothing.
std::vector<std::string> linesByRow(const PageFile& page, double top)
{
    const double lineHeight = lastFontSize(page) / 72.0;
    std::vector<std::string> lines;
    for (const TextOp& op : operationsOf<TextOp>(page)) {
        const auto row = static_cast<std::size_t>(std::lround((op.at.y - top) / lineHeight + 0.2));
        EXPECT_NEAR((op.at.y - top) / lineHeight + 0.2, static_cast<double>(row), kTolerance) << op.text;
        if (lines.size() < row) lines.resize(row);
        lines[row - 1] = op.text;
    }
    return lines;
}

std::string manyLines(int count)
{
    std::string text = "x";
    for (int i = 1; i < count; ++i) text += "\r\nx";
    return text;
}

TEST(TextBlock, WrapsAndBreaksLines)
{
    // 12 points: 0.1 inch a character, lines 1/6 inch; 6 points: 1.0 inch for the 20 letters.
    const TextCase cases[] = {
        {"wraps at the box width", "aaa bbb ccc", {100, 100, 175, 300}, false, {"aaa bbb", "ccc"}, false},
        {"a break keeps the indent after it",
         "Dear class,\r\n   Find the words.",
         {100, 100, 500, 300},
         false,
         {"Dear class,", "   Find the words."},
         false},
        {"blank lines and spaces before a break keep the text going",
         "One  \r\n\r\nTwo\r\n\r\n   ",
         {100, 100, 500, 300},
         false,
         {"One", "", "Two"},
         false},
        {"a lone line feed breaks as CR LF does, with its indent",
         "Name: ____\nClass: ____\r\nDate: ____\n  Score:",
         {100, 100, 500, 300},
         false,
         {"Name: ____", "Class: ____", "Date: ____", "  Score:"},
         false},
        {"blank lines between lone line feeds",
         "One\n\nTwo\n  \n",
         {100, 100, 500, 300},
         false,
         {"One", "", "Two"},
         false},
        {"a blank text fits anywhere", " \r\n ", {100, 100, 101, 101}, false, {}, false},
        {"more lines than the box holds", "a\r\nb\r\nc\r\nd", {100, 100, 500, 155}, false, {"a", "b", "c"}, true},
        {"a single word wider than the box", "Supercalifragilistic", {100, 100, 205, 300}, false, {}, true},
        {"the lines before a wide word print",
         "ab cd Supercalifragilistic ef",
         {100, 100, 205, 300},
         false,
         {"ab cd"},
         true},
        {"Make It Fit shrinks the wide word to 6 points",
         "Supercalifragilistic",
         {100, 100, 205, 300},
         true,
         {"Supercalifragilistic"},
         false},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        PageObject& text = addObject(*record, PageObjectKind::Text, c.bounds);
        text.setText(c.text);
        text.MakeItFit = c.makeItFit;
        const Rendered rendered = render(*record);
        const std::vector<std::string> lines = linesByRow(rendered.page, c.bounds.Top / 100.0);
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(rendered.outcome.value.TextOverflow, std::vector<bool>{c.overflow});
    }
}

TEST(TextBlock, LinesFromTheTopOneFontHeightApart)
{
    auto record = pageRecord();
    PageObject& text = addObject(*record, PageObjectKind::Text, {100, 100, 500, 500});
    text.setText("left\r\nlines");
    text.Alignment = 3;
    const std::vector<TextOp> texts = operationsOf<TextOp>(render(*record).page);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_POINT(texts[0].at, 5 - 0.4, 1 + 0.8 / 6);
    EXPECT_POINT(texts[1].at, 5 - 0.5, 1 + 1.8 / 6);
}

TEST(TextBlock, AtMostOneHundredLines)
{
    struct Case {
        int lines;
        std::size_t printed;
        bool overflow;
    };
    for (const Case c : {Case{100, 100, false}, Case{101, 100, true}, Case{150, 100, true}}) {
        SCOPED_TRACE(c.lines);
        auto record = pageRecord();
        PageObject& text = addObject(*record, PageObjectKind::Text, {0, 0, 500, 1100});
        text.FontSize = 6;  // 1/12 inch lines: 132 in the box
        text.setText(manyLines(c.lines));
        const Rendered rendered = render(*record);
        EXPECT_EQ(operationsOf<TextOp>(rendered.page).size(), c.printed);
        EXPECT_EQ(rendered.outcome.value.TextOverflow, std::vector<bool>{c.overflow});
    }
}

TEST(TextBlock, EachTextObjectHasItsOwnOverflow)
{
    auto record = pageRecord();
    addObject(*record, PageObjectKind::Text, {100, 100, 200, 300}).setText("Supercalifragilistic");
    addObject(*record, PageObjectKind::Text, {100, 400, 500, 600}).setText("fits");
    const Rendered rendered = render(*record);
    EXPECT_EQ(rendered.outcome.value.TextOverflow, (std::vector<bool>{true, false}));
    EXPECT_EQ(renderWarnings(rendered.outcome), std::vector<std::string>{RenderMessages::TextOverflowWarning});
}

}  // namespace
}  // namespace qm::test
