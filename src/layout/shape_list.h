// The list of saved shapes with its selection, as the shape list window and the word list
// editor's shape panel show it. The window asks the questions and shows the messages; this
// class does the rest and keeps CurrentShape, which the caller owns, up to date.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "layout/listed_entries.h"
#include "layout/shape_file.h"
#include "layout/shape_messages.h"
#include "layout/shape_record.h"

namespace qm {

// The tag of the entry that stands for the shape of the puzzle being edited.
inline constexpr int CurrentPuzzleTag = 100000;

// An entry's text is "WxH Name"; its tag the record index, or CurrentPuzzleTag.
using ShapeListEntry = ListedEntry;

// "30x30 New Layout": width, "x", height, a blank and the name.
std::string shapeEntryText(std::string_view name, int width, int height);
std::string shapeEntryText(const ShapeRecord& shape);

class ShapeList : public ListedEntries {
public:
    ShapeList(ShapeFile file, ShapeRecord& currentShape) : m_file(std::move(file)), m_current(currentShape) {}

    // The word list editor: every record loaded becomes the last shape used, and a rebuilt
    // list selects that one.
    void rememberLastShape(int& lastShape) { m_lastShape = &lastShape; }
    // The word list editor on a stored puzzle: the list gets a <Current Puzzle> entry for the
    // puzzle's own shape, and a rebuilt list selects it.
    void showCurrentPuzzle(const PuzzleRecord& puzzle) { m_puzzleShape = shapeOfPuzzle(puzzle); }

    const ShapeFile& file() const { return m_file; }

    // Rebuilds the list from the shape file, sorted by text, and selects the entry the list is
    // used for. False when there is no entry at all: the window then shows NoShapesFound.
    bool LoadInLayouts();
    // Copies the selected shape into CurrentShape; does nothing when nothing is selected.
    Status LoadALayout();
    // Modify and Delete work on stored records only.
    bool canModifyOrDelete() const;

    // The question Delete asks before DeleteALayout.
    std::string deleteQuestion() const;
    // Deletes the selected record; the list is rebuilt with the same position selected (the
    // last entry when the list got shorter) and that shape loaded.
    ShapeOutcome DeleteALayout();
    // Reloads the selected entry into CurrentShape and writes it to a .LAY file.
    ShapeOutcome ExportLayout(const std::filesystem::path& exchangeFile);
    // Appends the shape of a .LAY file, which becomes CurrentShape, and selects its new entry.
    ShapeOutcome ImportLayout(const std::filesystem::path& exchangeFile);

    // What the editor starts from for Copy: CurrentShape under the copy name.
    ShapeRecord copyOfCurrentShape() const;
    // After the editor saved record savedIndex: rebuilds the list, selects and loads it.
    Status refreshAfterSave(int savedIndex);

private:
    ShapeFile m_file;
    ShapeRecord& m_current;
    int* m_lastShape = nullptr;
    std::optional<ShapeRecord> m_puzzleShape;
};

}  // namespace qm
