#include "generate/second_readings.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "generate/grid_lines.h"
#include "generate/letter_case.h"

namespace qm {
namespace {

int sign(int value) { return (value > 0) - (value < 0); }

const PuzzleGrid& unfilledGrid()
{
    static const PuzzleGrid zeros{};
    return zeros;
}

}  // namespace

std::string gridLetterText(std::string_view word)
{
    std::string letters;
    for (const char character : word)
        if (character != ' ') letters.push_back(static_cast<char>(UpCaseLetter(static_cast<std::uint8_t>(character))));
    return letters;
}

SecondReadingScan::SecondReadingScan(const PuzzleRecord& record)
    : m_letters(record.Letters),
      m_width(record.usedWidth()),
      m_height(record.usedHeight())
{
    std::map<std::string, int> tagOfText;
    for (int i = 0; i < record.usedWordCount(); ++i) {
        const std::string text = gridLetterText(record.Words[i].view());
        if (text.empty()) continue;
        const auto [entry, added] = tagOfText.emplace(text, static_cast<int>(m_lengthOfText.size()));
        if (added) {
            m_lengthOfText.push_back(static_cast<int>(text.size()));
            m_words.addWord(text, entry->second);
            m_words.addWord(std::string(text.rbegin(), text.rend()), entry->second);
        }
        coverPlacement(record.StartCell[i], record.EndCell[i], static_cast<int>(text.size()));
    }
    m_words.build();
}

// Marks the cells of a placement as covered along its line. A stored placement that is not a
// straight run of length cells inside the grid covers nothing.
void SecondReadingScan::coverPlacement(int startCell, int endCell, int length)
{
    if (startCell < 1 || startCell > kGridCells || endCell < 1 || endCell > kGridCells) return;
    const int rowSpan = cellRow(endCell) - cellRow(startCell);
    const int columnSpan = cellColumn(endCell) - cellColumn(startCell);
    const int cells = std::max(std::abs(rowSpan), std::abs(columnSpan)) + 1;
    const bool straight = rowSpan == 0 || columnSpan == 0 || std::abs(rowSpan) == std::abs(columnSpan);
    if (!straight || cells != length) return;
    const int step = sign(rowSpan) * kGridStride + sign(columnSpan);
    auto cover = [this](int line, int cell, int ahead) {
        std::uint8_t& covered = m_coveredAhead[line][cell];
        covered = std::max(covered, static_cast<std::uint8_t>(ahead));
    };
    for (int k = 0; k < length; ++k) {
        const int cell = startCell - 1 + k * step;
        for (int line = 0; line < 4; ++line) {
            const int lineStep = kGridLineSteps[line];
            if (step == lineStep) cover(line, cell, length - k);
            if (step == -lineStep) cover(line, cell, k + 1);
        }
        // One-letter readings are counted along the rows only, and any placement holds them.
        cover(0, cell, 1);
    }
}

SecondReadings SecondReadingScan::count(const PuzzleGrid& fill) const
{
    SecondReadings readings;
    if (m_words.findsNothing()) return readings;
    anyGridLine(m_width, m_height, [&](const GridLine& line) {
        const int lineIndex = static_cast<int>(
            std::find(std::begin(kGridLineSteps), std::end(kGridLineSteps), line.step) - std::begin(kGridLineSteps));
        const auto& coveredAhead = m_coveredAhead[lineIndex];
        WordAutomaton::State state = WordAutomaton::start();
        int lastFree = -1;  // the position of the last free cell passed
        for (int k = 0, cell = line.first; k < line.length; ++k, cell += line.step) {
            const std::uint8_t letter = m_letters[cell];
            if (letter == ' ') lastFree = k;
            state = m_words.next(state, letter == ' ' ? fill[cell] : letter);
            for (const int tag : m_words.tagsEndingAt(state)) {
                const int length = m_lengthOfText[tag];
                if (length == 1 && lineIndex != 0) continue;  // a single cell lies on every line
                const int first = cell - (length - 1) * line.step;
                if (coveredAhead[first] >= length) continue;
                ++readings.total;
                if (lastFree > k - length) ++readings.usingFill;
            }
        }
        return false;
    });
    return readings;
}

int SecondReadingScan::bareCount() const { return count(unfilledGrid()).total; }

}  // namespace qm
