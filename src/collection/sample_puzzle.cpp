#include "collection/sample_puzzle.h"

#include "collection/collection_file.h"

namespace qm {

std::unique_ptr<PuzzleRecord> firstGeneratedPuzzle(const std::filesystem::path& collection)
{
    const CollectionFile file(collection);
    const Result<int> count = file.recordCount();
    if (!count) return nullptr;
    for (int index = 0; index < *count; ++index) {
        Result<std::unique_ptr<PuzzleRecord>> puzzle = file.ReadPuzzle(index);
        if (puzzle && static_cast<bool>((*puzzle)->Generated)) return std::move(*puzzle);
    }
    return nullptr;
}

std::unique_ptr<PuzzleRecord> samplePuzzle(const std::filesystem::path& collection,
                                           const std::filesystem::path& programDirectory)
{
    if (!collection.empty())
        if (auto puzzle = firstGeneratedPuzzle(collection)) return puzzle;
    return firstGeneratedPuzzle(programDirectory / kSampleCollectionName);
}

}  // namespace qm
