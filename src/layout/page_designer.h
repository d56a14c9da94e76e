// What the page layout designer does to the layout it edits, without the window: the page, the
// objects, the selection and the armed tool, zoom, undo and redo, and saving into the layout file.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "common/command_outcome.h"
#include "layout/page_layout_file.h"
#include "layout/page_object_geometry.h"
#include "layout/page_paper.h"

namespace qm {

// LayoutEditMode: New starts from an empty Letter page; Modify and Copy from a stored layout.
enum class LayoutEditMode { New = 1, Modify = 2, Copy = 3 };

// Changes kept for undo; older ones are dropped beyond this.
inline constexpr std::size_t kMaxUndoSteps = 200;

class PageDesigner {
public:
    // start is used by Modify and Copy (Copy already under its copy name); Modify saves over
    // recordIndex, the others append. The objects are rescaled to zoom when they were stored at
    // another; stored counts and zooms are clamped first.
    PageDesigner(LayoutEditMode mode, const PageLayoutRecord& start, int recordIndex, int zoom);

    LayoutEditMode mode() const { return m_mode; }
    const PageLayoutRecord& layout() const { return m_state.layout; }
    int zoom() const { return m_state.zoom; }
    int pixelsPerUnit() const;
    int objectCount() const { return usedObjectCount(m_state.layout); }
    const PageObject& object(int k) const { return m_state.layout.Objects[k - 1]; }
    bool validObject(int k) const { return k >= 1 && k <= objectCount(); }

    // The selected object, 0 for none.
    int selected() const { return m_state.selected; }
    void select(int k);

    // The tool armed for the next object; arming the armed tool again disarms it, arming
    // another replaces it. A tool that cannot be used is not armed.
    std::optional<PageObjectKind> armedTool() const { return m_armed; }
    void armTool(PageObjectKind kind);
    void disarm() { m_armed.reset(); }
    bool toolEnabled(PageObjectKind kind) const;

    // What a drag starting at the point would do: a handle of the selected object, Move over the
    // selected object when it is the topmost there, else None.
    DragType dragTypeAt(PixelPoint point) const;

    // Every change below is one undo step and keeps the page's pixel size up to date.
    // Places an object of the armed tool's kind at the point, selects it and disarms the tool;
    // gives its number, or 0 when no tool was armed.
    int createObject(PixelPoint topLeft);
    void dragObject(int k, DragType type, int dx, int dy);
    void replaceObject(int k, const PageObject& object);
    void deleteObject(int k);
    void bringToFront(int k);
    void sendToBack(int k);
    // Rescales the objects by the zoom table; gives false when the zoom was already current.
    bool setZoom(int zoom);
    // A listed paper or Custom; gives whether the choice earns the odd-size warning.
    bool choosePaper(std::string_view name);
    void setPortrait(bool portrait);
    void setInches(bool inches);
    // A custom size field left: nothing when its text is refused, else whether the size changed.
    std::optional<bool> setCustomSize(PageSide side, std::string_view text);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void undo();
    void redo();

    // Where a save went: the record written, or the size field refused, for the window to take
    // the user back to.
    struct SavedLayout {
        int index = -1;
        std::optional<PageSide> refusedSide;
    };
    // Checks the height and then the width field, takes the name (trimmed, cut to 20), the paper
    // shown and the current zoom, and appends (New, Copy) or overwrites the record (Modify).
    Outcome<SavedLayout> save(PageLayoutFile& file, std::string_view name, std::string_view widthText,
                              std::string_view heightText);

private:
    struct State {
        PageLayoutRecord layout;
        int zoom = 2;
        int selected = 0;
    };
    // Runs a change as one undo step; a change that leaves the layout as it was is no step.
    template <typename Change>
    void change(Change&& apply);
    void settle();

    LayoutEditMode m_mode;
    int m_recordIndex;
    State m_state;
    std::optional<PageObjectKind> m_armed;
    std::vector<State> m_undo;
    std::vector<State> m_redo;
};

}  // namespace qm
