#include "layout/page_object_geometry.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace qm {
namespace {

bool within(std::int64_t value, std::int64_t low, std::int64_t high) { return value >= low && value <= high; }

std::int32_t moved(std::int32_t edge, int travel)
{
    const std::int64_t value = static_cast<std::int64_t>(edge) + travel;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The middle of an edge as the handles use it: the start plus half the length, cut to a whole.
std::int64_t middle(std::int32_t from, std::int32_t to) { return from + (static_cast<std::int64_t>(to) - from) / 2; }

}  // namespace

int objectAt(const PageLayoutRecord& layout, PixelPoint point)
{
    for (int k = usedObjectCount(layout); k >= 1; --k) {
        const PageBounds& b = layout.Objects[k - 1].Bounds;
        if (within(point.x, b.Left, b.Right) && within(point.y, b.Top, b.Bottom)) return k;
    }
    return 0;
}

int objectClicked(const PageLayoutRecord& layout, PixelPoint press, PixelPoint release)
{
    for (int k = usedObjectCount(layout); k >= 1; --k) {
        const PageBounds& b = layout.Objects[k - 1].Bounds;
        if (b.Left <= press.x && press.y >= b.Top && release.x <= b.Right && release.y <= b.Bottom) return k;
    }
    return 0;
}

DragType handleAt(const PageBounds& b, PixelPoint p)
{
    const std::int64_t mx = middle(b.Left, b.Right);
    const std::int64_t my = middle(b.Top, b.Bottom);
    const std::int64_t L = b.Left, T = b.Top, R = b.Right, B = b.Bottom;
    const bool atLeft = within(p.x, L - 2, L + 3);
    const bool atRight = within(p.x, R - 3, R + 2);
    const bool atTop = within(p.y, T - 2, T + 3);
    const bool atBottom = within(p.y, B - 3, B + 2);
    const bool atMiddleX = within(p.x, mx - 3, mx + 2);
    const bool atMiddleY = within(p.y, my - 3, my + 2);
    if (atLeft && atTop) return DragType::TopLeft;
    if (atRight && atTop) return DragType::TopRight;
    if (atLeft && atBottom) return DragType::BottomLeft;
    if (atRight && atBottom) return DragType::BottomRight;
    if (atMiddleX && atTop) return DragType::Top;
    if (atMiddleX && atBottom) return DragType::Bottom;
    if (atLeft && atMiddleY) return DragType::Left;
    if (atRight && atMiddleY) return DragType::Right;
    return DragType::None;
}

std::array<HandleSquare, 8> selectionHandles(const PageBounds& b)
{
    const int mx = static_cast<int>(middle(b.Left, b.Right));
    const int my = static_cast<int>(middle(b.Top, b.Bottom));
    const int left = b.Left - 2, right = b.Right - 3, top = b.Top - 2, bottom = b.Bottom - 3;
    return {{{left, top},
             {mx - 3, top},
             {right, top},
             {left, my - 3},
             {right, my - 3},
             {left, bottom},
             {mx - 3, bottom},
             {right, bottom}}};
}

PageBounds normalised(PageBounds b)
{
    if (b.Left > b.Right) std::swap(b.Left, b.Right);
    if (b.Top > b.Bottom) std::swap(b.Top, b.Bottom);
    return b;
}

PageBounds draggedBounds(const PageBounds& bounds, DragType type, int dx, int dy)
{
    PageBounds b = bounds;
    const bool left = type == DragType::TopLeft || type == DragType::Left || type == DragType::BottomLeft;
    const bool right = type == DragType::TopRight || type == DragType::Right || type == DragType::BottomRight;
    const bool top = type == DragType::TopLeft || type == DragType::Top || type == DragType::TopRight;
    const bool bottom = type == DragType::BottomLeft || type == DragType::Bottom || type == DragType::BottomRight;
    const bool all = type == DragType::Move;
    if (left || all) b.Left = moved(b.Left, dx);
    if (right || all) b.Right = moved(b.Right, dx);
    if (top || all) b.Top = moved(b.Top, dy);
    if (bottom || all) b.Bottom = moved(b.Bottom, dy);
    return all ? b : normalised(b);
}

}  // namespace qm
