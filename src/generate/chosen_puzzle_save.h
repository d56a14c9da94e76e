// Storing the candidate the user chose: phrase checks, phrase or random fill, the offensive-word
// screen, the excluded-words question, the stamp of the record and the write to the collection.
// The chooser window and quillmaze-cli create both save through here.
#pragma once

#include <filesystem>
#include <string>

#include "collection/collection_file.h"
#include "collection/working_copy.h"
#include "common/command_outcome.h"
#include "common/random_source.h"
#include "generate/candidates.h"
#include "generate/offensive_word_screen.h"

namespace qm {

// The questions a save asks (caption "Warning", Yes and No).
class SaveQuestions {
public:
    virtual ~SaveQuestions() = default;
    // GenerateMessages::OffensivePhraseQuestion: true (Yes) goes back to the phrase, nothing stored.
    virtual bool changeOffensivePhrase() = 0;
    // GenerateMessages::ExcludedWordsQuestion: true (Yes) stores the puzzle although words are missing.
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

// What the chooser does once a save has ended.
enum class ChooserStep {
    StayOpen,      // nothing stored: after a refusal, No to the excluded-words question, an I/O failure
    BackToPhrase,  // nothing stored, the focus goes to the phrase edit: a refused phrase, or the user
                   // wants to change a phrase that forms an offensive word
    Close,         // stored; or refused with "Unable to save puzzle.", nothing written
};

// Done: stored. Refused: a message, nothing stored; with the cause in failure when the collection
// could not be written. Cancelled: the user wants to change an offensive phrase (BackToPhrase), or
// said No to storing a puzzle with excluded words (stamped but not written). Failed: another
// input/output failure, reported with the file and reason.
struct SavedPuzzle {
    ChooserStep next = ChooserStep::StayOpen;
    int recordIndex = 0;  // Done
    int randomFills = 0;  // random fills drawn before the screen passed
    // From the fill on: the second readings of the filled grid, of word letters and fill letters.
    int secondReadings = 0;
    // The random fills ran out with second readings through fill letters left: the user is told.
    bool secondReadingsLeft = false;
};

// The save of slot choice.slot into the working copy's record and the collection, the random fill
// put to the offensive-word screen. From the first step on the working record holds the chosen
// candidate, also when the save stops on a message.
Outcome<SavedPuzzle> SaveChosenPuzzle(const Candidates& candidates, const SaveChoice& choice, WorkingCopy& copy,
                                      CollectionFile& collection, const OffensiveWordScreen& screen,
                                      RandomSource& random, SaveQuestions& questions);

}  // namespace qm
