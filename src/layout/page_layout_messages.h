// What the page layout commands tell the user.
#pragma once

#include "layout/command_outcome.h"

namespace qm::PageLayoutMessages {

inline constexpr MessageText NoLayoutsFound{"No saved page layouts could be found.", "Warning"};
inline constexpr MessageText NoLayoutChosen{"No layout has been selected.", "Error"};
inline constexpr MessageText NoLayoutSelected{"No page layout selected.", "Error"};
inline constexpr MessageText CannotDelete{"Unable to delete page layout.", "Disk Error"};
inline constexpr MessageText CannotExport{"Page layout could not be exported.", "Error"};
inline constexpr MessageText Exported{"Page Layout Exported!", "OK"};
inline constexpr MessageText CannotImport{"Page layout could not be imported.", "Error"};
inline constexpr MessageText CorruptImport{"Page layout file is corrupt or incompatible.  Import aborted.", "Error"};
inline constexpr MessageText CannotAdd{"Unable to add page layout.", "Disk Error"};
inline constexpr MessageText NoPuzzleSelected{"No puzzles have been selected for export.", "Error"};
inline constexpr MessageText CannotOpenPuzzle{"Unable to open puzzle.", "Error"};
inline constexpr const char* DeleteCaption = "Delete?";

}  // namespace qm::PageLayoutMessages
