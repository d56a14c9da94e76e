// Puzzles for the book tests: generated or not, each with a title line and a small grid.
#pragma once

#include <memory>
#include <string>

#include "collection/collection_file.h"
#include "output/render_fixtures.h"

namespace qm::test {

struct Stored {
    std::string title;
    std::string category;
    bool generated = true;
};

// A generated puzzle with a title line and a 3 x 3 grid holding one word across its top row.
inline std::unique_ptr<PuzzleRecord> bookRecord(const Stored& stored)
{
    auto record = pageRecord();
    record->Title.assign(stored.title);
    record->Category.assign(stored.category);
    record->Generated = stored.generated;
    addObject(*record, PageObjectKind::Title, {50, 50, 800, 100});
    addObject(*record, PageObjectKind::Puzzle, {100, 150, 750, 800});
    setGrid(*record, {"CAT", "XYZ", "QRS"});
    setWords(*record, {"CAT"});
    record->StartCell[0] = static_cast<std::int16_t>(cellNumber(1, 1));
    record->EndCell[0] = static_cast<std::int16_t>(cellNumber(1, 3));
    return record;
}

// Appends the puzzles to the collection; false when one could not be written.
inline bool storeBookPuzzles(CollectionFile& collection, const std::vector<Stored>& puzzles)
{
    for (const Stored& stored : puzzles)
        if (!collection.AppendPuzzle(*bookRecord(stored))) return false;
    return true;
}

}  // namespace qm::test
