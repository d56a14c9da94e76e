// What New, Modify, Copy and Print do to the working copy before they hand it on. A read that
// fails leaves the working copy, its flags included, as it was.
#pragma once

#include "collection/collection_file.h"
#include "collection/working_copy.h"
#include "common/result.h"

namespace qm {

inline constexpr int kTitleLimit = 35;

// An empty record with the given page layout, to be appended when saved.
void startNewPuzzle(WorkingCopy& copy, const PageLayoutRecord& layout);
// The stored record, to replace it when saved.
Status loadForModify(WorkingCopy& copy, const CollectionFile& collection, int recordIndex);
// The stored record under its copy name, with no word placed, to be appended when saved.
Status loadForCopy(WorkingCopy& copy, const CollectionFile& collection, int recordIndex);
// The stored record only; the save flags stay as they are.
Status loadForPrint(WorkingCopy& copy, const CollectionFile& collection, int recordIndex);

}  // namespace qm
