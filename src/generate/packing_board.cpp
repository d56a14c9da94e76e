#include "generate/packing_board.h"

#include <algorithm>

namespace qm {

namespace {

// Bits first to first + 63 of a plane, none beyond its ends.
std::uint64_t bitsFrom(const std::vector<std::uint64_t>& plane, int first)
{
    const int word = first >= 0 ? first / 64 : -((63 - first) / 64);
    const int shift = first - word * 64;
    const auto at = [&plane](int index) {
        return index >= 0 && index < static_cast<int>(plane.size()) ? plane[index] : std::uint64_t{0};
    };
    if (shift == 0) return at(word);
    return (at(word) >> shift) | (at(word + 1) << (64 - shift));
}

void setCellBit(std::vector<std::uint64_t>& plane, int cell, bool on)
{
    const std::uint64_t bit = std::uint64_t{1} << (cell % 64);
    if (on)
        plane[cell / 64] |= bit;
    else
        plane[cell / 64] &= ~bit;
}

}  // namespace

PackingBoard::PackingBoard(int width, int height, const ShapeRecord& shape, const DirectionSet& allowed)
    : m_width(std::clamp(width, 0, kGridStride)),
      m_height(std::clamp(height, 0, kGridStride)),
      m_inShape(static_cast<std::size_t>(m_width * m_height)),
      m_allowed(allowed),
      m_letters(m_inShape.size(), 0),
      m_owners(m_inShape.size()),
      m_planeWords((cellCount() + 63) / 64),
      m_planes(1 + 256, std::vector<std::uint64_t>(static_cast<std::size_t>(m_planeWords), 0))
{
    for (int row = 0; row < m_height; ++row)
        for (int column = 0; column < m_width; ++column)
            m_inShape[row * m_width + column] = shape.Mask[row * kGridStride + column] != 0 ? 1 : 0;
    for (int code = 1; code <= kDirectionCount; ++code) {
        const DirectionStep s = directionStep(directionOfCode(code));
        m_steps[code - 1] = s.row * m_width + s.column;
    }
    clear();
}


bool PackingBoard::fitsShape(int row, int column, int length, int direction) const
{
    const DirectionStep s = directionStep(directionOfCode(direction));
    for (int i = 0; i < length; ++i) {
        const int r = row + i * s.row;
        const int c = column + i * s.column;
        if (r < 0 || r >= m_height || c < 0 || c >= m_width || m_inShape[r * m_width + c] == 0) return false;
    }
    return true;
}

void PackingBoard::knowStarts(int length)
{
    if (length >= static_cast<int>(m_startsKnown.size())) {
        m_starts.resize(length + 1);
        m_startPlanes.resize(length + 1);
        m_startsKnown.resize(length + 1, false);
    }
    if (m_startsKnown[length]) return;
    for (int code = 1; code <= kDirectionCount; ++code) {
        std::vector<std::uint64_t>& plane = m_startPlanes[length][code - 1];
        plane.assign(static_cast<std::size_t>(m_planeWords), 0);
        if (!m_allowed[code - 1] || length < 1) continue;
        for (int row = 0; row < m_height; ++row)
            for (int column = 0; column < m_width; ++column)
                if (fitsShape(row, column, length, code)) {
                    m_starts[length][code - 1].push_back(row * m_width + column);
                    setCellBit(plane, row * m_width + column, true);
                }
    }
    m_startsKnown[length] = true;
}

const std::vector<int>& PackingBoard::starts(int length, int direction)
{
    knowStarts(length);
    return m_starts[length][direction - 1];
}

void PackingBoard::startsWithoutClash(const std::string& letters, int direction, std::vector<std::uint64_t>& bits)
{
    const int length = static_cast<int>(letters.size());
    knowStarts(length);
    bits = m_startPlanes[length][direction - 1];
    const int step = m_steps[direction - 1];
    for (int i = 0; i < length; ++i) {
        // A start keeps its bit when the cell of its i-th letter is empty or holds that letter.
        const std::vector<std::uint64_t>& same = m_planes[1 + static_cast<std::uint8_t>(letters[i])];
        std::uint64_t any = 0;
        for (int word = 0; word < m_planeWords; ++word) {
            const int first = word * 64 + i * step;
            bits[word] &= bitsFrom(m_planes[0], first) | bitsFrom(same, first);
            any |= bits[word];
        }
        if (any == 0) return;
    }
}

void PackingBoard::place(int word, const std::string& letters, BoardSpot spot)
{
    const int step = m_steps[spot.direction - 1];
    int cell = spot.start;
    for (const char letter : letters) {
        if (m_owners[cell].empty()) {
            ++m_usedCells;
            setCellBit(m_planes[0], cell, false);
            setCellBit(m_planes[1 + static_cast<std::uint8_t>(letter)], cell, true);
        }
        m_letters[cell] = static_cast<std::uint8_t>(letter);
        m_owners[cell].push_back(word);
        cell += step;
    }
}

void PackingBoard::remove(int word, const std::string& letters, BoardSpot spot)
{
    const int step = m_steps[spot.direction - 1];
    int cell = spot.start;
    for (std::size_t i = 0; i < letters.size(); ++i, cell += step) {
        auto& owners = m_owners[cell];
        owners.erase(std::find(owners.begin(), owners.end(), word));
        if (!owners.empty()) continue;
        setCellBit(m_planes[1 + m_letters[cell]], cell, false);
        setCellBit(m_planes[0], cell, true);
        m_letters[cell] = 0;
        --m_usedCells;
    }
}

void PackingBoard::clear()
{
    std::fill(m_letters.begin(), m_letters.end(), 0);
    for (auto& owners : m_owners) owners.clear();
    for (auto& plane : m_planes) std::fill(plane.begin(), plane.end(), 0);
    for (int cell = 0; cell < cellCount(); ++cell) setCellBit(m_planes[0], cell, true);
    m_usedCells = 0;
}

}  // namespace qm
