// Where the mouse is on the designer's page: which object a point or a click hits, the eight
// selection handles, and what a drag from a handle or from the object itself does to its
// rectangle.
#pragma once

#include <array>
#include <cstdint>

#include "collection/page_layout_record.h"

namespace qm {

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// The topmost object (searching N down to 1) whose rectangle holds the point, edges included;
// 0 for none.
int objectAt(const PageLayoutRecord& layout, PixelPoint point);
// The topmost object hit by a click: Left <= press x, press y >= Top, release x <= Right and
// release y <= Bottom; 0 for none.
int objectClicked(const PageLayoutRecord& layout, PixelPoint press, PixelPoint release);

// What a left-button drag does, numbered as the handles: 1 top-left, 2 top, 3 top-right, 4 left,
// 5 right, 6 bottom-left, 7 bottom, 8 bottom-right; Move drags the whole object.
enum class DragType { None = 0, TopLeft, Top, TopRight, Left, Right, BottomLeft, Bottom, BottomRight, Move };

// The handle zone of the selected object's rectangle under the point, tested corners first
// (top-left, top-right, bottom-left, bottom-right), then the midpoints of the top, bottom, left
// and right edges; None outside them.
DragType handleAt(const PageBounds& bounds, PixelPoint point);

struct HandleSquare {
    int left = 0;
    int top = 0;
    static constexpr int kSize = 5;
};
// The eight 5 x 5 handles around a rectangle, in drag type order 1..8.
std::array<HandleSquare, 8> selectionHandles(const PageBounds& bounds);

// The rectangle after a drag of the type by (dx, dy): the travel is added to the edges the type
// moves, all four for Move; a resize is then normalised so Left <= Right and Top <= Bottom.
// Values stay within 32 bits.
PageBounds draggedBounds(const PageBounds& bounds, DragType type, int dx, int dy);

// Exchanges Left/Right and Top/Bottom where needed.
PageBounds normalised(PageBounds bounds);

}  // namespace qm
