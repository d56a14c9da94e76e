// A new puzzle made without windows, by the road the editor and the chooser take: the editor's
// checks, a generation run, then the best fit filled and stored as the chooser's Save stores it.
// The command-line tool and the build of the sample collection make their puzzles here.
#pragma once

#include <optional>
#include <string>

#include "collection/collection_file.h"
#include "collection/page_layout_record.h"
#include "common/random_source.h"
#include "generate/chosen_puzzle_save.h"
#include "generate/form_check.h"
#include "generate/generation_settings.h"
#include "generate/offensive_word_screen.h"
#include "generate/word_list_form.h"
#include "layout/shape_record.h"

namespace qm {

struct BatchPuzzle {
    WordListForm form;  // title, category, bonus question, rows and the Attempts text
    ShapeRecord shape;
    GenerationSettings settings;  // directions, integration, shrink and packing; Attempts from the form
    PageLayoutRecord layout;
    std::optional<std::string> phrase;  // the hidden phrase, else random fill letters
    bool keepExcluded = false;          // the answer to "Save Puzzle anyway?"
    bool keepOffensivePhrase = false;   // the answer to "Would you like to change the phrase?", negated
    bool avoidSecondReadings = true;    // the setting "Avoid Second Readings"
};

// Refused with the editor's refusal and the control it points at, when its checks did not pass
// (nothing was generated) or the screen rejected every attempt of the run (nothing was stored);
// otherwise the save's ending.
struct BatchPuzzleMade : FormFocus {
    int score = 0;      // words placed in the best fit
    SavedPuzzle saved;  // how the save went, when the checks passed
};

// Appends the puzzle to the collection. working receives the stored record.
Outcome<BatchPuzzleMade> CreateBatchPuzzle(const BatchPuzzle& puzzle, CollectionFile& collection,
                                           const OffensiveWordScreen& screen, RandomSource& random,
                                           WorkingCopy& working);

}  // namespace qm
