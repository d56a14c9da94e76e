// The ticks and numbers of the designer's rulers, along the page's width or height.
#pragma once

#include <vector>

namespace qm {

inline constexpr int kRulerThickness = 29;

struct RulerTick {
    int position = 0;  // pixels from the page's edge
    int start = 0;     // pixels from the ruler's outer edge; the tick runs to its inner edge
    int label = 0;     // the whole unit written beside a major tick; 0 for a minor tick
};

// The ticks for a page side of `length` units at pixelsPerUnit: a major tick from 15 with its
// number at each whole unit, and before it the minor ticks of that unit (inches: halves from 18,
// quarters from 21, eighths from 24; centimetres: tenths from 24, the half from 20). Past the last
// whole unit the minor ticks continue as far as the page reaches.
std::vector<RulerTick> rulerTicks(double length, int pixelsPerUnit, bool inches);

}  // namespace qm
