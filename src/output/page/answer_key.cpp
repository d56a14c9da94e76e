#include "output/page/answer_key.h"

namespace qm {
namespace {

// The midpoints of a cell box's sides.
enum class Side { Top, Bottom, Left, Right };

PagePoint sidePoint(const PageBox& box, Side side)
{
    const double middleX = (box.left + box.right) / 2;
    const double middleY = (box.top + box.bottom) / 2;
    switch (side) {
    case Side::Top:
        return {middleX, box.top};
    case Side::Bottom:
        return {middleX, box.bottom};
    case Side::Left:
        return {box.left, middleY};
    case Side::Right:
        return {box.right, middleY};
    }
    return {};
}

// Per direction: line 1 and line 2 from a side of the start cell to a side of the end cell, the
// arc in the start cell and the arc in the end cell, each from one side to another.
struct OutlineSides {
    Side line1From, line1To, line2From, line2To;
    Side startArcFrom, startArcTo, endArcFrom, endArcTo;
};

OutlineSides outlineSides(Direction direction)
{
    using enum Side;
    switch (direction) {
    case Direction::Right:
        return {Top, Top, Bottom, Bottom, Top, Bottom, Bottom, Top};
    case Direction::Left:
        return {Top, Top, Bottom, Bottom, Bottom, Top, Top, Bottom};
    case Direction::Down:
        return {Left, Left, Right, Right, Right, Left, Left, Right};
    case Direction::Up:
        return {Left, Left, Right, Right, Left, Right, Right, Left};
    case Direction::DownRight:
        return {Left, Bottom, Top, Right, Top, Left, Bottom, Right};
    case Direction::UpLeft:
        return {Bottom, Left, Right, Top, Bottom, Right, Top, Left};
    case Direction::UpRight:
        return {Left, Top, Bottom, Right, Left, Bottom, Right, Top};
    case Direction::DownLeft:
        return {Top, Left, Right, Bottom, Right, Top, Left, Bottom};
    }
    return {};
}

bool cellInGrid(int cell, int width, int height)
{
    return cell >= 1 && cell <= kGridCells && cellRow(cell) <= height && cellColumn(cell) <= width;
}

void drawLine(ReportTarget& target, const OutlineLine& line)
{
    target.moveTo(line.from);
    target.lineTo(line.to);
}

void drawArc(ReportTarget& target, const OutlineArc& arc) { target.arc(arc.box, arc.from, arc.to); }

}  // namespace

Direction outlineDirection(int startRow, int startColumn, int endRow, int endColumn)
{
    if (startColumn < endColumn)
        return startRow == endRow ? Direction::Right : startRow < endRow ? Direction::DownRight : Direction::UpRight;
    if (startColumn > endColumn)
        return startRow == endRow ? Direction::Left : startRow < endRow ? Direction::DownLeft : Direction::UpLeft;
    return startRow < endRow ? Direction::Down : Direction::Up;
}

WordOutline wordOutline(Direction direction, const PageBox& startCell, const PageBox& endCell)
{
    const OutlineSides s = outlineSides(direction);
    return {
        {sidePoint(startCell, s.line1From), sidePoint(endCell, s.line1To)},
        {sidePoint(startCell, s.line2From), sidePoint(endCell, s.line2To)},
        {startCell, sidePoint(startCell, s.startArcFrom), sidePoint(startCell, s.startArcTo)},
        {endCell, sidePoint(endCell, s.endArcFrom), sidePoint(endCell, s.endArcTo)},
    };
}

void DrawAnswerKey(ReportTarget& target, const PuzzleRecord& record, const GridGeometry& grid, int printCount)
{
    const int width = record.usedWidth();
    const int height = record.usedHeight();
    target.setPenColor(kBlackColor);
    for (int i = 0; i < printCount; ++i) {
        const int start = record.StartCell[i];
        const int end = record.EndCell[i];
        if (!cellInGrid(start, width, height) || !cellInGrid(end, width, height)) continue;
        const Direction direction = outlineDirection(cellRow(start), cellColumn(start), cellRow(end), cellColumn(end));
        const WordOutline outline = wordOutline(direction, grid.cell(cellRow(start), cellColumn(start)),
                                                grid.cell(cellRow(end), cellColumn(end)));
        drawLine(target, outline.line1);
        drawLine(target, outline.line2);
        drawArc(target, outline.startArc);
        drawArc(target, outline.endArc);
    }
    if (!record.HiddenPhraseUsed) return;
    forEachShapeCell(record, [&](int row, int column, std::uint8_t letter) {
        if (letter != ' ') return;
        target.setBrushStyle(BrushStyle::Clear);
        target.ellipse(grid.cell(row, column));
        target.setBrushStyle(BrushStyle::Solid);
    });
}

}  // namespace qm
