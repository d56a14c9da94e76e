// The puzzle a page layout is tried out with before it is saved.
#pragma once

#include <filesystem>
#include <memory>

#include "collection/puzzle_record.h"
#include "common/refusal.h"

namespace qm {

// The collection the program ships beside it, generated when the program is built.
inline constexpr const char* kSampleCollectionName = "SAMPLE.QZ3";

inline const Refusal NoSamplePuzzle{
    "There is no generated puzzle to show the page layout with.  Generate a puzzle first.", kNoticeCaption};

// The first generated puzzle of a collection file, skipping records that cannot be read;
// nothing when it has none or the file cannot be opened.
std::unique_ptr<PuzzleRecord> firstGeneratedPuzzle(const std::filesystem::path& collection);

// The first generated puzzle of the open collection (which may be empty), else that of the
// sample collection in the program directory; nothing when neither has one.
std::unique_ptr<PuzzleRecord> samplePuzzle(const std::filesystem::path& collection,
                                           const std::filesystem::path& programDirectory);

}  // namespace qm
