// The answers of a play page, kept out of plain sight: each word's first and last cell as a
// number mixed with a key made from the grid's letters. The page's script undoes it; a curious
// child reading the page's source sees only numbers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "output/play/play_page.h"

namespace qm {

// FNV-1a over the character codes of the shape's letters, row by row (0 for an empty cell).
std::uint32_t AnswerKeyOf(const PlayPage& page);

// The mask of entry slot: slots 0.. are the listed words, 1000.. the cells of the hidden phrase.
std::uint32_t AnswerMask(std::uint32_t key, std::uint32_t slot);

inline constexpr std::uint32_t kPhraseSlots = 1000;

// One base-36 number per listed word ("-" for a word that cannot be found), separated by spaces:
// (first cell << 12 | last cell) with the slot's mask mixed in. Cells are numbered
// (row-1)*50 + column.
std::string EncodedWords(const PlayPage& page, std::uint32_t key);
// The cells of the hidden phrase, one base-36 number each.
std::string EncodedPhrase(const PlayPage& page, std::uint32_t key);

}  // namespace qm
