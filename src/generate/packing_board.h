// The grid of the packing search: each cell with its letter and the words that stand on it, so
// that a word can be taken out again as easily as it went in.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/direction.h"
#include "layout/shape_record.h"

namespace qm {

// A word's place: its first cell (row * width + column, 0-based) and its direction code 1..8.
struct BoardSpot {
    int start = -1;  // -1: not on the board
    int direction = 0;
    bool onBoard() const { return start >= 0; }
};

class PackingBoard {
public:
    // The first width columns of the first height rows of the shape; only the allowed
    // directions get start cells.
    PackingBoard(int width, int height, const ShapeRecord& shape, const DirectionSet& allowed);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int cellCount() const { return m_width * m_height; }
    // The index step from one letter to the next in a direction.
    int step(int direction) const { return m_steps[direction - 1]; }
    // The first cells from which a word of length letters keeps inside the shape in the
    // direction: none for a direction not allowed.
    const std::vector<int>& starts(int length, int direction);
    // The same starts as bits (bit n of word n / 64 for cell n), kept to those from which the
    // letters clash with no letter on the board: each of their cells is empty or already holds
    // the letter. Ascending bits are the starts in the order starts() gives them.
    void startsWithoutClash(const std::string& letters, int direction, std::vector<std::uint64_t>& bits);

    bool isEmpty(int cell) const { return m_owners[cell].empty(); }
    std::uint8_t letter(int cell) const { return m_letters[cell]; }
    const std::vector<int>& owners(int cell) const { return m_owners[cell]; }
    // The cells that hold a letter.
    int usedCells() const { return m_usedCells; }

    // Writes word number word; its letters must agree with the cells it crosses.
    void place(int word, const std::string& letters, BoardSpot spot);
    void remove(int word, const std::string& letters, BoardSpot spot);
    void clear();

private:
    bool fitsShape(int row, int column, int length, int direction) const;
    void knowStarts(int length);

    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_inShape;
    DirectionSet m_allowed;
    std::array<int, kDirectionCount> m_steps{};
    std::vector<std::uint8_t> m_letters;
    std::vector<std::vector<int>> m_owners;
    int m_usedCells = 0;
    int m_planeWords;  // 64-bit words of a plane of cells
    // Plane 0: the empty cells; plane 1 + letter: the cells that hold the letter.
    std::vector<std::vector<std::uint64_t>> m_planes;
    // By length: the start cells of each direction, worked out when a word of the length asks,
    // as a list and as a plane.
    std::vector<std::array<std::vector<int>, kDirectionCount>> m_starts;
    std::vector<std::array<std::vector<std::uint64_t>, kDirectionCount>> m_startPlanes;
    std::vector<bool> m_startsKnown;
};

}  // namespace qm
