// One puzzle as stored in a collection file: words, clues, grids, placements and page layout.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "collection/page_layout_record.h"
#include "common/stored_text.h"

namespace qm {

inline constexpr int kMaxWords = 330;
inline constexpr int kGridStride = 50;  // a grid row always spans 50 bytes, whatever the width
inline constexpr int kGridCells = kGridStride * kGridStride;

// 50 rows of 50 bytes, row-major. Cell number n = (row-1)*50 + column (1..2500) is byte n-1.
using PuzzleGrid = std::array<std::uint8_t, kGridCells>;

inline constexpr int cellNumber(int row, int column) { return (row - 1) * kGridStride + column; }
inline constexpr int cellRow(int cell) { return (cell - 1) / kGridStride + 1; }
inline constexpr int cellColumn(int cell) { return (cell - 1) % kGridStride + 1; }

// The fields of the record, in file order. Arrays of 330 are indexed from 0 here: slot i of
// the word list (1-based) is element i-1. Numbers keep the values read from the file; the
// clamped accessors are what every consumer uses, so no stored number is trusted.
struct PuzzleRecord {
    static constexpr std::size_t kSize = 95830;

    StoredText<5> VersionTag;
    StoredText<20> Category;
    StoredText<35> Title;
    std::int16_t Width = 15;
    std::int16_t Height = 15;
    PuzzleGrid Letters{};
    PuzzleGrid FillLetters{};
    std::int16_t WordCount = 0;
    std::array<StoredText<30>, kMaxWords> Words{};
    std::array<StoredText<150>, kMaxWords> Clues{};
    std::array<std::int16_t, kMaxWords> StartCell{};
    std::array<std::int16_t, kMaxWords> EndCell{};
    std::array<StoredBool, kMaxWords> Placed{};
    StoredBool Generated;
    StoredText<150> BonusQuestion;
    StoredBool HiddenPhraseUsed;
    PageLayoutRecord Layout;
    std::array<std::uint8_t, 30> Reserved{};

    // Width and Height clamped to the 50 x 50 grid, WordCount to 0..330.
    int usedWidth() const { return std::clamp<int>(Width, 0, kGridStride); }
    int usedHeight() const { return std::clamp<int>(Height, 0, kGridStride); }
    int usedWordCount() const { return std::clamp<int>(WordCount, 0, kMaxWords); }
};

// The longest texts the fields hold: what the editor lets the user type and what a save keeps.
inline constexpr std::size_t kCategoryLimit = decltype(PuzzleRecord::Category)::kCapacity;
inline constexpr std::size_t kTitleLimit = decltype(PuzzleRecord::Title)::kCapacity;
inline constexpr std::size_t kWordLimit = decltype(PuzzleRecord::Words)::value_type::kCapacity;
inline constexpr std::size_t kClueLimit = decltype(PuzzleRecord::Clues)::value_type::kCapacity;
inline constexpr std::size_t kBonusQuestionLimit = decltype(PuzzleRecord::BonusQuestion)::kCapacity;

// The text every writer stores in VersionTag.
inline constexpr const char* kVersionTagText = "3.0g";

}  // namespace qm
