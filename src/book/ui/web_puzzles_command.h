// The main window's "Save Collection as Web Puzzles...": the save dialog for the index page, then
// a play page for every generated puzzle of the collection beside it, and what was written.
#pragma once

#include <filesystem>

#include "common/ui/user_dialogs.h"
#include "output/page/output_settings.h"

namespace qm {

struct WebPuzzlesContext {
    UserDialogs& dialogs;
    HtmlSettings& html;         // whether the pages offer Show answers; the last index file chosen
    const PrintOptions& print;  // the print options of the Reports dialog
    std::filesystem::path collectionPath;
};

// True when the pages were written.
bool SaveCollectionAsWebPuzzles(WebPuzzlesContext& context);

}  // namespace qm
