// The texts of the word list, in print order, by the word option: sorted, scrambled or partly
// hidden.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "output/page/output_settings.h"

namespace qm {

inline constexpr int kWordOptionNormal = 1;
inline constexpr int kWordOptionClues = 2;
inline constexpr int kWordOptionScramble = 3;
inline constexpr int kWordOptionPartial = 4;

// The record's words 1..printCount (indexed from 0) in the order the list prints them.
std::vector<int> WordListOrder(const PuzzleRecord& record, int printCount, const PrintOptions& options);

// Words 1..printCount. Normal words (and any option that is none of the others) are sorted on
// their upper-case letters and printed as stored; scrambled words are lower case in stored order;
// partial words are upper case in stored order.
std::vector<std::string> WordListEntries(const PuzzleRecord& record, int printCount, const PrintOptions& options,
                                         RandomSource& random);

// The letters of the word in a random order, A-Z lowered.
std::string ScrambledWord(std::string_view word, RandomSource& random);

// The first and last letters of the word (each count taken as 0..9) with the letters between
// shown as " _" each and a closing space, or as "..."; cut to 60 characters.
std::string PartialWord(std::string_view word, int firstLetters, int lastLetters, bool underscores);

}  // namespace qm
