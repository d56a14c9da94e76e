#include "layout/page_layout_extract.h"

#include <algorithm>

#include "collection/collection_file.h"
#include "common/text_order.h"

namespace qm {

std::vector<ExtractEntry> extractEntries(const std::filesystem::path& collectionPath)
{
    std::vector<ExtractEntry> entries;
    if (collectionPath.empty()) return entries;
    const PuzzleList listed = CollectionFile(collectionPath).ListPuzzles();
    entries.reserve(listed.PuzzleEntries.size());
    // The entries are in file order, one a record: the position is the record index, whatever
    // the size of the file.
    for (std::size_t i = 0; i < listed.PuzzleEntries.size(); ++i)
        entries.push_back({listed.PuzzleEntries[i].title, static_cast<int>(i)});
    std::stable_sort(entries.begin(), entries.end(), [](const ExtractEntry& a, const ExtractEntry& b) {
        return compareListedText(a.text, b.text) < 0;
    });
    return entries;
}

Result<PageLayoutRecord> readPuzzleLayout(const std::filesystem::path& collectionPath, int index)
{
    auto puzzle = CollectionFile(collectionPath).ReadPuzzle(index);
    if (!puzzle) return puzzle.failure();
    return (*puzzle)->Layout;
}

}  // namespace qm
