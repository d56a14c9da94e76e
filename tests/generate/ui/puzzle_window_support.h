// Records and candidates for the tests of the editor and the chooser, drawn as rows of text:
// '.' is a cell outside the shape, ' ' a free cell, any other character a word letter.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "generate/candidates.h"

namespace qm::test {

inline void drawLetters(PuzzleRecord& record, const std::vector<std::string>& rows)
{
    record.Letters.fill(0);
    record.Height = static_cast<std::int16_t>(rows.size());
    record.Width = static_cast<std::int16_t>(rows.empty() ? 0 : rows[0].size());
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            record.Letters[r * kGridStride + c] = rows[r][c] == '.' ? 0 : static_cast<std::uint8_t>(rows[r][c]);
}

inline void setWords(PuzzleRecord& record, std::initializer_list<const char*> words, int wordCount)
{
    int slot = 0;
    for (const char* word : words) record.Words[slot++].assign(word);
    record.WordCount = static_cast<std::int16_t>(wordCount);
}

// Slot 1..4 gets a copy of base with the grid drawn, the score and the placed flags of the
// typed words.
inline void fillSlot(Candidates& candidates, int slot, const PuzzleRecord& base, const std::vector<std::string>& rows,
                     int score, std::initializer_list<bool> placed)
{
    CandidateSlot& target = candidates.Slots[slot - 1];
    *target.Record = base;
    drawLetters(*target.Record, rows);
    target.Record->WordCount = static_cast<std::int16_t>(score);
    target.Score = score;
    target.PlacedFlags.fill(false);
    int t = 0;
    for (bool flag : placed) target.PlacedFlags[t++] = flag;
}

// Byte offsets of the stored record, worked out from the field sizes of the file format.
inline constexpr std::size_t kVersionTagAt = 0;
inline constexpr std::size_t kTitleAt = 27;
inline constexpr std::size_t kLettersAt = 67;
inline constexpr std::size_t kFillLettersAt = 2567;
inline constexpr std::size_t kWordCountAt = 5067;
inline constexpr std::size_t kWordsAt = 5069;   // 330 texts of 31 bytes
inline constexpr std::size_t kCluesAt = 15299;  // 330 texts of 151 bytes
inline constexpr std::size_t kPlacedAt = 66449;
inline constexpr std::size_t kGeneratedAt = 66779;
inline constexpr std::size_t kHiddenPhraseUsedAt = 66931;
inline constexpr std::size_t kLayoutAt = 66932;

inline std::size_t gridAt(std::size_t grid, int row, int column)
{
    return grid + static_cast<std::size_t>(cellNumber(row, column) - 1);
}
inline std::string storedText(const std::string& bytes, std::size_t at)
{
    return bytes.substr(at + 1, static_cast<unsigned char>(bytes[at]));
}

}  // namespace qm::test
