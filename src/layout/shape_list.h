// The list of saved shapes with its selection, as the shape list window and the word list
// editor's shape panel show it. It keeps CurrentShape, which the caller owns, up to date.
#pragma once

#include <string>
#include <string_view>

#include "collection/puzzle_record.h"
#include "layout/record_list.h"
#include "layout/shape_file.h"
#include "layout/shape_record.h"

namespace qm {

// An entry's text is "WxH Name"; its tag the record index, or CurrentPuzzleTag.
using ShapeListEntry = ListedEntry;

// "30x30 New Layout": width, "x", height, a blank and the name.
inline std::string shapeEntryText(std::string_view name, int width, int height)
{
    return ShapeKind::entryText(ShapeHeading{std::string(name), width, height});
}
inline std::string shapeEntryText(const ShapeRecord& shape) { return ShapeKind::entryText(ShapeKind::headingOf(shape)); }

class ShapeList : public RecordList<ShapeKind> {
public:
    ShapeList(ShapeFile file, ShapeRecord& currentShape) : RecordList(std::move(file), currentShape) {}

    // The word list editor: every record loaded becomes the last shape used, and a rebuilt
    // list selects that one.
    void rememberLastShape(int& lastShape) { rememberLastUsed(lastShape); }
    // The word list editor on a stored puzzle: the list gets a <Current Puzzle> entry for the
    // puzzle's own shape, and a rebuilt list selects it.
    void showCurrentPuzzle(const PuzzleRecord& puzzle) { pin(shapeOfPuzzle(puzzle)); }
};

}  // namespace qm
