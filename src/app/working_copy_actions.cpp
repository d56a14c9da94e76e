#include "app/working_copy_actions.h"

#include "common/text_rules.h"

namespace qm {

void startNewPuzzle(WorkingCopy& copy, const std::array<std::uint8_t, kPageLayoutSize>& layout)
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
    auto record = collection.ReadPuzzle(recordIndex);
    if (!record) return record.failure();
    PuzzleRecord& puzzle = **record;
    puzzle.Title = MakeCopyName(puzzle.Title.view(), kTitleLimit);
    for (StoredBool& placed : puzzle.Placed) placed = false;
    copy.record = std::move(*record);
    copy.IsNewPuzzle = true;
    copy.RecordIndex = recordIndex;
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
