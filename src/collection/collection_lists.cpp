#include "collection/collection_lists.h"

#include "common/text_order.h"

namespace qm {

std::vector<ListedCategory> sortedCategories(const PuzzleList& list)
{
    std::vector<ListedCategory> categories;
    categories.reserve(list.CategoryNames.size());
    for (std::size_t i = 0; i < list.CategoryNames.size(); ++i)
        categories.push_back(ListedCategory{list.CategoryNames[i], static_cast<int>(i)});
    sortByListedText(categories, [](const ListedCategory& category) -> std::string_view { return category.name; });
    return categories;
}

std::vector<ListedPuzzle> sortedPuzzles(const PuzzleList& list, int categoryPosition)
{
    std::vector<ListedPuzzle> puzzles;
    for (const PuzzleEntry& entry : list.PuzzleEntries)
        if (entry.categoryPosition() == categoryPosition)
            puzzles.push_back(ListedPuzzle{entry.title, entry.recordIndex()});
    sortByListedText(puzzles, [](const ListedPuzzle& puzzle) -> std::string_view { return puzzle.title; });
    return puzzles;
}

std::optional<int> findCategory(const std::vector<ListedCategory>& categories, std::string_view name)
{
    for (std::size_t i = 0; i < categories.size(); ++i)
        if (equalsIgnoringLetterCase(categories[i].name, name)) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> findPuzzle(const std::vector<ListedPuzzle>& puzzles, std::string_view title)
{
    for (std::size_t i = 0; i < puzzles.size(); ++i)
        if (equalsIgnoringLetterCase(puzzles[i].title, title)) return static_cast<int>(i);
    return std::nullopt;
}

ReselectRequest reselectAfterDelete(const std::string& category, const std::vector<ListedPuzzle>& puzzles,
                                    int deletedRow)
{
    ReselectRequest request;
    std::string title;
    const int count = static_cast<int>(puzzles.size());
    if (count > 1 && deletedRow >= 0 && deletedRow < count)
        title = puzzles[static_cast<std::size_t>(deletedRow > 0 ? deletedRow - 1 : 1)].title;
    request.set(category, title);
    return request;
}

}  // namespace qm
