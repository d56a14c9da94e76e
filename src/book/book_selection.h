// Which puzzles of a collection go into a book, and in which order.
#pragma once

#include <string>
#include <vector>

#include "book/book_choice.h"
#include "collection/collection_file.h"
#include "common/result.h"

namespace qm {

struct BookPuzzle {
    int recordIndex = 0;
    std::string title;  // Windows-1252 bytes
    bool operator==(const BookPuzzle&) const = default;
};

struct BookSelection {
    std::vector<BookPuzzle> puzzles;  // in book order
    std::vector<BookPuzzle> leftOut;  // never generated: nothing to print; in book order
};

// The puzzles of the chosen category (its name matched exactly), or of all, in the chosen order;
// each record is read to learn whether it was generated. A category the file does not hold
// selects nothing.
Result<BookSelection> selectBookPuzzles(const CollectionFile& file, const BookChoice& choice);

}  // namespace qm
