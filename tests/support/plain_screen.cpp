#include "support/plain_screen.h"

#include <algorithm>

namespace qm::test {

PlainScreen::PlainScreen(const BadWordList& list) : m_list(upCasedBadWords(list)) {}

void PlainScreen::BuildCheckList(const PuzzleRecord& record)
{
    const int height = record.usedHeight();
    const int width = record.usedWidth();
    auto shown = [&record](int row, int column) {
        const int index = cellNumber(row, column) - 1;
        const std::uint8_t letter = record.Letters[index];
        return static_cast<char>(letter == ' ' ? record.FillLetters[index] : letter);
    };
    // One line from (row, column) on, one step at a time while inside the rectangle.
    auto line = [&](int row, int column, int rowStep, int columnStep) {
        std::string text;
        for (; row >= 1 && row <= height && column >= 1 && column <= width; row += rowStep, column += columnStep)
            text.push_back(shown(row, column));
        m_checkLines.push_back(std::move(text));
    };

    m_checkLines.clear();
    if (height == 0 || width == 0) return;
    for (int row = 1; row <= height; ++row) line(row, 1, 0, 1);
    for (int column = 1; column <= width; ++column) line(1, column, 1, 0);
    for (int column = 1; column <= width; ++column) line(1, column, 1, 1);
    for (int row = 2; row <= height; ++row) line(row, 1, 1, 1);
    for (int column = 1; column <= width; ++column) line(height, column, -1, 1);
    for (int row = 1; row < height; ++row) line(row, 1, -1, 1);
}

bool PlainScreen::TestBad(std::string_view word) const
{
    if (word.empty()) return false;
    const std::string reversed(word.rbegin(), word.rend());
    return std::any_of(m_checkLines.begin(), m_checkLines.end(), [&](const std::string& line) {
        return line.find(word) != std::string::npos || line.find(reversed) != std::string::npos;
    });
}

bool PlainScreen::TestBadWords() const
{
    for (int i = 0; i < m_list.usedCount(); ++i)
        if (TestBad(m_list.Entries[i].view())) return true;
    return false;
}

bool plainScreenFinds(const BadWordList& list, const PuzzleRecord& record)
{
    PlainScreen screen(list);
    screen.BuildCheckList(record);
    return screen.TestBadWords();
}

}  // namespace qm::test
