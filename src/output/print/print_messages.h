// What the user is told when a puzzle cannot be put on paper as asked: by the main window's
// Print Puzzle, the print options and the command-line tool alike.
#pragma once

#include "common/refusal.h"

namespace qm::PrintMessages {

inline const Refusal CannotLoadPuzzle{"Unable to load puzzle.", kErrorCaption};
inline const Refusal NeverGenerated{"A puzzle has never been generated for this word/clue list. Please select "
                                    "\"File|Modify\" from the menu and create the puzzle first",
                                    kWarningCaption};
inline const Refusal InvalidColumns{"Invalid number of columns specified.", kErrorCaption};
inline const Refusal InvalidPictureWidth{"Invalid width specified.  Please correct.", kErrorCaption};

}  // namespace qm::PrintMessages
