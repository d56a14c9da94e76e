// The catalog's windows that move puzzles between collections, on the sample collection.
#include "collection/ui/puzzle_transfer_dialogs.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/window_catalog.h"

namespace qm::test {

void addCollectionWindows(std::vector<CatalogWindow>& catalog)
{
    catalog.push_back({"Import Word Search Puzzles", [](double scale, const WindowLook& look) {
                           TempDir dir;
                           ScriptedDialogs dialogs;
                           UiStyle style;
                           style.scale = scale;
                           TImportPuzzles window(dialogs, style, QM_SAMPLE_COLLECTION, dir / "SCHOOL.QZ3");
                           showAndLook(window, look);
                       }});
    catalog.push_back({"Export Word Search Puzzles", [](double scale, const WindowLook& look) {
                           ScriptedDialogs dialogs;
                           UiStyle style;
                           style.scale = scale;
                           std::string lastExport;
                           TExportPuzzles window(dialogs, style, QM_SAMPLE_COLLECTION, lastExport);
                           showAndLook(window, look);
                       }});
}

}  // namespace qm::test
