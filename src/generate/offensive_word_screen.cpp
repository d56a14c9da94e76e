#include "generate/offensive_word_screen.h"

#include <algorithm>
#include <queue>

namespace qm {

OffensiveWordScreen::OffensiveWordScreen(const BadWordList& read)
{
    const BadWordList list = upCasedBadWords(read);
    for (int i = 0; i < list.usedCount(); ++i) {
        const BadWord& entry = list.Entries[i];
        for (std::size_t k = 1; k <= entry.length(); ++k)
            if (m_class[entry.bytes[k]] == 0) m_class[entry.bytes[k]] = static_cast<std::uint16_t>(m_classes++);
    }
    m_next.assign(m_classes, -1);
    m_accepting.assign(1, 0);
    for (int i = 0; i < list.usedCount(); ++i) {
        const BadWord& entry = list.Entries[i];
        const std::size_t length = entry.length();
        if (length == 0) continue;  // an empty entry matches nothing
        addPattern(entry.bytes.data() + 1, length, 1);
        addPattern(entry.bytes.data() + length, length, -1);
    }
    buildTransitions();
}

void OffensiveWordScreen::addPattern(const std::uint8_t* begin, std::size_t length, int step)
{
    int state = 0;
    for (std::size_t k = 0; k < length; ++k, begin += step) {
        std::int32_t& edge = m_next[state * m_classes + m_class[*begin]];
        if (edge < 0) {
            edge = static_cast<std::int32_t>(m_accepting.size());
            m_accepting.push_back(0);
            m_next.resize(m_next.size() + m_classes, -1);
        }
        state = m_next[state * m_classes + m_class[*begin]];
    }
    m_accepting[state] = 1;
}

// Aho-Corasick: a breadth-first walk gives every state its fallback and completes the table, so
// matching is one table look-up a cell.
void OffensiveWordScreen::buildTransitions()
{
    std::vector<std::int32_t> fallback(m_accepting.size(), 0);
    std::queue<std::int32_t> pending;
    for (int c = 0; c < m_classes; ++c) {
        std::int32_t& edge = m_next[c];
        if (edge < 0) {
            edge = 0;
        } else {
            pending.push(edge);
        }
    }
    while (!pending.empty()) {
        const std::int32_t state = pending.front();
        pending.pop();
        m_accepting[state] |= m_accepting[fallback[state]];
        for (int c = 0; c < m_classes; ++c) {
            std::int32_t& edge = m_next[state * m_classes + c];
            const std::int32_t viaFallback = m_next[fallback[state] * m_classes + c];
            if (edge < 0) {
                edge = viaFallback;
            } else {
                fallback[edge] = viaFallback;
                pending.push(edge);
            }
        }
    }
}

bool OffensiveWordScreen::lineMatches(const PuzzleGrid& letters, const PuzzleGrid& fill, int cell, int step,
                                 int length) const
{
    std::int32_t state = 0;
    for (int k = 0; k < length; ++k, cell += step) {
        const std::uint8_t letter = letters[cell];
        state = m_next[state * m_classes + m_class[letter == ' ' ? fill[cell] : letter]];
        if (m_accepting[state]) return true;
    }
    return false;
}

bool OffensiveWordScreen::TestBadWords(const PuzzleGrid& letters, const PuzzleGrid& fill, int width, int height) const
{
    if (m_accepting.size() == 1) return false;  // no entry to find
    width = std::clamp(width, 0, kGridStride);
    height = std::clamp(height, 0, kGridStride);
    // Cells as 0-based indexes; a line starts at (row, column), 0-based too.
    auto index = [](int row, int column) { return row * kGridStride + column; };
    for (int row = 0; row < height; ++row)
        if (lineMatches(letters, fill, index(row, 0), 1, width)) return true;
    for (int column = 0; column < width; ++column)
        if (lineMatches(letters, fill, index(0, column), kGridStride, height)) return true;
    // Down to the right, from row 0 and from column 0.
    for (int column = 0; column < width; ++column)
        if (lineMatches(letters, fill, index(0, column), kGridStride + 1, std::min(height, width - column)))
            return true;
    for (int row = 1; row < height; ++row)
        if (lineMatches(letters, fill, index(row, 0), kGridStride + 1, std::min(height - row, width))) return true;
    // Up to the right, from the last row and from column 0.
    for (int column = 0; column < width; ++column)
        if (lineMatches(letters, fill, index(height - 1, column), 1 - kGridStride, std::min(height, width - column)))
            return true;
    for (int row = 0; row + 1 < height; ++row)
        if (lineMatches(letters, fill, index(row, 0), 1 - kGridStride, std::min(row + 1, width))) return true;
    return false;
}

}  // namespace qm
