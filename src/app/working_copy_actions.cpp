#include "app/working_copy_actions.h"

#include "common/text_rules.h"

namespace qm {

void startNewPuzzle(WorkingCopy& copy, const PageLayoutRecord& layout)
{
    resetToNewPuzzle(*copy.record, layout);
    copy.IsNewPuzzle = true;
}

Status loadForModify(WorkingCopy& copy, const CollectionFile& collection, int recordIndex)
{
    auto record = collection.ReadPuzzle(recordIndex);
    if (!record) return record.failure();
    copy.record = std::move(*record);
    copy.IsNewPuzzle = false;
    copy.RecordIndex = recordIndex;
    return {};
}

Status loadForCopy(WorkingCopy& copy, const CollectionFile& collection, int recordIndex)
{
    if (Status loaded = loadForModify(copy, collection, recordIndex); !loaded) return loaded;
    PuzzleRecord& puzzle = *copy.record;
    puzzle.Title = MakeCopyName(puzzle.Title.view(), kTitleLimit);
    for (StoredBool& placed : puzzle.Placed) placed = false;
    copy.IsNewPuzzle = true;
    return {};
}

Status loadForPrint(WorkingCopy& copy, const CollectionFile& collection, int recordIndex)
{
    auto record = collection.ReadPuzzle(recordIndex);
    if (!record) return record.failure();
    copy.record = std::move(*record);
    return {};
}

}  // namespace qm
