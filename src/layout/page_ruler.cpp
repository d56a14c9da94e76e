#include "layout/page_ruler.h"

#include <cmath>

#include "layout/page_design_units.h"

namespace qm {
namespace {

struct MinorTick {
    int distance;  // pixels back from a whole unit
    int start;
};

std::vector<MinorTick> minorTicks(int p, bool inches)
{
    if (inches) {
        return {{p / 2, 18},       {p / 4, 21},       {3 * (p / 4), 21}, {p / 8, 24},
                {3 * (p / 8), 24}, {5 * (p / 8), 24}, {7 * (p / 8), 24}};
    }
    std::vector<MinorTick> ticks;
    for (int i = 1; i <= 9; ++i) ticks.push_back({(p / 10) * i, i == 5 ? 20 : 24});
    return ticks;
}

}  // namespace

std::vector<RulerTick> rulerTicks(double length, int p, bool inches)
{
    std::vector<RulerTick> ticks;
    if (p <= 0) return ticks;
    const int pixels = pagePixels(length, p);
    const int wholeUnits = pixels / p;
    const std::vector<MinorTick> minors = minorTicks(p, inches);
    for (int j = 1; j <= wholeUnits; ++j) {
        const int x = j * p;
        ticks.push_back({x, 15, j});
        for (const MinorTick& minor : minors) ticks.push_back({x - minor.distance, minor.start, 0});
    }
    const int last = wholeUnits * p;
    const int remaining = pixels - last;
    for (const MinorTick& minor : minors)
        if (minor.distance <= remaining) ticks.push_back({last + minor.distance, minor.start, 0});
    return ticks;
}

}  // namespace qm
