#include "generate/candidate_record.h"

#include <algorithm>
#include <vector>

namespace qm {

void shrinkToLetters(const PuzzleGrid& letters, int& width, int& height)
{
    // Outside the shape a cell is 0, an empty one a space.
    auto holdsLetter = [&](int row, int column) {
        const std::uint8_t cell = letters[row * kGridStride + column];
        return cell != ' ' && cell != 0;
    };
    auto rowHoldsLetter = [&](int row) {
        for (int column = 0; column < width; ++column)
            if (holdsLetter(row, column)) return true;
        return false;
    };
    const int fullHeight = height;
    auto columnHoldsLetter = [&](int column) {
        for (int row = 0; row < fullHeight; ++row)
            if (holdsLetter(row, column)) return true;
        return false;
    };
    while (height >= 2 && !rowHoldsLetter(height - 1)) --height;
    while (width >= 2 && !columnHoldsLetter(width - 1)) --width;
}

void writeCandidateRecord(const PuzzleRecord& working, std::span<const WordPlacement> placements,
                          const FinishedGrid& grid, PuzzleRecord& record, std::array<bool, kMaxWords>& placedFlags)
{
    const int wordCount = std::min(working.usedWordCount(), static_cast<int>(placements.size()));
    std::vector<int> order;  // slots (0-based) in their final order
    std::vector<int> empty;
    for (int slot = 0; slot < wordCount; ++slot) (working.Words[slot].empty() ? empty : order).push_back(slot);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return working.Words[a].view() < working.Words[b].view(); });
    std::stable_partition(order.begin(), order.end(), [&](int slot) { return placements[slot].placed; });
    const int placeable = static_cast<int>(order.size());
    order.insert(order.end(), empty.begin(), empty.end());

    record = working;
    record.Width = static_cast<std::int16_t>(grid.width);
    record.Height = static_cast<std::int16_t>(grid.height);
    record.Letters = grid.letters;
    record.FillLetters.fill(' ');
    placedFlags.fill(false);
    int placed = 0;
    for (int index = 0; index < wordCount; ++index) {
        const int slot = order[index];
        record.Words[index] = working.Words[slot];
        record.Clues[index] = working.Clues[slot];
        if (index >= placeable) continue;
        record.StartCell[index] = placements[slot].startCell;
        record.EndCell[index] = placements[slot].endCell;
        placedFlags[index] = placements[slot].placed;
        placed += placements[slot].placed ? 1 : 0;
    }
    record.WordCount = static_cast<std::int16_t>(placed);
}

}  // namespace qm
