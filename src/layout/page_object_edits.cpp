#include "layout/page_object_edits.h"

#include <algorithm>

namespace qm {
namespace {

bool validIndex(const PageLayoutRecord& layout, int k) { return k >= 1 && k <= usedObjectCount(layout); }

}  // namespace

std::string defaultObjectName(PageObjectKind kind, int number)
{
    switch (kind) {
    case PageObjectKind::Title:
        return "Title";
    case PageObjectKind::Puzzle:
        return "Puzzle";
    case PageObjectKind::Words:
        return "Words / Clues";
    case PageObjectKind::Bonus:
        return "Bonus Question";
    case PageObjectKind::Text:
        return "Text " + std::to_string(number);
    case PageObjectKind::Bitmap:
        return "Bitmap " + std::to_string(number);
    case PageObjectKind::Rectangle:
        return "Rectangle " + std::to_string(number);
    case PageObjectKind::Circle:
        return "Circle " + std::to_string(number);
    }
    return {};
}

bool singleKind(PageObjectKind kind)
{
    return kind == PageObjectKind::Title || kind == PageObjectKind::Puzzle || kind == PageObjectKind::Words ||
           kind == PageObjectKind::Bonus;
}

int countOfKind(const PageLayoutRecord& layout, PageObjectKind kind)
{
    const auto begin = layout.Objects.begin();
    return static_cast<int>(std::count_if(begin, begin + usedObjectCount(layout),
                                          [kind](const PageObject& o) { return o.kind() == kind; }));
}

bool toolEnabled(const PageLayoutRecord& layout, PageObjectKind kind)
{
    if (usedObjectCount(layout) >= kMaxPageObjects) return false;
    return !singleKind(kind) || countOfKind(layout, kind) == 0;
}

PixelSize newObjectSize(PageObjectKind kind, int p)
{
    switch (kind) {
    case PageObjectKind::Title:
        return {2 * p, p / 4};
    case PageObjectKind::Puzzle:
        return {3 * p, 3 * p};
    case PageObjectKind::Words:
        return {2 * p, 3 * p};
    case PageObjectKind::Bonus:
        return {4 * p, p / 4};
    case PageObjectKind::Text:
    case PageObjectKind::Bitmap:
    case PageObjectKind::Rectangle:
    case PageObjectKind::Circle:
        break;
    }
    return {2 * p, 2 * p};
}

int addNewObject(PageLayoutRecord& layout, PageObjectKind kind, int x, int y, int pixelsPerUnit)
{
    if (!toolEnabled(layout, kind)) return 0;
    const int k = usedObjectCount(layout) + 1;
    PageObject& object = layout.Objects[k - 1];
    object = makePageObject(kind, defaultObjectName(kind, countOfKind(layout, kind) + 1));
    const PixelSize size = newObjectSize(kind, pixelsPerUnit);
    object.Bounds = {x, y, x + size.width, y + size.height};
    layout.ObjectCount = static_cast<std::int16_t>(k);
    return k;
}

void deleteObject(PageLayoutRecord& layout, int k)
{
    if (!validIndex(layout, k)) return;
    const int count = usedObjectCount(layout);
    std::rotate(layout.Objects.begin() + (k - 1), layout.Objects.begin() + k, layout.Objects.begin() + count);
    layout.ObjectCount = static_cast<std::int16_t>(count - 1);
}

void bringToFront(PageLayoutRecord& layout, int k)
{
    if (!validIndex(layout, k)) return;
    auto& slots = layout.Objects;
    std::rotate(slots.begin() + (k - 1), slots.begin() + k, slots.begin() + usedObjectCount(layout));
}

void sendToBack(PageLayoutRecord& layout, int k)
{
    if (!validIndex(layout, k)) return;
    auto& slots = layout.Objects;
    std::rotate(slots.begin(), slots.begin() + (k - 1), slots.begin() + k);
}

}  // namespace qm
