// The interactive web page of one puzzle, as data: the cells of the shape, the words the page lists
// (in the words, clues, scrambled or partial form the print options choose) with the cells they
// run between, and the hidden phrase. Every text is UTF-8, ready for the page.
#pragma once

#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "output/page/output_settings.h"

namespace qm {

struct PlayCell {
    int row = 0;         // from 1
    int column = 0;      // from 1
    std::string letter;  // empty for a free cell that was never filled
    bool phrase = false; // a free cell whose letter belongs to the hidden phrase
};

struct PlayWord {
    int number = 0;       // the word's place in the record, from 1
    std::string entry;    // as the list prints it (the clue with the Clues option)
    bool placed = false;  // a word that was not placed is listed but cannot be found
    int startCell = 0;    // cell numbers of the record, 1..2500
    int endCell = 0;
};

struct PlayPage {
    std::string title;  // empty when the print options leave it out
    std::string bonusQuestion;
    int width = 0;
    int height = 0;
    bool clues = false;         // the list holds clues, numbered
    bool hiddenPhrase = false;  // the left-over letters spell a phrase
    std::vector<PlayCell> cells;  // row by row
    std::vector<PlayWord> words;  // in list order
};

// The page of the words and entries the printed page lists, with the grid letters as printed
// (lower case when asked); scrambled words take their random numbers from random.
PlayPage ComposePlayPage(const PuzzleRecord& record, const PrintOptions& options, RandomSource& random);

}  // namespace qm
