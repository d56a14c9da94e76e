// Storing the candidate the user chose: phrase checks, phrase or random fill, the offensive-word
// screen, the excluded-words question, the stamp of the record and the write to the collection.
// The chooser window and quillmaze-cli create both save through here.
#pragma once

#include <filesystem>
#include <string>

#include "collection/collection_file.h"
#include "collection/working_copy.h"
#include "common/random_source.h"
#include "common/result.h"
#include "generate/candidates.h"
#include "generate/form_check.h"
#include "generate/offensive_word_screen.h"

namespace qm {

inline constexpr const char* kOffensivePhraseQuestion =
    "The hidden phrase used has generated an \"offensive\" word in the puzzle.  Would you like to change the phrase?";
inline constexpr const char* kExcludedWordsQuestion =
    "One or more words did not fit into the puzzle.  Save Puzzle anyway?";
inline constexpr const char* kEmptySlotRefusal = "No puzzle was created in this place.  Please select another puzzle.";

// The questions a save asks (caption "Warning", Yes and No).
class SaveQuestions {
public:
    virtual ~SaveQuestions() = default;
    // kOffensivePhraseQuestion: true (Yes) goes back to the phrase, nothing stored.
    virtual bool changeOffensivePhrase() = 0;
    // kExcludedWordsQuestion: true (Yes) stores the puzzle although words are missing.
    virtual bool saveWithExcludedWords() = 0;
};

// What the user chose in the chooser.
struct SaveChoice {
    int slot = 1;  // 1..4
    bool includeHidden = false;
    std::string phrase;  // as typed, Windows-1252 bytes
    // The words typed in the editor, the working record's WordCount when the chooser opened. A
    // save overwrites the working record with the candidate, so a later try cannot read it there.
    int typedWordCount = 0;
    // A random fill is redrawn until no placed word reads a second time through a fill letter.
    bool avoidSecondReadings = true;
};

struct SaveOutcome {
    enum class End {
        Stored,        // written; the chooser and the editor close
        Refused,       // a message (refusal), nothing stored, the chooser stays open
        BackToPhrase,  // the user wants to change an offensive phrase: focus the phrase edit
        NotWritten,    // excluded words and the user said No: stamped but not written
        CannotSave,    // "Unable to save puzzle.": nothing written, the chooser closes
        IoFailure,     // another input/output failure: report it with the file and reason
    } end = End::Stored;
    FormCheck refusal;    // Refused and CannotSave
    Failure failure;      // CannotSave and IoFailure
    int recordIndex = 0;  // Stored
    int randomFills = 0;  // random fills drawn before the screen passed
    // From the fill on: the second readings of the filled grid, of word letters and fill letters.
    int secondReadings = 0;
    // The random fills ran out with second readings through fill letters left: the user is told.
    bool secondReadingsLeft = false;
};

// The save of slot choice.slot into the working copy's record and the collection, the random fill
// put to the offensive-word screen. From the first step on the working record holds the chosen
// candidate, also when the save stops on a message.
SaveOutcome SaveChosenPuzzle(const Candidates& candidates, const SaveChoice& choice, WorkingCopy& copy,
                             CollectionFile& collection, const OffensiveWordScreen& screen, RandomSource& random,
                             SaveQuestions& questions);

}  // namespace qm
