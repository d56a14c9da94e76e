// What the designer does to the objects of a layout: new objects with their names and sizes,
// the one-of-a-kind rule of the tool buttons, deleting and restacking.
#pragma once

#include <string>

#include "collection/page_layout_record.h"

namespace qm {

// The name a new object gets: "Title", "Puzzle", "Words / Clues", "Bonus Question", or "Text ",
// "Bitmap ", "Rectangle ", "Circle " with its number.
std::string defaultObjectName(PageObjectKind kind, int number);

// True for the kinds a layout holds at most one of: Title, Puzzle, Words and Bonus.
bool singleKind(PageObjectKind kind);

// How many of objects 1..N are of the kind.
int countOfKind(const PageLayoutRecord& layout, PageObjectKind kind);

// Whether the tool button of the kind can be used: not with 20 objects, and not for a single
// kind already present.
bool toolEnabled(const PageLayoutRecord& layout, PageObjectKind kind);

struct PixelSize {
    int width = 0;
    int height = 0;
};

// The size of a new object at pixelsPerUnit: Title 2 x 1/4 units, Puzzle 3 x 3, Words 2 x 3,
// Bonus 4 x 1/4, the others 2 x 2 (quarters truncated).
PixelSize newObjectSize(PageObjectKind kind, int pixelsPerUnit);

// Appends a new object of the kind with its top-left corner at (x, y), its defaults and its name;
// gives its number (1-based), or 0 when the tool cannot be used.
int addNewObject(PageLayoutRecord& layout, PageObjectKind kind, int x, int y, int pixelsPerUnit);

// Removes object k; the later ones move down one slot. Slots behind the count keep stale bytes,
// as every reader ignores them.
void deleteObject(PageLayoutRecord& layout, int k);
// Moves object k to slot N (drawn last, in front) or slot 1 (behind all), the others closing up.
void bringToFront(PageLayoutRecord& layout, int k);
void sendToBack(PageLayoutRecord& layout, int k);

}  // namespace qm
