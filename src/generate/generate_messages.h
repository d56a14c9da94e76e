// What the word list editor, its word and clue files, the candidate chooser and the hidden-phrase
// dialog tell the user and ask, with their captions; the command-line tool says the same.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/refusal.h"

namespace qm::GenerateMessages {

// The checks of Create and Save.
inline const Refusal NoTitle{"No title specified.  Please correct.", kErrorCaption};
inline const Refusal NoCategory{"No category specified.  Please correct.", kErrorCaption};
inline const Refusal NoWords{"No words have been entered.  Please correct.", kErrorCaption};
inline const Refusal AttemptsOutOfRange{"Attempts must be between 1 and 999.  Please correct.", kErrorCaption};
// A word, as stored, longer than the larger side of the shape.
Refusal wordTooLong(std::string_view word, std::size_t largestSide);
// A clue, trimmed, longer than a record holds by excess characters.
Refusal clueTooLong(std::string_view word, std::size_t excess);

// After a run whose every attempt the offensive-word screen rejected.
inline constexpr const char* EveryAttemptScreened =
    "Every creation attempt spelled an \"offensive\" word, so no puzzle was created.";
// The word that spells a screened word by itself.
Refusal screenedWord(std::string_view word);
// No word does by itself: their crossings spelled them.
inline const Refusal ScreenedCrossings{std::string(EveryAttemptScreened) +
                                           "  Please change some of the words or the directions and try again.",
                                       kErrorCaption};

// The row commands and Exit, asked with Yes and No (Exit also with Cancel).
inline const Refusal AllWordsCleared{"All words are already cleared.", kErrorCaption};
inline const Refusal DeleteAllQuestion{"This will remove all words and clues.  Continue?", kWarningCaption};
inline const Refusal ModifiedQuestion{"Puzzle has been modified.  Save changes?", kWarningCaption};

// The hidden phrase. The chooser and the phrase dialog word the space refusal apart.
inline const Refusal ChooserPhraseSpaces{"Spaces were used in the hidden phrase.", kErrorCaption};
inline const Refusal DialogPhraseSpaces{"Spaces were used in the hidden phrase.  Please correct.", kErrorCaption};
Refusal phraseLength(int freeCells, std::size_t typed);
// Beside the disabled phrase edit of a grid with more free cells than a phrase can fill.
inline constexpr const char* TooManyFreeCellsNote = "More than 255 free cells: random letters fill them.";
inline const Refusal RandomFillScreened{"The random letters keep forming an \"offensive\" word in the puzzle.  Please "
                                        "select another puzzle or use a hidden phrase.",
                                        kErrorCaption};
// The random letters could not be drawn free of second readings; the puzzle is stored all the same.
Refusal secondReadingsLeft(int secondReadings);

// The chooser's Save; the questions are asked with Yes and No.
inline const Refusal EmptySlot{"No puzzle was created in this place.  Please select another puzzle.", kErrorCaption};
inline const Refusal OffensivePhraseQuestion{
    "The hidden phrase used has generated an \"offensive\" word in the puzzle.  Would you like to change the phrase?",
    kWarningCaption};
inline const Refusal ExcludedWordsQuestion{"One or more words did not fit into the puzzle.  Save Puzzle anyway?",
                                           kWarningCaption};

// The word and clue files.
inline const Refusal CannotOpenImport{"Unable to open import file.", kErrorCaption};
inline const Refusal NoSeparator{"No word/clue seperator character specified.", kErrorCaption};  // a blank edit
// Asked with Yes and No when the lines selected would take the words past 330 by excess.
Refusal tooManyWords(std::int64_t excess);
// The lines that held characters a puzzle cannot store, naming the first ten: Lines 4 and 9 hold
// characters that a puzzle cannot store.  They are replaced by "?".
Refusal unstorableLines(const std::vector<int>& lineNumbers);
inline const Refusal NothingToExport{"No words/clues selected for output.  Please select the desired words/clues.",
                                     kErrorCaption};
inline const Refusal CannotCreateExport{"Unable to create export file.", kErrorCaption};

}  // namespace qm::GenerateMessages
