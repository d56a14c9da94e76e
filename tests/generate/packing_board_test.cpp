// The packing search's board: the cells a word may start from, and the letters and cells held as
// words come and go, crossings counted once.
#include <gtest/gtest.h>

#include <algorithm>

#include "generate/packing_board.h"

namespace qm::test {
namespace {

constexpr int kRight = static_cast<int>(Direction::Right);
constexpr int kDown = static_cast<int>(Direction::Down);

DirectionSet rightAndDown()
{
    DirectionSet allowed{};
    allowed[kRight - 1] = allowed[kDown - 1] = true;
    return allowed;
}

TEST(PackingBoard, WordsThatCrossHoldTheSharedCellOnceAndItOutlivesEitherOfThem)
{
    PackingBoard board(5, 5, makeNewShape(), rightAndDown());
    board.place(0, "CAT", {0, kRight});
    EXPECT_EQ(board.usedCells(), 3);
    board.place(1, "ACE", {1, kDown});  // crosses CAT on its A
    EXPECT_EQ(board.usedCells(), 5);
    EXPECT_EQ(board.owners(1).size(), 2u);

    board.remove(0, "CAT", {0, kRight});
    EXPECT_EQ(board.usedCells(), 3);
    EXPECT_TRUE(board.isEmpty(0));
    EXPECT_EQ(board.letter(1), 'A');
    EXPECT_EQ(board.letter(board.step(kDown) + 1), 'C');

    board.clear();
    EXPECT_EQ(board.usedCells(), 0);
    EXPECT_TRUE(board.isEmpty(1));
}

TEST(PackingBoard, StartsKeepAWordInsideTheShapeAndOnlyInAllowedDirections)
{
    ShapeRecord shape = makeNewShape();
    shape.setCell(1, 3, false);  // a hole in the first row, third column
    PackingBoard board(5, 5, shape, rightAndDown());

    const std::vector<int>& across = board.starts(3, kRight);
    EXPECT_EQ(std::count_if(across.begin(), across.end(), [](int start) { return start < 5; }), 0)
        << "every run of three in the first row crosses the hole";
    EXPECT_EQ(across.size(), 3u * 4u);
    EXPECT_EQ(board.starts(3, kDown).size(), 3u * 5u - 1u);
    EXPECT_TRUE(board.starts(3, static_cast<int>(Direction::Left)).empty());
    EXPECT_TRUE(board.starts(6, kRight).empty());
}

}  // namespace
}  // namespace qm::test
