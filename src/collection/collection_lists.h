// What the main window's two lists show of a collection: the categories and the puzzles of one
// category, each sorted alphabetically without regard to case, and which entry to select.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "collection/collection_file.h"
#include "collection/working_copy.h"

namespace qm {

struct ListedCategory {
    std::string name;      // Windows-1252 bytes
    int categoryPosition;  // its position in CategoryNames, the high half of its puzzles' tags
};

struct ListedPuzzle {
    std::string title;
    int recordIndex;
};

// The categories in display order; equal names in any letter case keep their file order.
std::vector<ListedCategory> sortedCategories(const PuzzleList& list);
// The puzzles of one category in display order.
std::vector<ListedPuzzle> sortedPuzzles(const PuzzleList& list, int categoryPosition);

// The first entry whose text equals the wanted one apart from letter case.
std::optional<int> findCategory(const std::vector<ListedCategory>& categories, std::string_view name);
std::optional<int> findPuzzle(const std::vector<ListedPuzzle>& puzzles, std::string_view title);

// The selection after a puzzle is deleted: the same category, and the puzzle listed just above
// the deleted one; when the deleted one was the first, the one below it, which moves up into
// its place; nothing when it was the only puzzle of its category.
ReselectRequest reselectAfterDelete(const std::string& category, const std::vector<ListedPuzzle>& puzzles,
                                    int deletedRow);

}  // namespace qm
