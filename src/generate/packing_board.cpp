#include "generate/packing_board.h"

#include <algorithm>

namespace qm {

PackingBoard::PackingBoard(int width, int height, const ShapeRecord& shape, const DirectionSet& allowed)
    : m_width(std::clamp(width, 0, kGridStride)),
      m_height(std::clamp(height, 0, kGridStride)),
      m_inShape(static_cast<std::size_t>(m_width * m_height)),
      m_allowed(allowed),
      m_letters(m_inShape.size(), 0),
      m_owners(m_inShape.size())
{
    for (int row = 0; row < m_height; ++row)
        for (int column = 0; column < m_width; ++column)
            m_inShape[row * m_width + column] = shape.Mask[row * kGridStride + column] != 0 ? 1 : 0;
    for (int code = 1; code <= kDirectionCount; ++code) {
        const DirectionStep s = directionStep(directionOfCode(code));
        m_steps[code - 1] = s.row * m_width + s.column;
    }
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

const std::vector<int>& PackingBoard::starts(int length, int direction)
{
    if (length >= static_cast<int>(m_startsKnown.size())) {
        m_starts.resize(length + 1);
        m_startsKnown.resize(length + 1, false);
    }
    if (!m_startsKnown[length]) {
        for (int code = 1; code <= kDirectionCount; ++code) {
            if (!m_allowed[code - 1] || length < 1) continue;
            for (int row = 0; row < m_height; ++row)
                for (int column = 0; column < m_width; ++column)
                    if (fitsShape(row, column, length, code))
                        m_starts[length][code - 1].push_back(row * m_width + column);
        }
        m_startsKnown[length] = true;
    }
    return m_starts[length][direction - 1];
}

void PackingBoard::place(int word, const std::string& letters, BoardSpot spot)
{
    const int step = m_steps[spot.direction - 1];
    int cell = spot.start;
    for (const char letter : letters) {
        if (m_owners[cell].empty()) ++m_usedCells;
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
        m_letters[cell] = 0;
        --m_usedCells;
    }
}

void PackingBoard::clear()
{
    std::fill(m_letters.begin(), m_letters.end(), 0);
    for (auto& owners : m_owners) owners.clear();
    m_usedCells = 0;
}

}  // namespace qm
