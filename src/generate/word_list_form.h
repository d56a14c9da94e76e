// The word list editor's contents as plain data, and the rules that turn them into the working
// record: packing of the rows, the checks of Create and Save, the change test of Exit and the
// row commands. The editor window only shows what these decide.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "collection/puzzle_record.h"
#include "common/direction.h"
#include "generate/form_check.h"
#include "generate/generation_settings.h"
#include "layout/shape_record.h"

namespace qm {

struct GenerationRun;

// Edits that let the user type less than the record's field holds.
inline constexpr std::size_t kBonusQuestionEditLimit = 120;  // what the edit lets the user type
inline constexpr std::size_t kAttemptsEditLimit = 3;

// One row of the words-and-clues grid, texts as typed (Windows-1252 bytes).
struct WordListRow {
    std::string Word;
    std::string Clue;
    bool Used = false;  // the "U" column: the word is placed in the stored grid
};

// Grid rows 1..330 are elements 0..329.
using WordListRows = std::array<WordListRow, kMaxWords>;

struct WordListForm {
    std::string Title;
    std::string Category;
    std::string BonusQuestion;
    WordListRows Rows;
    // The generation settings the form shows; the window writes every change into the
    // program's settings at once.
    bool UseClues = true;
    DirectionSet Directions{true, true, true, true, true, true, true, true};
    int Integration = kMaxIntegration;
    std::string AttemptsText = "1";
    bool Shrink = false;
    bool PlaceEveryWord = false;
    int PackingSeconds = kDefaultPackingSeconds;
};

// The form filled from the record (title, category, bonus question, all 330 word and clue
// slots with their "U" marks) and from the generation settings.
WordListForm formFromRecord(const PuzzleRecord& record, const WordListSettings& settings);
// The rows only, from all 330 slots of the record.
void fillRowsFromRecord(WordListForm& form, const PuzzleRecord& record);
// The form's generation settings written into the program's settings; Attempts only when
// the text reads as 1..999.
void storeFormSettings(const WordListForm& form, WordListSettings& settings);

// The number of rows whose word, trimmed, is not empty.
int GetWordCount(const WordListForm& form);
int countWords(const WordListRows& rows);

// The number the Attempts edit holds: leading blanks skipped, the leading digits taken,
// anything behind them ignored; a text without a leading number is 0. "12x" is 12.
int attemptsOf(std::string_view text);
// The Attempts check of Create: the number read must be 1..999.
Outcome<FormFocus> CheckAttempts(std::string_view text);

// Title, category and bonus question trimmed and cut to their fields; the rows with a non-empty
// word packed into slots 1..WordCount (trimmed, cut to 30 and 150), their clues beside them;
// a clue beside an empty word is dropped; every later slot emptied. Nothing else of the
// record changes.
void SetValues(const WordListForm& form, PuzzleRecord& working);

// "Use Clues" switched on or off: the rows go into the record's 330 slots as typed (words cut to
// 30, clues cut to 150), then the rows are rebuilt from the record. Rows keep their clues
// while the clue column is hidden, so the clues survive switching off and on, also across a
// delete of a row in between.
void AdjustWordClues(WordListForm& form, PuzzleRecord& working, bool useClues);

// The checks of "&Create", in order; the first that fails gives its message and focus. When all
// pass, attempts holds the number of creation attempts read from the form.
struct CheckedCreate : FormFocus {
    int attempts = 0;
};
Outcome<CheckedCreate> CheckCreate(const WordListForm& form, const ShapeRecord& shape);
// What Create does to the working record once its checks pass: the size of the shape, then
// the form's values as SetValues stores them.
void PrepareCreate(const WordListForm& form, const ShapeRecord& shape, PuzzleRecord& working);

// After the generation run of Create: refused when the screen rejected every attempt, which
// leaves no candidate to choose. When a word of the form spells a screened word by itself the
// message names it and the focus goes to its cell.
Outcome<FormFocus> CheckScreenedRun(const WordListForm& form, const GenerationRun& run);

// The checks of "Sa&ve" in modify mode: title, then category.
Outcome<FormFocus> CheckSave(const WordListForm& form);

// True when the edited record differs from the reference copy in the bonus question, title,
// category, any of the 330 words and clues, or the header of the page layout. The caller runs
// SetValues into edited first.
bool PuzzleChanged(const PuzzleRecord& reference, const PuzzleRecord& edited);
// The page layout header fields the change test looks at: name, paper name, page width and
// height, pixel width and height, units, object count, orientation and zoom.
bool PageLayoutHeaderChanged(const PageLayoutRecord& reference, const PageLayoutRecord& edited);

// "De&lete" on grid row 1..330: every later row moves up one, the last row is emptied.
void deleteRow(WordListForm& form, int row);
// "Delete &All": refused when no word is typed; otherwise the question to ask.
Outcome<FormFocus> CheckDeleteAll(const WordListForm& form);
// Empties every word and clue; the "U" marks stay.
void clearAllWords(WordListForm& form);

}  // namespace qm
