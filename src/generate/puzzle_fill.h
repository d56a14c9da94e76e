// The letters of the free cells of a generated grid: a hidden phrase typed by the user or random
// capitals, and the checks a phrase must pass first.
#pragma once

#include <string>
#include <string_view>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "generate/form_check.h"
#include "generate/offensive_word_screen.h"

namespace qm {

// A phrase can be chosen only while the grid has at most this many free cells.
inline constexpr int kMaxPhraseLength = 255;

// Cells of the used rectangle whose Letters byte is a space: in the shape, holding no word letter.
int FreeCells(const PuzzleRecord& record);
inline bool phraseAllowed(int freeCells) { return freeCells <= kMaxPhraseLength; }
// "12 Chars", the label beside the phrase edit.
std::string freeCellsLabel(int freeCells);
// "10 typed", beside it: the characters of the phrase as its length check counts them.
std::string typedPhraseLabel(std::string_view typed);

// Where a phrase is typed: the chooser and the phrase dialog word the space refusal apart.
enum class PhraseSource { Chooser, PhraseDialog };

// The phrase with leading and trailing blanks removed, as the checks and the fill take it.
std::string_view phraseText(std::string_view typed);
// A space inside the trimmed phrase, then a length other than freeCells, are refused; the
// focus goes to the phrase edit.
Outcome<FormFocus> CheckPhrase(std::string_view typed, int freeCells, PhraseSource source);

// Writes the phrase into FillLetters of the free cells in reading order, 'a'..'z' raised to
// capitals and every other byte kept. The phrase has passed CheckPhrase; a shorter one fills
// only as far as it reaches.
void fillWithPhrase(PuzzleRecord& record, std::string_view phrase);
// A uniform capital 'A'..'Z' into FillLetters of every free cell.
void fillRandomly(PuzzleRecord& record, RandomSource& random);

// Random fills drawn until the screen finds no offensive word and, when the fill avoids second
// readings, no placed word reads a second time through a fill letter; at most this many in all.
inline constexpr int kRandomFillLimit = 1000;

struct ScreenedFill {
    bool passed = false;  // the fill kept passed the screen
    int fills = 0;        // random fills drawn
    // Second readings through fill letters left in the fill kept: some when the limit was reached.
    int secondReadingsLeft = 0;
};
// Random fill, redrawn while the screen finds an offensive word or, with avoidSecondReadings, a
// placed word reads a second time through a fill letter. When the limit is reached the record
// holds the screened fill with the fewest such readings, or the last fill drawn when none passed
// the screen. Without avoidSecondReadings the first fill that passes the screen is kept.
ScreenedFill fillRandomlyAndScreen(PuzzleRecord& record, const OffensiveWordScreen& screen, RandomSource& random,
                                   bool avoidSecondReadings);
// True when the grid with its fill letters shows an offensive word.
bool showsOffensiveWord(const PuzzleRecord& record, const OffensiveWordScreen& screen);

// The fill the user chose, as the chooser and the hidden-phrase dialog both make it: with
// usePhrase the phrase after its checks (HiddenPhraseUsed set), never redrawn; otherwise random
// letters redrawn as fillRandomlyAndScreen does, refused with RandomFillScreened when no fill
// passed the screen. A refused fill may have changed FillLetters: callers work on a copy or stop.
struct FreeCellsFill : FormFocus {
    int randomFills = 0;         // random fills drawn
    int secondReadingsLeft = 0;  // as ScreenedFill
};
Outcome<FreeCellsFill> fillFreeCells(PuzzleRecord& record, bool usePhrase, std::string_view typed, PhraseSource source,
                                     const OffensiveWordScreen& screen, RandomSource& random, bool avoidSecondReadings);

// The text the hidden-phrase dialog shows first: the fill letters of the free cells in reading
// order, at most 255.
std::string currentPhrase(const PuzzleRecord& record);

}  // namespace qm
