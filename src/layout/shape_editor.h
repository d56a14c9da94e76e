// What the shape editor does to the shape it edits, without the window: toggling, filling,
// shifting, reversing, undoing, the size fields and saving.
#pragma once

#include <optional>
#include <string_view>

#include "common/command_outcome.h"
#include "layout/shape_file.h"
#include "layout/shape_messages.h"
#include "layout/shape_record.h"

namespace qm {

enum class ShapeEditMode { New = 1, Modify = 2, Copy = 3 };
enum class ShiftDirection { Left, Up, Right, Down };

struct GridCell {
    int row = 0;     // 1-based
    int column = 0;  // 1-based
    bool operator==(const GridCell&) const = default;
};

inline constexpr int kMinShapeSize = 5;
inline constexpr int kMaxShapeSize = 30;

// Square cells as large as fit an image, one pixel short of the image divided by the cell
// count; 0 when the shape has no row or no column.
int editorCellSize(int imageWidth, int imageHeight, int columns, int rows);

// The whole number a size field starts with after trimming; 0 when it starts with no digit.
int sizeFieldValue(std::string_view text);

class ShapeEditor {
public:
    // New starts from the shape "New Layout"; Modify and Copy from the given shape (for Copy
    // already under its copy name). Modify saves over recordIndex, the others append.
    ShapeEditor(ShapeEditMode mode, const ShapeRecord& start, int recordIndex = -1);

    ShapeEditMode mode() const { return m_mode; }
    const ShapeRecord& shape() const { return m_shape; }
    bool undoEnabled() const { return m_undoEnabled; }

    // The cell under a point of the image with the given cell size; nothing outside the shape's
    // columns and rows, so a click beside the grid never changes the hidden part of the mask.
    std::optional<GridCell> cellAt(int x, int y, int cellSize) const;

    void toggle(GridCell cell);
    // Flips the area around the cell that has its value, as far as the row sweeps reach.
    void fill(GridCell cell);
    void shift(ShiftDirection direction);
    // Flips all 2500 mask bytes, also those outside the shape's rectangle.
    void reverse();
    void undo();

    enum class SizeChange { Unchanged, Changed, Refused };
    // Validates a size field; a value in 5..30 is stored. The mask is never cleared, so cells
    // beyond a narrower size come back when the shape is widened again.
    SizeChange setWidthText(std::string_view text);
    SizeChange setHeightText(std::string_view text);

    enum class SizeField { None, Width, Height };
    // Where a save went: the record written, or the size field whose value was refused, for the
    // window to take the user back to.
    struct SavedShape {
        int index = -1;
        SizeField refusedField = SizeField::None;
    };
    // Validates height, then width, names the shape after the trimmed title (cut to 50) and
    // appends it (New, Copy) or writes it over the record it was opened from (Modify). A
    // refused size names its message and leaves the file alone.
    Outcome<SavedShape> save(ShapeFile file, std::string_view title, std::string_view widthText,
                             std::string_view heightText);

private:
    void keepForUndo();
    std::uint8_t value(int row, int column) const;

    ShapeEditMode m_mode;
    int m_recordIndex;
    ShapeRecord m_shape;
    ShapeRecord m_undo;
    bool m_undoEnabled = false;
};

}  // namespace qm
