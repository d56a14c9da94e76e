// Pages for the renderer tests: text metrics simple enough to work every coordinate out by hand,
// a Letter layout designed in hundredths of an inch, and the operations of a recorded page.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "output/page/page_file.h"
#include "output/page/page_renderer.h"
#include "output/page/recording_target.h"
#include "output/page/render_messages.h"
#include "output/page/text_metrics.h"
#include "support/fixed_metrics.h"

namespace qm::test {

// Answers Random with the numbers given, in turn.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> numbers) : m_numbers(std::move(numbers)) {}
    int Random(int range) override { return m_next < m_numbers.size() ? m_numbers[m_next++] % range : 0; }

private:
    std::vector<int> m_numbers;
    std::size_t m_next = 0;
};

// A record on a Letter page of 850 x 1100 design units, so one unit is 0.01 inch; no objects.
inline std::unique_ptr<PuzzleRecord> pageRecord()
{
    auto record = std::make_unique<PuzzleRecord>();
    PageLayoutRecord& layout = record->Layout;
    layout.PaperName.assign("Letter");
    layout.PageWidth = 8.5;
    layout.PageHeight = 11;
    layout.PixelWidth = 850;
    layout.PixelHeight = 1100;
    layout.Inches = true;
    layout.Portrait = true;
    layout.Zoom = 1;
    return record;
}

// Appends an object of the designer's defaults in the box (design units) at 12 points, without
// border and Make It Fit unless asked.
inline PageObject& addObject(PuzzleRecord& record, PageObjectKind kind, PageBounds bounds)
{
    PageLayoutRecord& layout = record.Layout;
    PageObject& object = layout.Objects[layout.ObjectCount++];
    object = makePageObject(kind, "Object");
    object.Bounds = bounds;
    object.FontSize = 12;
    object.UseBorder = false;
    object.MakeItFit = false;
    return object;
}

// Words 1..n placed, with their clues.
inline void setWords(PuzzleRecord& record, const std::vector<std::string>& words,
                     const std::vector<std::string>& clues = {})
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        record.Words[i].assign(words[i]);
        record.Clues[i].assign(i < clues.size() ? clues[i] : "");
        record.Placed[i] = true;
    }
    record.WordCount = static_cast<std::int16_t>(words.size());
}

// A grid of the rows given, every cell a letter of the shape.
inline void setGrid(PuzzleRecord& record, const std::vector<std::string>& rows)
{
    record.Height = static_cast<std::int16_t>(rows.size());
    record.Width = static_cast<std::int16_t>(rows[0].size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t q = 0; q < rows[r].size(); ++q)
            record.Letters[r * kGridStride + q] = static_cast<std::uint8_t>(rows[r][q]);
}

struct Rendered {
    PageFile page;
    Outcome<RenderedPage> outcome;
};

inline PrintOptions plainOptions()
{
    PrintOptions options;
    options.NumColumns = 1;
    return options;
}

inline Rendered render(const PuzzleRecord& record, const PrintOptions& options = plainOptions())
{
    static const FixedMetrics metrics;
    RecordingTarget target(metrics);
    ScriptedRandom random({});
    auto outcome = RenderPage(record, options, target, random);
    return {target.page(), std::move(outcome)};
}

template <class Op>
std::vector<Op> operationsOf(const PageFile& page)
{
    std::vector<Op> found;
    for (const PageOperation& operation : page.operations)
        if (const Op* op = std::get_if<Op>(&operation)) found.push_back(*op);
    return found;
}

inline std::vector<std::string> printedTexts(const PageFile& page)
{
    std::vector<std::string> texts;
    for (const TextOp& op : operationsOf<TextOp>(page)) texts.push_back(op.text);
    return texts;
}

// The text printed with exactly this content; fails the test when there is none.
inline TextOp printed(const PageFile& page, std::string_view text)
{
    for (const TextOp& op : operationsOf<TextOp>(page))
        if (op.text == text) return op;
    ADD_FAILURE() << "nothing printed as \"" << text << "\"";
    return {};
}

// The font size text was last printed in.
inline int lastFontSize(const PageFile& page)
{
    const std::vector<SetFontOp> fonts = operationsOf<SetFontOp>(page);
    return fonts.empty() ? 0 : fonts.back().font.Size;
}

struct Segment {
    PagePoint from;
    PagePoint to;
};

// The straight lines drawn, from each line-to's current point.
inline std::vector<Segment> segmentsOf(const PageFile& page)
{
    std::vector<Segment> segments;
    PagePoint current;
    for (const PageOperation& operation : page.operations) {
        if (const auto* move = std::get_if<MoveToOp>(&operation)) current = move->to;
        if (const auto* line = std::get_if<LineToOp>(&operation)) {
            segments.push_back({current, line->to});
            current = line->to;
        }
    }
    return segments;
}

inline constexpr double kTolerance = 1e-9;

#define EXPECT_POINT(actual, ex, ey)                                                                                   \
    do {                                                                                                               \
        EXPECT_NEAR((actual).x, (ex), ::qm::test::kTolerance);                                                         \
        EXPECT_NEAR((actual).y, (ey), ::qm::test::kTolerance);                                                         \
    } while (0)

#define EXPECT_BOX(actual, l, t, r, b)                                                                                 \
    do {                                                                                                               \
        EXPECT_NEAR((actual).left, (l), ::qm::test::kTolerance);                                                       \
        EXPECT_NEAR((actual).top, (t), ::qm::test::kTolerance);                                                        \
        EXPECT_NEAR((actual).right, (r), ::qm::test::kTolerance);                                                      \
        EXPECT_NEAR((actual).bottom, (b), ::qm::test::kTolerance);                                                     \
    } while (0)

}  // namespace qm::test
