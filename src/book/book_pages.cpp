#include "book/book_pages.h"

#include <algorithm>
#include <cmath>

#include "output/page/object_font.h"
#include "output/page/page_setup.h"
#include "output/page/puzzle_grid.h"

namespace qm {
namespace {

constexpr double kMargin = 0.75;            // inches round the page's content
constexpr double kHeadingBand = 0.7;        // the heading and the space below it
constexpr double kContentsLinePitch = 0.3;  // a 12-point line and its leading
constexpr double kKeyPadding = 0.15;        // between a key and its neighbours
constexpr double kKeyTitleGap = 0.08;       // between the title lines and the grid
constexpr double kPageNumberDrop = 0.45;    // from the foot of the sheet up to the number's baseline
constexpr int kSmallestTitleSize = 6;
constexpr const char* kLeader = ".";

FontSpec arial(int size, bool bold = false)
{
    FontSpec font;
    font.Size = size;
    font.Bold = bold;
    return font;
}

void printCentred(ReportTarget& target, std::string_view text, double left, double right, double baseline)
{
    target.printText({left + (right - left - target.textWidth(text)) / 2, baseline}, text);
}

// The heading centred in the band at the top of the content area.
void drawHeading(ReportTarget& target, std::string_view heading)
{
    target.setTextBackground(TextBackground::Transparent);
    target.setFont(arial(16, true));
    printCentred(target, heading, 0, target.pageWidth(), kMargin + target.fontAscent());
}

// The layout's first letter grid object; a plain one of black lines on white when it has none.
PageObject keyGridObject(const PageLayoutRecord& layout)
{
    for (int k = 0; k < usedObjectCount(layout); ++k)
        if (layout.Objects[k].kind() == PageObjectKind::Puzzle) return layout.Objects[k];
    PageObject object;
    object.Kind = static_cast<std::int16_t>(PageObjectKind::Puzzle);
    object.FontName = "Arial";
    object.FontSize = 24;
    object.FillInShape = true;
    object.LineWidth = 1;
    return object;
}

void drawKey(ReportTarget& target, const KeyOnPage& key, const PageBox& slot)
{
    const PuzzleRecord& record = *key.record;
    const PageBox inner{slot.left + kKeyPadding, slot.top + kKeyPadding, slot.right - kKeyPadding,
                        slot.bottom - kKeyPadding};
    if (inner.width() <= 0 || inner.height() <= 0) return;
    target.setTextBackground(TextBackground::Transparent);
    const std::string title(record.Title.view());
    FontSpec titleFont = arial(12, true);
    shrinkFontToFit(target, titleFont, kSmallestTitleSize, [&] { return target.textWidth(title) <= inner.width(); });
    double y = inner.top + target.fontAscent();
    printCentred(target, title, inner.left, inner.right, y);
    y += target.fontDescent();
    target.setFont(arial(9));
    y += target.fontAscent();
    printCentred(target, "Page " + std::to_string(key.puzzlePage), inner.left, inner.right, y);
    y += target.fontDescent() + kKeyTitleGap;

    PrintOptions options = key.options;
    options.AnswerKey = true;
    options.PrintBody = true;
    DoPuzz(target, keyGridObject(record.Layout), {inner.left, y, inner.right, inner.bottom}, record, options,
           PrintCount(record));
}

}  // namespace

int contentsLinesPerPage(double sheetHeight)
{
    const double room = sheetHeight - 2 * kMargin - kHeadingBand;
    return std::max(1, static_cast<int>(std::floor(room / kContentsLinePitch)));
}

void DrawContentsPage(ReportTarget& target, std::span<const ContentsLine> lines)
{
    drawHeading(target, kContentsHeading);
    target.setFont(arial(12));
    const double left = kMargin;
    const double right = target.pageWidth() - kMargin;
    const double leaderWidth = std::max(target.textWidth(kLeader), 0.01);
    double baseline = kMargin + kHeadingBand + target.fontAscent();
    for (const ContentsLine& line : lines) {
        const std::string number = std::to_string(line.page);
        const double numberLeft = right - target.textWidth(number);
        target.printText({left, baseline}, line.title);
        // Dots from a little after the title to a little before the number, on a shared pitch so
        // the leaders of all lines stand in columns.
        const double from = left + target.textWidth(line.title) + leaderWidth;
        const double to = numberLeft - leaderWidth;
        const int firstDot = static_cast<int>(std::ceil((from - left) / leaderWidth));
        const int lastDot = static_cast<int>(std::floor((to - left) / leaderWidth)) - 1;
        if (lastDot >= firstDot)
            target.printText({left + firstDot * leaderWidth, baseline},
                             std::string(static_cast<std::size_t>(lastDot - firstDot + 1), '.'));
        target.printText({numberLeft, baseline}, number);
        baseline += kContentsLinePitch;
    }
}

KeyGrid keyGrid(int keysPerPage, double sheetWidth, double sheetHeight)
{
    KeyGrid grid;
    grid.columns = keysPerPage >= 4 ? 2 : 1;
    grid.rows = std::max(1, (keysPerPage + grid.columns - 1) / grid.columns);
    if (sheetWidth > sheetHeight) std::swap(grid.columns, grid.rows);
    return grid;
}

void DrawKeyPage(ReportTarget& target, std::span<const KeyOnPage> keys, int keysPerPage)
{
    drawHeading(target, kAnswersHeading);
    const KeyGrid grid = keyGrid(keysPerPage, target.pageWidth(), target.pageHeight());
    const double top = kMargin + kHeadingBand;
    const double slotWidth = (target.pageWidth() - 2 * kMargin) / grid.columns;
    const double slotHeight = (target.pageHeight() - kMargin - top) / grid.rows;
    const std::size_t places = static_cast<std::size_t>(grid.columns * grid.rows);
    for (std::size_t k = 0; k < keys.size() && k < places; ++k) {
        const double left = kMargin + static_cast<double>(k % grid.columns) * slotWidth;
        const double slotTop = top + static_cast<double>(k / grid.columns) * slotHeight;
        drawKey(target, keys[k], {left, slotTop, left + slotWidth, slotTop + slotHeight});
    }
}

void DrawPageNumber(ReportTarget& target, int page)
{
    target.setTextBackground(TextBackground::Transparent);
    target.setFont(arial(10));
    printCentred(target, std::to_string(page), 0, target.pageWidth(), target.pageHeight() - kPageNumberDrop);
}

}  // namespace qm
