#include "output/play/play_page.h"

#include "common/cp1252.h"
#include "output/page/clue_text.h"
#include "output/page/grid_geometry.h"
#include "output/page/page_setup.h"
#include "output/page/puzzle_grid.h"
#include "output/page/word_entries.h"

namespace qm {
namespace {

bool cellInGrid(const PuzzleRecord& record, int cell)
{
    return cell >= 1 && cell <= kGridCells && cellRow(cell) <= record.usedHeight() &&
           cellColumn(cell) <= record.usedWidth();
}

// The grid letter as the printed grid shows it: a free cell shows its fill letter.
std::string cellLetter(const PuzzleRecord& record, int row, int column, std::uint8_t letter, bool lowerCase)
{
    if (letter == ' ') letter = record.FillLetters[cellNumber(row, column) - 1];
    if (letter == 0) return {};
    if (lowerCase) letter = LowCaseGridLetter(letter);
    return cp1252ToUtf8(std::string(1, static_cast<char>(letter)));
}

std::vector<PlayWord> listedWords(const PuzzleRecord& record, const PrintOptions& options, RandomSource& random)
{
    const int printCount = PrintCount(record);
    std::vector<int> order;
    std::vector<std::string> entries;
    if (options.WordOption == kWordOptionClues) {
        // Numbered clues in stored order, as a page without its answer key prints them: the
        // words stay to be found.
        PrintOptions withoutKey = options;
        withoutKey.AnswerKey = false;
        for (int i = 0; i < printCount; ++i) {
            order.push_back(i);
            entries.push_back(ClueText(record, i, withoutKey));
        }
    } else {
        order = WordListOrder(record, printCount, options);
        entries = WordListEntries(record, printCount, options, random);
    }
    std::vector<PlayWord> words;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const int i = order[k];
        PlayWord word{i + 1, cp1252ToUtf8(entries[k]), false, record.StartCell[i], record.EndCell[i]};
        word.placed = record.Placed[i] && cellInGrid(record, word.startCell) && cellInGrid(record, word.endCell);
        words.push_back(std::move(word));
    }
    return words;
}

}  // namespace

PlayPage ComposePlayPage(const PuzzleRecord& record, const PrintOptions& options, RandomSource& random)
{
    PlayPage page;
    if (options.PrintTitle) page.title = cp1252ToUtf8(record.Title.view());
    if (options.PrintBonus) page.bonusQuestion = cp1252ToUtf8(record.BonusQuestion.view());
    page.width = record.usedWidth();
    page.height = record.usedHeight();
    page.clues = options.WordOption == kWordOptionClues;
    page.hiddenPhrase = static_cast<bool>(record.HiddenPhraseUsed);
    forEachShapeCell(record, [&](int row, int column, std::uint8_t letter) {
        page.cells.push_back({row, column, cellLetter(record, row, column, letter, options.LowerCase),
                              page.hiddenPhrase && letter == ' '});
    });
    if (options.PrintWords) page.words = listedWords(record, options, random);
    return page;
}

}  // namespace qm
