// The preview's "Save as Interactive Web Page...": the save dialog, then the page to play in the browser,
// made from the print copy and the print options the preview shows.
#pragma once

#include <string>

#include "collection/puzzle_record.h"
#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"

namespace qm {

struct PlayPageExportContext {
    UserDialogs& dialogs;
    HtmlSettings& html;  // the last file chosen, and whether the page offers Show answers
    const PrintOptions& print;
    const PuzzleRecord& puzzle;
};

// True when the page was written.
bool runPlayPageExport(PlayPageExportContext& context);

}  // namespace qm
