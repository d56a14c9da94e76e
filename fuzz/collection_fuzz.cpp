// A collection file (*.QZ3) of any bytes: listed, sorted for the lists, and its first records
// read whole into the working copy and the word list form.
#include "collection/collection_lists.h"
#include "collection/collection_file.h"
#include "collection/puzzle_transfer.h"
#include "collection/working_copy.h"
#include "fuzz/fuzz_input.h"
#include "generate/word_list_form.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    const CollectionFile collection(fuzz::inputFile("PUZZLES.QZ3", fuzz::bytesOf(data, size)));
    const PuzzleList list = collection.ListPuzzles();
    for (const ListedCategory& category : sortedCategories(list)) (void)sortedPuzzles(list, category.categoryPosition);
    (void)puzzlesByTitle(collection);

    const int count = static_cast<int>(list.PuzzleEntries.size());
    for (int index = 0; index < count && index < fuzz::kRecordsReadWhole; ++index) {
        WorkingCopy copy;
        if (!loadForCopy(copy, collection, index)) continue;
        WordListForm form;
        fillRowsFromRecord(form, *copy.record);
        (void)GetWordCount(form);
    }
    return 0;
}
