// How the word list editor's Create command runs the generator: inside the progress dialog when
// several attempts or the packing search are asked for, directly under the wait cursor otherwise.
#pragma once

#include "common/ui/ui_style.h"
#include "generate/build_puzzles.h"

class QWidget;

namespace qm {

// One generation run over the working record (only read) into the four candidates, each attempt
// put to the screen of the list the caller read before the run. random may be null: the run then
// draws from a generator seeded from the clock, as every run from the editor does. Returns when
// the run has ended and, with the dialog, the user has closed it.
Outcome<GenerationRun> runGeneration(QWidget* parent, const UiStyle& style, const PuzzleRecord& working,
                                     const ShapeRecord& shape, const GenerationSettings& settings,
                                     const OffensiveWordScreen& screen, Candidates& candidates,
                                     RandomSource* random = nullptr);

}  // namespace qm
