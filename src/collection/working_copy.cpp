#include "collection/working_copy.h"

#include "collection/puzzle_record_codec.h"
#include "common/text_rules.h"

namespace qm {

WorkingCopy copyOf(const WorkingCopy& copy)
{
    return {std::make_unique<PuzzleRecord>(*copy.record), copy.IsNewPuzzle, copy.RecordIndex, copy.loadedBytes,
            copy.reselect};
}

void startNewPuzzle(WorkingCopy& copy, const PageLayoutRecord& layout)
{
    resetToNewPuzzle(*copy.record, layout);
    copy.IsNewPuzzle = true;
}

Status loadForModify(WorkingCopy& copy, const CollectionFile& collection, int recordIndex)
{
    std::vector<std::uint8_t> bytes(PuzzleRecord::kSize);
    if (auto read = collection.readRecordBytes(recordIndex, std::span<std::uint8_t, PuzzleRecord::kSize>(bytes)); !read)
        return read;
    auto record = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(std::span<const std::uint8_t, PuzzleRecord::kSize>(bytes), *record);
    copy.record = std::move(record);
    copy.IsNewPuzzle = false;
    copy.RecordIndex = recordIndex;
    copy.loadedBytes = std::move(bytes);
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

Outcome<int> StoreWorkingCopy(WorkingCopy& copy, CollectionFile& collection)
{
    int recordIndex = 0;
    Status written;
    if (copy.IsNewPuzzle) {
        auto appended = collection.AppendPuzzle(*copy.record);
        if (appended) recordIndex = *appended;
        written = appended.status();
    } else {
        written = collection.ReplacePuzzle(copy.RecordIndex, *copy.record, copy.loadedBytes);
        recordIndex = copy.RecordIndex;
    }
    if (!written) {
        const Failure& failure = written.failure();
        // A file that cannot be opened or created, or a record that is no longer there: nothing
        // was written. Anything else is an input/output failure part way.
        const FailureKind kind = failure.kind;
        const bool nothingWritten = kind == FailureKind::CannotOpen || kind == FailureKind::NoSuchRecord ||
                                    kind == FailureKind::ChangedElsewhere;
        Outcome<int> outcome =
            nothingWritten
                ? Outcome<int>::refused(
                      Refusal{kind == FailureKind::ChangedElsewhere ? kChangedByAnotherProgram : kUnableToSave},
                      failure)
                : Outcome<int>::failed(failure);
        outcome.value = recordIndex;
        return outcome;
    }
    if (!copy.IsNewPuzzle) {
        // A second save replaces what the first one wrote.
        copy.loadedBytes.resize(PuzzleRecord::kSize);
        encodePuzzleRecord(*copy.record, std::span<std::uint8_t, PuzzleRecord::kSize>(copy.loadedBytes));
    }
    copy.reselect.set(copy.record->Category.text(), copy.record->Title.text());
    return Outcome<int>::done(recordIndex);
}

}  // namespace qm
