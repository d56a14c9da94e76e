// The rules every grid of the packing search keeps, checked cell by cell from the stored record
// alone, without the search's own board.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/direction.h"
#include "generate/candidates.h"
#include "generate/generation_settings.h"
#include "generate/letter_case.h"
#include "layout/shape_record.h"

namespace qm::test {

// What a placed word of a candidate must be: a straight run of its letters from StartCell to
// EndCell in an allowed direction, inside the rectangle and the shape; and no letter in the grid
// that no placed word put there.
inline std::vector<std::string> ruleBreaks(const CandidateSlot& slot, const ShapeRecord& shape,
                                           const GenerationSettings& settings, int fullWidth, int fullHeight)
{
    std::vector<std::string> breaks;
    const PuzzleRecord& record = *slot.Record;
    std::vector<int> wordsOnCell(kGridCells + 1, 0);
    std::vector<bool> letterOfAWord(kGridCells + 1, false);
    int placed = 0;
    for (int index = 0; index < record.usedWordCount(); ++index) {
        if (!slot.PlacedFlags[index]) {
            breaks.push_back("unplaced word before WordCount");
            continue;
        }
        ++placed;
        std::string letters;
        for (const char c : record.Words[index].view())
            if (c != ' ') letters.push_back(static_cast<char>(UpCaseLetter(static_cast<std::uint8_t>(c))));
        const int length = static_cast<int>(letters.size());
        const int startRow = cellRow(record.StartCell[index]), startColumn = cellColumn(record.StartCell[index]);
        const int rowSpan = cellRow(record.EndCell[index]) - startRow;
        const int columnSpan = cellColumn(record.EndCell[index]) - startColumn;
        std::optional<Direction> direction;
        for (int code = 1; code <= kDirectionCount; ++code) {
            const DirectionStep step = directionStep(directionOfCode(code));
            if (step.row * (length - 1) == rowSpan && step.column * (length - 1) == columnSpan &&
                settings.Allowed[code - 1])
                direction = directionOfCode(code);
        }
        if (!direction) {
            breaks.push_back(letters + " runs in no allowed direction");
            continue;
        }
        const DirectionStep step = directionStep(*direction);
        for (int i = 0; i < length; ++i) {
            const int row = startRow + i * step.row, column = startColumn + i * step.column;
            if (row < 1 || row > fullHeight || column < 1 || column > fullWidth) {
                breaks.push_back(letters + " leaves the grid");
                break;
            }
            const int cell = cellNumber(row, column);
            if (!shape.inShape(cell)) breaks.push_back(letters + " uses a cell outside the shape");
            if (record.Letters[cell - 1] != static_cast<std::uint8_t>(letters[i]))
                breaks.push_back(letters + " does not read in the grid");
            ++wordsOnCell[cell];
            letterOfAWord[cell] = true;
        }
    }
    if (placed != slot.Score) breaks.push_back("score is not the number of placed words");
    for (int cell = 1; cell <= kGridCells; ++cell) {
        const std::uint8_t letter = record.Letters[cell - 1];
        if (!shape.inShape(cell) && letter != 0) breaks.push_back("a cell outside the shape is not 0");
        if (shape.inShape(cell) && letter != ' ' && !letterOfAWord[cell]) breaks.push_back("a stray letter");
        if (settings.usedIntegration() == 0 && wordsOnCell[cell] > 1) breaks.push_back("words share a cell");
    }
    return breaks;
}

}  // namespace qm::test
