#include "output/page/puzzle_grid.h"

#include <algorithm>
#include <string>

#include "output/page/answer_key.h"
#include "output/page/grid_geometry.h"
#include "output/page/object_box.h"
#include "output/page/object_font.h"

namespace qm {
namespace {

constexpr int kSmallestLetterSize = 4;
constexpr const char* kWidestLetter = "W";

void drawGridLines(ReportTarget& target, const PageObject& object, const PuzzleRecord& record, const GridGeometry& grid)
{
    const int lineWidth = std::min<int>(object.LineWidth, kMaxLineWidthPixels);
    target.setPenColor(static_cast<Color>(object.LineColor));
    forEachShapeCell(record, [&](int row, int column, std::uint8_t) {
        const PageBox cell = grid.cell(row, column);
        if (lineWidth < 2)
            drawBoxOutline(target, cell);
        else
            for (int k = 0; k < lineWidth; ++k) drawBoxOutline(target, pixelInset(target, cell, k));
    });
}

void drawLetters(ReportTarget& target, const PageObject& object, const PuzzleRecord& record, bool lowerCase,
                 const GridGeometry& grid)
{
    target.setTextBackground(TextBackground::Transparent);
    FontSpec font = objectFont(object);
    shrinkFontToFit(target, font, kSmallestLetterSize,
                    [&] { return target.textWidth(kWidestLetter) < grid.cellWidth; });
    const double descent = target.fontDescent();
    forEachShapeCell(record, [&](int row, int column, std::uint8_t letter) {
        if (letter == ' ') letter = record.FillLetters[cellNumber(row, column) - 1];
        if (letter == 0) return;  // a free cell never filled
        if (lowerCase) letter = LowCaseGridLetter(letter);
        const std::string text(1, static_cast<char>(letter));
        const PageBox cell = grid.cell(row, column);
        const double x = cell.left + (grid.cellWidth - target.textWidth(text)) / 2;
        const double baseline = cell.bottom - descent - (grid.cellHeight - target.textHeight(text)) / 2;
        target.printText({x, baseline}, text);
    });
}

}  // namespace

void DoPuzz(ReportTarget& target, const PageObject& object, const PageBox& box, const PuzzleRecord& record,
            const PrintOptions& options, int printCount)
{
    if (record.usedWidth() == 0 || record.usedHeight() == 0) return;
    const GridGeometry grid = gridGeometry(box, record.usedWidth(), record.usedHeight());
    // The Puzzle object keeps its transparent background in the fill flag.
    if (!object.FillInShape) {
        target.setBrushColor(static_cast<Color>(object.BlockColor));
        forEachShapeCell(record,
                         [&](int row, int column, std::uint8_t) { target.fillRectangle(grid.cell(row, column)); });
    }
    if (options.UseGrid) drawGridLines(target, object, record, grid);
    drawLetters(target, object, record, options.LowerCase, grid);
    if (options.AnswerKey) DrawAnswerKey(target, record, grid, printCount);
}

}  // namespace qm
