// Title and bonus lines: alignment, vertical centring and Make It Fit.
#include <gtest/gtest.h>

#include "output/render_fixtures.h"

namespace qm::test {
namespace {

TEST(TextLine, AlignedCentredAndShrunkToFit)
{
    struct Case {
        const char* name;
        int alignment;
        PageBounds bounds;
        bool makeItFit;
        int size;     // printed in
        double x, y;  // baseline start
    };
    // "HELLO" at 12 points is 0.5 inch wide and 1/6 inch high: ascent - descent = 0.1.
    const Case cases[] = {
        {"left", 1, {100, 100, 400, 150}, false, 12, 1, 1.25 + 0.05},
        {"centred", 2, {100, 100, 400, 150}, false, 12, 2.25, 1.3},
        {"right", 3, {100, 100, 400, 150}, false, 12, 3.5, 1.3},
        {"unknown alignment is left", 9, {100, 100, 400, 150}, false, 12, 1, 1.3},
        {"too wide, not fitted", 1, {100, 100, 140, 150}, false, 12, 1, 1.3},
        // 5 x 0.6 x s / 72 < 0.4 first at 9 points, whose ascent - descent is 0.075.
        {"too wide, fitted", 1, {100, 100, 140, 150}, true, 9, 1, 1.25 + 0.0375},
        // Shorter than 1/6 inch: 11 points are 0.1528 high.
        {"too low, fitted", 1, {100, 100, 400, 116}, true, 11, 1, 1.08 + 0.6 * 11 / 144},
        {"never below 2 points", 1, {100, 100, 101, 101}, true, 2, 1, 1.005 + 0.6 * 2 / 144},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto record = pageRecord();
        record->Title.assign("HELLO");
        PageObject& title = addObject(*record, PageObjectKind::Title, c.bounds);
        title.Alignment = static_cast<std::int16_t>(c.alignment);
        title.MakeItFit = c.makeItFit;
        const Rendered rendered = render(*record);
        EXPECT_EQ(lastFontSize(rendered.page), c.size);
        EXPECT_POINT(printed(rendered.page, "HELLO").at, c.x, c.y);
        EXPECT_TRUE(renderWarnings(rendered.outcome).empty());
    }
}

TEST(TextLine, TitleAndBonusFollowThePrintOptions)
{
    auto record = pageRecord();
    record->Title.assign("Zoo");
    record->BonusQuestion.assign("Which animal is missing?");
    addObject(*record, PageObjectKind::Title, {100, 100, 400, 150});
    addObject(*record, PageObjectKind::Bonus, {100, 200, 800, 250});
    PrintOptions options = plainOptions();
    EXPECT_EQ(printedTexts(render(*record, options).page),
              (std::vector<std::string>{"Zoo", "Which animal is missing?"}));
    options.PrintTitle = false;
    options.PrintBonus = false;
    EXPECT_TRUE(printedTexts(render(*record, options).page).empty());
    options.PrintBonus = true;
    record->BonusQuestion.clear();
    EXPECT_TRUE(operationsOf<SetTextBackgroundOp>(render(*record, options).page).empty());
}

}  // namespace
}  // namespace qm::test
