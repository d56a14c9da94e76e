// The whole page: objects by kind and print options, the messages of an outcome, boxes too low
// for one line, cancelling, and records with absurd numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "collection/old_puzzle_record.h"
#include "output/page/render_messages.h"
#include "output/page/word_entries.h"
#include "output/render_fixtures.h"
#include "support/record_images.h"

namespace qm::test {
namespace {

TEST(RenderMessages, WarningsInTheirOrder)
{
    RenderedPage drawn;
    drawn.BitmapMissing = drawn.CluesOverflow = drawn.WordsOverflow = true;
    drawn.TextOverflow = {false, true};
    const auto all = Outcome<RenderedPage>::done(drawn);
    EXPECT_EQ(renderWarnings(all),
              (std::vector<std::string>{RenderMessages::BitmapMissingWarning, RenderMessages::CluesOverflowWarning,
                                        RenderMessages::WordsOverflowWarning, RenderMessages::TextOverflowWarning}));
    EXPECT_EQ(reportEndStatus(all), "\nPuzzle Generated!");
    const auto cancelled = Outcome<RenderedPage>::cancelled(drawn);  // says nothing of what did not fit
    EXPECT_EQ(renderWarnings(cancelled), std::vector<std::string>{RenderMessages::BitmapMissingWarning});
    EXPECT_EQ(reportEndStatus(cancelled), "\nPuzzle Generation Canceled!");
    EXPECT_TRUE(renderWarnings(Outcome<RenderedPage>::done()).empty());
}

TEST(PageRenderer, WordsOrCluesByTheWordOption)
{
    auto record = pageRecord();
    setWords(*record, {"cat"}, {"A pet"});
    addObject(*record, PageObjectKind::Words, {100, 100, 500, 500});
    addObject(*record, PageObjectKind::Text, {100, 600, 500, 700}).setText("Good luck");
    record->Layout.Objects[2].Kind = 99;  // a kind no layout creates is skipped
    ++record->Layout.ObjectCount;
    PrintOptions options = plainOptions();
    EXPECT_EQ(printedTexts(render(*record, options).page), (std::vector<std::string>{"cat", "Good luck"}));
    options.WordOption = kWordOptionClues;
    EXPECT_EQ(printedTexts(render(*record, options).page), (std::vector<std::string>{"1.", "A pet", "Good luck"}));
    options.PrintWords = false;
    EXPECT_EQ(printedTexts(render(*record, options).page), std::vector<std::string>{"Good luck"});
}

TEST(PageRenderer, ABoxLowerThanOneLineHoldsNothingAndWarns)
{
    struct Case {
        const char* name;
        PageObjectKind kind;
        int wordOption;
        std::function<bool(const RenderedPage&)> overflow;
    };
    const Case cases[] = {
        {"words", PageObjectKind::Words, kWordOptionNormal, [](const RenderedPage& o) { return o.WordsOverflow; }},
        {"clues", PageObjectKind::Words, kWordOptionClues, [](const RenderedPage& o) { return o.CluesOverflow; }},
        {"text", PageObjectKind::Text, kWordOptionNormal, [](const RenderedPage& o) { return o.anyTextOverflow(); }},
    };
    for (const Case& c : cases) {
        for (const bool makeItFit : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (makeItFit ? " made to fit" : ""));
            auto record = pageRecord();
            setWords(*record, {"cat"}, {"A pet"});
            // 0.03 inch: lower than a line of 3 points (0.0417 inch).
            PageObject& object = addObject(*record, c.kind, {100, 100, 500, 103});
            object.setText("Hello");
            object.MakeItFit = makeItFit;
            object.UseBorder = true;
            PrintOptions options = plainOptions();
            options.WordOption = c.wordOption;
            const Rendered rendered = render(*record, options);
            EXPECT_TRUE(operationsOf<TextOp>(rendered.page).empty());
            EXPECT_TRUE(c.overflow(rendered.outcome.value));
            EXPECT_EQ(segmentsOf(rendered.page).size(), 4u) << "the border is still drawn";
        }
    }
}

TEST(PageRenderer, CancelledBeforeTheFirstObjectDrawsNothing)
{
    auto record = pageRecord();
    record->Title.assign("Zoo");
    addObject(*record, PageObjectKind::Title, {100, 100, 400, 150});
    FixedMetrics metrics;
    RecordingTarget target(metrics);
    target.abort();
    ScriptedRandom random({});
    const auto outcome = RenderPage(*record, plainOptions(), target, random);
    EXPECT_EQ(outcome.kind, Ending::Kind::Cancelled);
    EXPECT_TRUE(target.page().operations.empty());
}

TEST(PageRenderer, CancelledBetweenObjectsStopsBeforeTheNextObject)
{
    auto record = pageRecord();
    record->Title.assign("Zoo");
    addObject(*record, PageObjectKind::Title, {100, 100, 400, 150});
    addObject(*record, PageObjectKind::Text, {100, 200, 400, 300}).setText("Second");
    addObject(*record, PageObjectKind::Text, {100, 300, 400, 400}).setText("Third");
    FixedMetrics metrics;
    RecordingTarget target(metrics);
    ScriptedRandom random({});
    int calls = 0;
    // The user presses Cancel while the first object is being drawn.
    const auto outcome = RenderPage(*record, plainOptions(), target, random, [&] {
        if (++calls == 2) target.abort();
    });
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(outcome.kind, Ending::Kind::Cancelled);
    EXPECT_EQ(printedTexts(target.page()), std::vector<std::string>{"Zoo"});
}

TEST(PageRenderer, EveryReportStartsAfresh)
{
    auto record = pageRecord();
    setWords(*record, {"elephant", "giraffe"});
    addObject(*record, PageObjectKind::Words, {100, 100, 150, 200});
    addObject(*record, PageObjectKind::Text, {100, 300, 150, 400}).setText("Supercalifragilistic");
    const Rendered first = render(*record);
    const Rendered second = render(*record);
    EXPECT_EQ(first.outcome.value.TextOverflow, std::vector<bool>{true});
    EXPECT_EQ(second.outcome.value.TextOverflow, std::vector<bool>{true});
    EXPECT_EQ(first.page.operations, second.page.operations);
    record->Layout.Objects[1].setText("ok");
    EXPECT_FALSE(render(*record).outcome.value.anyTextOverflow());
}

// A page with one object of every kind, all borders on, the answer key and clues.
std::unique_ptr<PuzzleRecord> fullPage()
{
    auto record = pageRecord();
    record->Title.assign("Zoo");
    record->BonusQuestion.assign("Which?");
    setGrid(*record, {"CAT ", "DOG "});
    setWords(*record, {"CAT", "DOG"}, {"meows", "barks"});
    record->StartCell[0] = 1;
    record->EndCell[0] = 3;
    record->StartCell[1] = 51;
    record->EndCell[1] = 53;
    record->HiddenPhraseUsed = true;
    const PageObjectKind kinds[] = {PageObjectKind::Title,     PageObjectKind::Puzzle, PageObjectKind::Words,
                                    PageObjectKind::Bonus,     PageObjectKind::Text,   PageObjectKind::Bitmap,
                                    PageObjectKind::Rectangle, PageObjectKind::Circle};
    int top = 50;
    for (const PageObjectKind kind : kinds) {
        PageObject& object = addObject(*record, kind, {50, top, 800, top + 100});
        object.UseBorder = true;
        object.MakeItFit = true;
        object.setText("Some text");
        top += 120;
    }
    return record;
}

TEST(PageRenderer, AbsurdStoredNumbersNeitherCrashNorRunAway)
{
    using Change = std::function<void(PuzzleRecord&, PrintOptions&)>;
    constexpr auto nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, Change> cases[] = {
        {"grid of 999 x -3", [](PuzzleRecord& r, PrintOptions&) { r.Width = 999, r.Height = -3; }},
        {"grid of 0 columns", [](PuzzleRecord& r, PrintOptions&) { r.Width = 0; }},
        {"word count 32767", [](PuzzleRecord& r, PrintOptions&) { r.WordCount = 32767; }},
        {"object count 500", [](PuzzleRecord& r, PrintOptions&) { r.Layout.ObjectCount = 500; }},
        {"object count -1", [](PuzzleRecord& r, PrintOptions&) { r.Layout.ObjectCount = -1; }},
        {"huge fonts",
         [](PuzzleRecord& r, PrintOptions&) {
             for (auto& o : r.Layout.Objects) o.FontSize = 32767;
         }},
        {"negative fonts",
         [](PuzzleRecord& r, PrintOptions&) {
             for (auto& o : r.Layout.Objects) o.FontSize = -5;
         }},
        {"huge borders and grid lines",
         [](PuzzleRecord& r, PrintOptions& p) {
             for (auto& o : r.Layout.Objects) o.BorderWidth = 32767, o.LineWidth = 2'000'000'000;
             p.UseGrid = true;
         }},
        {"cells off the grid",
         [](PuzzleRecord& r, PrintOptions&) { r.StartCell[0] = -7, r.EndCell[0] = 30000, r.StartCell[1] = 2500; }},
        {"columns 0", [](PuzzleRecord&, PrintOptions& p) { p.NumColumns = 0; }},
        {"columns -7 of clues",
         [](PuzzleRecord&, PrintOptions& p) { p.NumColumns = -7, p.WordOption = kWordOptionClues; }},
        {"columns of int max", [](PuzzleRecord&, PrintOptions& p) { p.NumColumns = std::numeric_limits<int>::max(); }},
        {"partial letters out of range",
         [](PuzzleRecord&, PrintOptions& p) {
             p.WordOption = kWordOptionPartial, p.FirstLetters = -100, p.LastLetters = 1000;
         }},
        {"scrambled", [](PuzzleRecord&, PrintOptions& p) { p.WordOption = kWordOptionScramble; }},
        {"no design size", [](PuzzleRecord& r, PrintOptions&) { r.Layout.PixelWidth = 0, r.Layout.PixelHeight = -4; }},
        {"custom page not a number",
         [=](PuzzleRecord& r, PrintOptions&) { r.Layout.PaperName.assign("Custom"), r.Layout.PageWidth = nan; }},
        {"custom page of 1e300",
         [](PuzzleRecord& r, PrintOptions&) { r.Layout.PaperName.assign("Custom"), r.Layout.PageHeight = 1e300; }},
        {"bounds at the ends of their range",
         [](PuzzleRecord& r, PrintOptions&) {
             for (auto& o : r.Layout.Objects)
                 o.Bounds = {std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(),
                             std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()};
         }},
        {"tiny tiled bitmap",
         [](PuzzleRecord& r, PrintOptions&) {
             r.Layout.Objects[5].Bounds = {3, 3, 3, 3};
             r.Layout.Objects[5].Transparent = true;
             r.Layout.Objects[5].BitmapFile.assign(QM_SOURCE_DIR "/CMakeLists.txt");
         }},
        {"text without its terminator", [](PuzzleRecord& r, PrintOptions&) { r.Layout.Objects[4].Text.fill('w'); }},
        {"alignment 77", [](PuzzleRecord& r, PrintOptions&) { r.Layout.Objects[0].Alignment = 77; }},
    };
    for (const auto& [name, change] : cases) {
        SCOPED_TRACE(name);
        auto record = fullPage();
        PrintOptions options = plainOptions();
        options.AnswerKey = true;
        change(*record, options);
        const Rendered rendered = render(*record, options);
        EXPECT_LT(rendered.page.operations.size(), 200'000u);
        for (const PageOperation& operation : rendered.page.operations)
            std::visit(
                [](const auto& op) {
                    if constexpr (requires { op.at; }) {
                        EXPECT_TRUE(std::isfinite(op.at.x) && std::isfinite(op.at.y));
                    }
                    if constexpr (requires { op.box; }) {
                        EXPECT_TRUE(std::isfinite(op.box.left + op.box.top + op.box.right + op.box.bottom));
                    }
                },
                operation);
    }
}

TEST(PageRenderer, APuzzleOfThePreviousVersionWithAbsurdNumbersPrints)
{
    ImageBuilder image = oldPuzzleImage("Broken", 32767, {"ABCDEFGHIJ"}, {{"ABC", 30000, -5}, {"DEF", 0, 2600}}, 500);
    image.byte(0, 255).byte(2559, 255);  // length bytes beyond their fields
    OldPuzzleRecord old;
    decodeOldPuzzleRecord(
        std::span<const std::uint8_t, OldPuzzleRecord::kSize>(image.bytes().data(), image.bytes().size()), old);
    const auto converted = convertOldPuzzle(old, fullPage()->Layout);
    PrintOptions options = plainOptions();
    options.AnswerKey = true;
    const Rendered rendered = render(*converted, options);
    EXPECT_LT(rendered.page.operations.size(), 200'000u);
    EXPECT_FALSE(printedTexts(rendered.page).empty());
}

}  // namespace
}  // namespace qm::test
