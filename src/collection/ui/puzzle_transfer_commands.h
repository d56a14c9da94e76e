// The main window's "&Import Puzzles" and "&Export Puzzles": choosing the file, the checks, and
// the transfer lists; a .QZV file is converted into the open collection at once.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "collection/page_layout_record.h"
#include "collection/working_copy.h"
#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"

class QWidget;

namespace qm {

struct PuzzleTransferContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    std::string& lastImportPuzzleFile;  // start files of the dialogs, kept as chosen
    std::string& lastExportPuzzleFile;
    std::filesystem::path collectionPath;  // the open collection
    WorkingCopy& working;                  // takes a converted puzzle and the reselect request
    // The selection the lists show now: kept by an import of puzzles from another collection.
    ReselectRequest shownSelection;
    // The page layout a converted puzzle gets, as a new puzzle does.
    std::function<PageLayoutRecord()> newPuzzleLayout;
};

// True when puzzles were added to the open collection; the working copy's reselect request then
// says what the lists select once they are listed again.
bool ImportPuzzles(QWidget* parent, PuzzleTransferContext& context);
void ExportPuzzles(QWidget* parent, PuzzleTransferContext& context);

}  // namespace qm
