// Second readings found the plain way, as a test oracle for the program's one-pass scan: every
// placed word tried from every cell in all eight directions, each find compared cell by cell with
// the placements.
#pragma once

#include <string>
#include <vector>

#include "collection/puzzle_record.h"

namespace qm::test {

struct PlainReading {
    std::string word;        // the word's letters as they read in the grid
    std::vector<int> cells;  // 0-based grid indexes, in reading order
    bool usesFill = false;   // one of the cells is a free cell
};

// Every place, other than inside a placement of a placed word (words 1..WordCount), where a
// placed word reads in the used rectangle: a cell shows its Letters byte, or FillLetters where
// Letters holds a space. The same word on the same cells is listed once.
std::vector<PlainReading> plainSecondReadings(const PuzzleRecord& record);
int plainReadingsUsingFill(const PuzzleRecord& record);

}  // namespace qm::test
