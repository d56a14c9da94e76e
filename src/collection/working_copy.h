// The one puzzle the main window holds in memory, and how a save of it is stored.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "collection/puzzle_record.h"

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
    ReselectRequest reselect;
};

}  // namespace qm
