#include "layout/shape_editor.h"

#include <algorithm>
#include <array>

#include "common/text_rules.h"

namespace qm {
namespace {

// Marks of the fill, indexed [row][column] from 1; row and column 0 stay unused.
using FillMarks = std::array<std::array<bool, kGridStride + 1>, kGridStride + 1>;

std::uint8_t flipped(std::uint8_t byte) { return byte == 1 ? 0 : 1; }

}  // namespace

int editorCellSize(int imageWidth, int imageHeight, int columns, int rows)
{
    if (columns < 1 || rows < 1) return 0;
    return std::max(0, std::min(imageWidth / columns - 1, imageHeight / rows - 1));
}

int sizeFieldValue(std::string_view text)
{
    const auto number = leadingNumber(trimmed(text), false);
    return number ? static_cast<int>(std::min<std::int64_t>(*number, 1000)) : 0;
}

ShapeEditor::ShapeEditor(ShapeEditMode mode, const ShapeRecord& start, int recordIndex)
    : m_mode(mode),
      m_recordIndex(recordIndex),
      m_shape(mode == ShapeEditMode::New ? makeNewShape() : start)
{
    m_undo = m_shape;
}

std::uint8_t ShapeEditor::value(int row, int column) const { return m_shape.inShape(row, column) ? 1 : 0; }

std::optional<GridCell> ShapeEditor::cellAt(int x, int y, int cellSize) const
{
    if (cellSize <= 0 || x < 0 || y < 0) return std::nullopt;
    const GridCell cell{y / cellSize + 1, x / cellSize + 1};
    if (cell.row > m_shape.usedHeight() || cell.column > m_shape.usedWidth()) return std::nullopt;
    return cell;
}

void ShapeEditor::keepForUndo()
{
    m_undo = m_shape;
    m_undoEnabled = true;
}

void ShapeEditor::toggle(GridCell cell)
{
    if (cell.row < 1 || cell.row > m_shape.usedHeight() || cell.column < 1 || cell.column > m_shape.usedWidth()) return;
    m_undoEnabled = false;
    m_shape.setCell(cell.row, cell.column, !m_shape.inShape(cell.row, cell.column));
}

// The fill sweeps rows away from the start cell. Within a row it takes cells below or above a
// marked cell, then spreads along the row from left to right, so a run reaches leftwards one
// cell a row and the fill covers a connected area only as far as these sweeps go.
void ShapeEditor::fill(GridCell start)
{
    const int width = m_shape.usedWidth();
    const int height = m_shape.usedHeight();
    const int r0 = start.row;
    const int c0 = start.column;
    if (r0 < 1 || r0 > height || c0 < 1 || c0 > width) return;
    keepForUndo();
    const std::uint8_t v = value(r0, c0);
    FillMarks marked{};

    marked[r0][c0] = true;
    for (int k = c0 - 1; k >= 1 && value(r0, k) == v; --k) marked[r0][k] = true;
    for (int k = c0 + 1; k <= width && value(r0, k) == v; ++k) marked[r0][k] = true;

    // Marks the qualifying cells of row r in an order in which early marks count later on;
    // says whether any cell qualified, marked before or not.
    const auto rowStep = [&](int r) {
        bool any = false;
        const auto take = [&](int k, bool neighbourMarked) {
            if (neighbourMarked && value(r, k) == v) {
                marked[r][k] = true;
                any = true;
            }
        };
        for (int k = 1; k <= width; ++k) take(k, r > 1 && marked[r - 1][k]);
        for (int k = 1; k <= width; ++k) take(k, r < height && marked[r + 1][k]);
        if (width >= 3) {
            for (int k = 2; k <= width - 1; ++k) {
                take(k, marked[r][k - 1]);
                take(k, marked[r][k + 1]);
            }
        }
        return any;
    };
    for (int r = r0 - 1; r >= 1 && rowStep(r); --r) {}
    for (int r = r0 + 1; r <= height && rowStep(r); ++r) {}

    for (int r = 1; r <= height; ++r)
        for (int k = 1; k <= width; ++k)
            if (marked[r][k]) m_shape.setCell(r, k, v == 0);
}

void ShapeEditor::shift(ShiftDirection direction)
{
    const int width = m_shape.usedWidth();
    const int height = m_shape.usedHeight();
    if (width < 1 || height < 1) return;
    keepForUndo();
    auto& mask = m_shape.Mask;
    const auto at = [&](int r, int k) -> std::uint8_t& { return mask[cellNumber(r, k) - 1]; };
    switch (direction) {
    case ShiftDirection::Left:
        for (int k = 2; k <= width; ++k)
            for (int r = 1; r <= height; ++r) at(r, k - 1) = at(r, k);
        for (int r = 1; r <= height; ++r) at(r, width) = 0;
        break;
    case ShiftDirection::Right:
        for (int k = width; k >= 2; --k)
            for (int r = 1; r <= height; ++r) at(r, k) = at(r, k - 1);
        for (int r = 1; r <= height; ++r) at(r, 1) = 0;
        break;
    case ShiftDirection::Up:
        for (int r = 2; r <= height; ++r)
            for (int k = 1; k <= width; ++k) at(r - 1, k) = at(r, k);
        for (int k = 1; k <= width; ++k) at(height, k) = 0;
        break;
    case ShiftDirection::Down:
        for (int r = height; r >= 2; --r)
            for (int k = 1; k <= width; ++k) at(r, k) = at(r - 1, k);
        for (int k = 1; k <= width; ++k) at(1, k) = 0;
        break;
    }
}

void ShapeEditor::reverse()
{
    m_undoEnabled = false;
    for (auto& byte : m_shape.Mask) byte = flipped(byte);
}

void ShapeEditor::undo()
{
    if (!m_undoEnabled) return;
    m_shape = m_undo;
    m_undoEnabled = false;
}

namespace {

ShapeEditor::SizeChange storeSize(std::string_view text, std::int16_t& size)
{
    const int value = sizeFieldValue(text);
    if (value < kMinShapeSize || value > kMaxShapeSize) return ShapeEditor::SizeChange::Refused;
    if (value == size) return ShapeEditor::SizeChange::Unchanged;
    size = static_cast<std::int16_t>(value);
    return ShapeEditor::SizeChange::Changed;
}

}  // namespace

ShapeEditor::SizeChange ShapeEditor::setWidthText(std::string_view text) { return storeSize(text, m_shape.Width); }

ShapeEditor::SizeChange ShapeEditor::setHeightText(std::string_view text) { return storeSize(text, m_shape.Height); }

Outcome<ShapeEditor::SavedShape> ShapeEditor::save(ShapeFile file, std::string_view title, std::string_view widthText,
                                                   std::string_view heightText)
{
    const auto refusedSize = [](const Refusal& message, SizeField field) {
        auto refused = Outcome<SavedShape>::refused(message);
        refused.value.refusedField = field;
        return refused;
    };
    if (setHeightText(heightText) == SizeChange::Refused)
        return refusedSize(ShapeMessages::HeightOutOfRange, SizeField::Height);
    if (setWidthText(widthText) == SizeChange::Refused)
        return refusedSize(ShapeMessages::WidthOutOfRange, SizeField::Width);
    m_shape.Name.assign(trimmed(title));
    if (m_mode == ShapeEditMode::Modify) {
        if (auto replaced = file.ReplaceRecord(m_recordIndex, m_shape); !replaced)
            return Outcome<SavedShape>::fromFailure(replaced.failure(), ShapeMessages::CannotAdd);
        return Outcome<SavedShape>::done({m_recordIndex});
    }
    auto appended = file.AppendRecord(m_shape);
    if (!appended) return Outcome<SavedShape>::fromFailure(appended.failure(), ShapeMessages::CannotAdd);
    return Outcome<SavedShape>::done({*appended});
}

}  // namespace qm
