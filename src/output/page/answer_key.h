// The answer key on the letter grid: a capsule around every listed word and a ring around every
// letter of the hidden phrase.
#pragma once

#include "collection/puzzle_record.h"
#include "common/direction.h"
#include "output/page/grid_geometry.h"
#include "output/page/report_target.h"

namespace qm {

struct OutlineLine {
    PagePoint from;
    PagePoint to;
    bool operator==(const OutlineLine&) const = default;
};

// Counter-clockwise along the ellipse inscribed in box.
struct OutlineArc {
    PageBox box;
    PagePoint from;
    PagePoint to;
    bool operator==(const OutlineArc&) const = default;
};

// Two lines along the word and the halves or quarters of the ellipses in its end cells that
// close them.
struct WordOutline {
    OutlineLine line1;
    OutlineLine line2;
    OutlineArc startArc;
    OutlineArc endArc;
};

// The direction from the first letter's cell to the last one's; one cell counts as Up.
Direction outlineDirection(int startRow, int startColumn, int endRow, int endColumn);

WordOutline wordOutline(Direction direction, const PageBox& startCell, const PageBox& endCell);

// With a black pen: the outline of words 1..printCount whose first and last cells lie in the
// grid, then, when the hidden phrase was used, a ring in every free cell.
void DrawAnswerKey(ReportTarget& target, const PuzzleRecord& record, const GridGeometry& grid, int printCount);

}  // namespace qm
