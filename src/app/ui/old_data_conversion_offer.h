// The start-up offer to convert the puzzles and shapes the previous program version left in the
// working directory. A No leaves the old file, so the question comes again at the next start.
#pragma once

#include <functional>

#include "app/old_data_conversion.h"
#include "common/ui/user_dialogs.h"

namespace qm {

// newPuzzleLayout gives the page layout the converted puzzles get, as new puzzles do.
void offerOldDataConversion(UserDialogs& dialogs, const OldDataFolders& folders,
                            const std::function<PageLayoutRecord()>& newPuzzleLayout);

}  // namespace qm
