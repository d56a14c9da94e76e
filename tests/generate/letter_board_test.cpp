// The fit search gives the same start cells and crossings whichever vector width the processor
// offers; the generator's own tests run only the one this machine has.
#include <gtest/gtest.h>

#include "generate/generation_fixtures.h"
#include "generate/letter_board.h"

namespace qm::test {
namespace {

constexpr Direction kDirections[] = {Direction::Up,   Direction::UpRight,  Direction::Right, Direction::DownRight,
                                     Direction::Down, Direction::DownLeft, Direction::Left,  Direction::UpLeft};

// The start cells of the range the demand accepts, row by row.
std::vector<BitRow> acceptedRows(const DirectionFits& fits, const StartRange& range, int demand)
{
    std::vector<BitRow> rows;
    for (int row = range.rowFirst - 1; row < range.rowLast; ++row) rows.push_back(fits.accepted(row, demand));
    return rows;
}

TEST(LetterBoard, BothVectorWidthsFindTheSameFits)
{
    SeededRandom random(7);
    for (int round = 0; round < 60; ++round) {
        // Narrow rows up to 32 columns, wide ones beyond; a shape with holes.
        const int width = round % 3 == 0 ? 33 + random.Random(18) : 1 + random.Random(32);
        const int height = 1 + random.Random(kGridStride);
        ShapeRecord shape = fullShape(width, height);
        for (int cell = 0; cell < kGridCells; ++cell)
            if (random.Random(9) == 0) shape.Mask[cell] = 0;
        const int letterCount = 1 + random.Random(5);
        LetterBoard baseline(letterCount, width, height, shape, false);
        LetterBoard wide(letterCount, width, height, shape, true);
        baseline.clear();
        wide.clear();
        for (int written = random.Random(width * height); written > 0; --written) {
            const int row = random.Random(height), column = random.Random(width), letter = random.Random(letterCount);
            baseline.write(row, column, letter);
            wide.write(row, column, letter);
        }
        std::vector<int> letters(1 + random.Random(std::min(30, std::max(width, height))));
        for (int& letter : letters) letter = random.Random(letterCount);
        const int length = static_cast<int>(letters.size());
        DirectionRanges ranges;
        unsigned directions = 0;
        for (const Direction direction : kDirections) {
            const DirectionStep step = directionStep(direction);
            StartRange& range = ranges[directionCode(direction) - 1];
            range = {1, height, 1, width};
            if (step.row < 0) range.rowFirst = length;
            if (step.row > 0) range.rowLast = height - length + 1;
            if (step.column < 0) range.columnFirst = length;
            if (step.column > 0) range.columnLast = width - length + 1;
            if (!range.empty()) directions |= 1u << (directionCode(direction) - 1);
        }
        auto fromBaseline = std::make_unique<AllDirectionFits>();
        auto fromWide = std::make_unique<AllDirectionFits>();
        baseline.findFits(directions, letters.data(), length, ranges, *fromBaseline);
        wide.findFits(directions, letters.data(), length, ranges, *fromWide);
        for (int code = 1; code <= kDirectionCount; ++code) {
            if ((directions >> (code - 1) & 1) == 0) continue;
            SCOPED_TRACE("round " + std::to_string(round) + ", direction " + std::to_string(code));
            const DirectionFits& a = (*fromBaseline)[code - 1];
            const DirectionFits& b = (*fromWide)[code - 1];
            EXPECT_EQ(a.anyAccepted, b.anyAccepted);
            for (int demand = -2; demand <= kMostCrossingsDemanded; ++demand)
                EXPECT_EQ(acceptedRows(a, ranges[code - 1], demand), acceptedRows(b, ranges[code - 1], demand));
        }
    }
}

}  // namespace
}  // namespace qm::test
