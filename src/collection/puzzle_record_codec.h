// Reads and writes a PuzzleRecord at the exact byte offsets of the collection file format.
#pragma once

#include <cstdint>
#include <span>

#include "collection/puzzle_record.h"

namespace qm {

// Byte offsets of the fields inside the 95830-byte record.
namespace PuzzleRecordOffsets {
inline constexpr std::size_t VersionTag = 0;
inline constexpr std::size_t Category = 6;
inline constexpr std::size_t Title = 27;
inline constexpr std::size_t Width = 63;
inline constexpr std::size_t Height = 65;
inline constexpr std::size_t Letters = 67;
inline constexpr std::size_t FillLetters = 2567;
inline constexpr std::size_t WordCount = 5067;
inline constexpr std::size_t Words = 5069;       // 330 x 31
inline constexpr std::size_t Clues = 15299;      // 330 x 151
inline constexpr std::size_t StartCell = 65129;  // 330 x 2
inline constexpr std::size_t EndCell = 65789;    // 330 x 2
inline constexpr std::size_t Placed = 66449;     // 330 x 1
inline constexpr std::size_t Generated = 66779;
inline constexpr std::size_t BonusQuestion = 66780;
inline constexpr std::size_t HiddenPhraseUsed = 66931;
inline constexpr std::size_t Layout = 66932;
inline constexpr std::size_t Reserved = 95800;
}  // namespace PuzzleRecordOffsets

using PuzzleRecordImage = std::span<const std::uint8_t, PuzzleRecord::kSize>;
using MutablePuzzleRecordImage = std::span<std::uint8_t, PuzzleRecord::kSize>;

void decodePuzzleRecord(PuzzleRecordImage image, PuzzleRecord& record);
void encodePuzzleRecord(const PuzzleRecord& record, MutablePuzzleRecordImage image);

}  // namespace qm
