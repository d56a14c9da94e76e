#include "book/book_selection.h"

#include "collection/collection_lists.h"

namespace qm {
namespace {

// The record indexes of the chosen puzzles in the chosen order, with their titles.
std::vector<BookPuzzle> orderedEntries(const PuzzleList& list, const BookChoice& choice)
{
    std::vector<BookPuzzle> entries;
    const auto chosenCategory = [&](int position) {
        return !choice.Category || list.CategoryNames[static_cast<std::size_t>(position)] == *choice.Category;
    };
    if (choice.Order == BookOrder::File) {
        for (const PuzzleEntry& entry : list.PuzzleEntries)
            if (chosenCategory(entry.categoryPosition())) entries.push_back({entry.recordIndex(), entry.title});
        return entries;
    }
    for (const ListedCategory& category : sortedCategories(list)) {
        if (!chosenCategory(category.categoryPosition)) continue;
        for (const ListedPuzzle& puzzle : sortedPuzzles(list, category.categoryPosition))
            entries.push_back({puzzle.recordIndex, puzzle.title});
    }
    return entries;
}

}  // namespace

Result<BookSelection> selectBookPuzzles(const CollectionFile& file, const BookChoice& choice)
{
    const auto count = file.recordCount();
    if (!count) return count.failure();
    BookSelection selection;
    for (BookPuzzle& entry : orderedEntries(file.ListPuzzles(), choice)) {
        auto record = file.ReadPuzzle(entry.recordIndex);
        if (!record) return record.failure();
        ((*record)->Generated ? selection.puzzles : selection.leftOut).push_back(std::move(entry));
    }
    return selection;
}

}  // namespace qm
