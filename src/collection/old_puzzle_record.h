// One puzzle of the previous program version, as its single-puzzle files (.QZV) and its puzzle
// file QZFUPUZZ.DAT store it, and its conversion into a puzzle of this version.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "collection/puzzle_record.h"
#include "common/stored_text.h"

namespace qm {

inline constexpr int kOldWordLimit = 20;

// The fields the conversion takes over; the bytes between them are unused. Numbers keep the
// values read: the conversion clamps them.
struct OldPuzzleRecord {
    static constexpr std::size_t kSize = 10809;

    StoredText<50> Title;
    std::int16_t GridSize = 0;  // the grid is square
    PuzzleGrid Letters{};
    std::int16_t WordCount = 0;
    std::array<StoredText<kOldWordLimit>, kMaxWords> Words{};
    std::array<std::int16_t, kMaxWords> StartCell{};
    std::array<std::int16_t, kMaxWords> EndCell{};
};

namespace OldPuzzleRecordOffsets {
inline constexpr std::size_t Title = 0;
inline constexpr std::size_t GridSize = 51;
inline constexpr std::size_t Letters = 55;
inline constexpr std::size_t WordCount = 2555;
inline constexpr std::size_t Words = 2559;      // 330 x 21
inline constexpr std::size_t StartCell = 9489;  // 330 x 2
inline constexpr std::size_t EndCell = 10149;   // 330 x 2
}  // namespace OldPuzzleRecordOffsets

using OldPuzzleRecordImage = std::span<const std::uint8_t, OldPuzzleRecord::kSize>;

void decodeOldPuzzleRecord(OldPuzzleRecordImage image, OldPuzzleRecord& record);

// The category every converted puzzle is listed under.
inline constexpr const char* kConvertedCategory = "Version 2.0 Puzzles";

// The puzzle of this version an old one becomes: printed through the given page layout, listed
// under "Version 2.0 Puzzles", generated, every word placed, no clues. Stored numbers are
// clamped (grid size to 1..50, word count to 0..330, cells to 1..2500), so the puzzle is safe
// for every window and the renderer. The old grid fills the empty cells too, so the puzzle
// looks as it did.
std::unique_ptr<PuzzleRecord> convertOldPuzzle(const OldPuzzleRecord& old, const PageLayoutRecord& layout);

}  // namespace qm
