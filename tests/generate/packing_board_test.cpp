// The packing search's board: the cells a word may start from, and the letters and cells held as
// words come and go, crossings counted once.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/random_source.h"
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

// The starts of a word whose cells are each empty or hold its letter, read cell by cell.
std::vector<int> startsWithoutClashCellByCell(PackingBoard& board, const std::string& letters, int direction)
{
    std::vector<int> fitting;
    for (const int start : board.starts(static_cast<int>(letters.size()), direction)) {
        bool fits = true;
        for (std::size_t i = 0; i < letters.size() && fits; ++i) {
            const int cell = start + static_cast<int>(i) * board.step(direction);
            fits = board.isEmpty(cell) || board.letter(cell) == static_cast<std::uint8_t>(letters[i]);
        }
        if (fits) fitting.push_back(start);
    }
    return fitting;
}

std::vector<int> startsOfBits(const std::vector<std::uint64_t>& bits)
{
    std::vector<int> starts;
    for (std::size_t cell = 0; cell < bits.size() * 64; ++cell)
        if (bits[cell / 64] >> (cell % 64) & 1) starts.push_back(static_cast<int>(cell));
    return starts;
}

// The bits stand for cells across several 64-bit words and are read shifted by each letter's
// step, backwards for the directions that go up or left: every direction on boards of more
// than 128 cells with holes, as words come and go.
TEST(PackingBoard, StartsWithoutClashAreTheStartsWhoseCellsAreEmptyOrHoldTheLetter)
{
    SeededRandom random(7);
    ShapeRecord shape = makeNewShape();
    for (int hole = 0; hole < 12; ++hole) shape.setCell(1 + random.Random(13), 1 + random.Random(11), false);
    DirectionSet all{};
    all.fill(true);
    PackingBoard board(11, 13, shape, all);
    const std::vector<std::string> words = {"ABBA", "BAA", "CAB", "ABACA", "BC", "AAB"};
    std::vector<BoardSpot> placed(words.size());
    std::vector<std::uint64_t> bits;
    for (int round = 0; round < 300; ++round) {
        const int word = random.Random(static_cast<int>(words.size()));
        const int direction = 1 + random.Random(kDirectionCount);
        board.startsWithoutClash(words[word], direction, bits);
        const std::vector<int> expected = startsWithoutClashCellByCell(board, words[word], direction);
        ASSERT_EQ(startsOfBits(bits), expected) << "round " << round;
        if (placed[word].onBoard()) {
            board.remove(word, words[word], placed[word]);
            placed[word] = {};
        } else if (!expected.empty()) {
            placed[word] = {expected[random.Random(static_cast<int>(expected.size()))], direction};
            board.place(word, words[word], placed[word]);
        }
    }
}

}  // namespace
}  // namespace qm::test
