// The one puzzle the main window holds in memory, the one road by which it is loaded from the
// collection and stored back (append or replace), and the reselect request a store leaves.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "collection/collection_file.h"
#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "common/refusal.h"
#include "common/result.h"

namespace qm {

// After the next listing the main window selects this category and title.
struct ReselectRequest {
    bool requested = false;
    std::string category;  // Windows-1252 bytes
    std::string title;

    void set(std::string categoryText, std::string titleText)
    {
        requested = true;
        category = std::move(categoryText);
        title = std::move(titleText);
    }
    void clear() { *this = ReselectRequest{}; }
};

struct WorkingCopy {
    std::unique_ptr<PuzzleRecord> record = std::make_unique<PuzzleRecord>();
    bool IsNewPuzzle = true;       // a save appends (new puzzle, copy) rather than replaces
    std::int32_t RecordIndex = 0;  // the stored record a save replaces
    // The stored bytes of that record as loaded: a save replaces it only while it is still there.
    std::vector<std::uint8_t> loadedBytes;
    ReselectRequest reselect;
};

// A copy with a record of its own, for a window that works on the copy and hands it back.
WorkingCopy copyOf(const WorkingCopy& copy);

// What New, Modify, Copy and Print do to the working copy before they hand it on. A read that
// fails leaves the working copy, its flags included, as it was.

// An empty record with the given page layout, to be appended when saved.
void startNewPuzzle(WorkingCopy& copy, const PageLayoutRecord& layout);
// The stored record, to replace it when saved.
Status loadForModify(WorkingCopy& copy, const CollectionFile& collection, int recordIndex);
// The stored record under its copy name, with no word placed, to be appended when saved.
Status loadForCopy(WorkingCopy& copy, const CollectionFile& collection, int recordIndex);
// The stored record only; the save flags stay as they are.
Status loadForPrint(WorkingCopy& copy, const CollectionFile& collection, int recordIndex);

inline constexpr const char* kUnableToSave = "Unable to save puzzle.";

// The writing of the working copy: appended when IsNewPuzzle, written over RecordIndex otherwise.
// The value is the index of the record: where it now lies, or for a refused replacement where it
// was to go. On success the reselect request names the record's category and title. Refused, with
// its failure, when nothing was written: "Unable to save puzzle.", or the collection changed
// elsewhere; failed on any other input/output failure, which may have happened part way.
Outcome<int> StoreWorkingCopy(WorkingCopy& copy, CollectionFile& collection);

}  // namespace qm
