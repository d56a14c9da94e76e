// What the page layout commands tell the user.
#pragma once

#include "common/refusal.h"
#include "layout/record_kind.h"

namespace qm::PageLayoutMessages {

inline const Refusal NoLayoutsFound{"No saved page layouts could be found.", kWarningCaption};
inline const Refusal NoLayoutChosen{"No layout has been selected.", kErrorCaption};
inline const Refusal NoLayoutSelected{"No page layout selected.", kErrorCaption};
inline const Refusal CannotDelete{"Unable to delete page layout.", "Disk Error"};
inline const Refusal CannotExport{"Page layout could not be exported.", kErrorCaption};
inline const Refusal Exported{"Page Layout Exported!", "OK"};
inline const Refusal CannotImport{"Page layout could not be imported.", kErrorCaption};
inline const Refusal CorruptImport{"Page layout file is corrupt or incompatible.  Import aborted.", kErrorCaption};
inline const Refusal CannotAdd{"Unable to add page layout.", "Disk Error"};
inline const Refusal NoPuzzleSelected{"No puzzles have been selected for export.", kErrorCaption};
inline const Refusal CannotOpenPuzzle{"Unable to open puzzle.", kErrorCaption};
inline constexpr const char* DeleteCaption = "Delete?";
// As the layout list tells them.
inline constexpr RecordMessages List{NoLayoutsFound, NoLayoutSelected, CannotDelete,  CannotExport, Exported,
                                     CannotImport,   CorruptImport,    CannotAdd,     DeleteCaption};

}  // namespace qm::PageLayoutMessages
