// What a record type of a typed record file says of itself in plain values: its file, its sizes
// and limits, and what its list tells the user.
#pragma once

#include <cstddef>

#include "common/refusal.h"

namespace qm {

struct RecordFileFacts {
    const char* fileName;    // "QZFLAY.DAT"
    const char* fileTitle;   // "shape file", as a refusal names it
    const char* plural;      // "shapes"
    std::size_t recordSize;  // bytes of one record
    std::size_t headingSize; // the first bytes of a record that a list reads
    int maxRecords;          // the most a list takes and an append allows
    std::size_t nameLimit;   // the longest name a copy gets, " (2)" included
};

struct RecordMessages {
    const Refusal& NoneFound;
    const Refusal& NoneSelected;
    const Refusal& CannotDelete;
    const Refusal& CannotExport;
    const Refusal& Exported;
    const Refusal& CannotImport;
    const Refusal& CorruptImport;
    const Refusal& CannotAdd;
    const char* DeleteCaption;
};

}  // namespace qm
