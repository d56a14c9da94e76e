#include "support/plain_second_readings.h"

#include <algorithm>
#include <set>

namespace qm::test {
namespace {

constexpr int kRowSteps[] = {-1, -1, 0, 1, 1, 1, 0, -1};
constexpr int kColumnSteps[] = {0, 1, 1, 1, 0, -1, -1, -1};

std::string lettersOf(const StoredText<30>& word)
{
    std::string letters;
    for (char c : word.view()) {
        if (c == ' ') continue;
        auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) byte -= 0x20;
        letters.push_back(static_cast<char>(byte));
    }
    return letters;
}

// The cells from StartCell to EndCell, one row or column or both at a time.
std::set<int> placementCells(const PuzzleRecord& record, int word)
{
    const int start = record.StartCell[word] - 1, end = record.EndCell[word] - 1;
    int row = start / kGridStride, column = start % kGridStride;
    const int endRow = end / kGridStride, endColumn = end % kGridStride;
    std::set<int> cells{row * kGridStride + column};
    while (row != endRow || column != endColumn) {
        row += (endRow > row) - (endRow < row);
        column += (endColumn > column) - (endColumn < column);
        cells.insert(row * kGridStride + column);
    }
    return cells;
}

}  // namespace

std::vector<PlainReading> plainSecondReadings(const PuzzleRecord& record)
{
    const int width = record.usedWidth(), height = record.usedHeight();
    std::vector<std::set<int>> placements;
    for (int i = 0; i < record.usedWordCount(); ++i) placements.push_back(placementCells(record, i));
    auto shown = [&](int cell) {
        return record.Letters[cell] == ' ' ? record.FillLetters[cell] : record.Letters[cell];
    };

    std::vector<PlainReading> readings;
    std::set<std::pair<std::string, std::set<int>>> seen;
    for (int i = 0; i < record.usedWordCount(); ++i) {
        const std::string word = lettersOf(record.Words[i]);
        if (word.empty()) continue;
        for (int row = 0; row < height; ++row)
            for (int column = 0; column < width; ++column)
                for (int direction = 0; direction < 8; ++direction) {
                    PlainReading reading{word, {}, false};
                    for (std::size_t k = 0; k < word.size(); ++k) {
                        const int r = row + static_cast<int>(k) * kRowSteps[direction];
                        const int c = column + static_cast<int>(k) * kColumnSteps[direction];
                        if (r < 0 || r >= height || c < 0 || c >= width) break;
                        const int cell = r * kGridStride + c;
                        if (shown(cell) != static_cast<std::uint8_t>(word[k])) break;
                        reading.cells.push_back(cell);
                        reading.usesFill = reading.usesFill || record.Letters[cell] == ' ';
                    }
                    if (reading.cells.size() != word.size()) continue;
                    const std::set<int> cells(reading.cells.begin(), reading.cells.end());
                    const bool insidePlacement = std::any_of(placements.begin(), placements.end(), [&](const auto& p) {
                        return std::includes(p.begin(), p.end(), cells.begin(), cells.end());
                    });
                    if (!insidePlacement && seen.emplace(word, cells).second) readings.push_back(reading);
                }
    }
    return readings;
}

int plainReadingsUsingFill(const PuzzleRecord& record)
{
    const auto readings = plainSecondReadings(record);
    return static_cast<int>(std::count_if(readings.begin(), readings.end(), [](const auto& r) { return r.usesFill; }));
}

}  // namespace qm::test
