#include "app/main_window.h"
#include "app/main_window_links.h"
#include "layout/page_layout_list_window.h"
#include "layout/shape_list_window.h"

namespace qm {

MainWindowLinks programLinks()
{
    MainWindowLinks links;
    links.puzzleShapes = [](TMainWin& window) {
        ShapeListContext context{window.dialogs(), window.uiStyle(), window.settings(), window.currentShape(),
                                 window.programDirectory()};
        runShapeList(&window, context);
    };
    links.pageLayouts = [](TMainWin& window) {
        PageLayoutListContext context{window.dialogs(), window.uiStyle(), window.settings(), window.programDirectory(),
                                      window.collectionPath()};
        runPageLayoutList(&window, context, PageListMode::Manage);
    };
    // The word list editor, print options, puzzle transfer, exports, spelling,
    // thesaurus and tips connect here as they are built.
    return links;
}

}  // namespace qm
