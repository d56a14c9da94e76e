// The page layout list on the starter layouts with three of them chosen in turn, and the window
// that extracts a puzzle's layout, over a collection of three puzzles.
#include <QListWidget>

#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"
#include "layout/page_layout_test_support.h"
#include "layout/ui/page_layout_extract_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "screenshots.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::screenshots {

void takePageLayoutScreenshots(ScreenshotFolder& folder)
{
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    PageLayoutSettings settings;
    const std::filesystem::path collectionPath = dir / "Class.QZ3";
    PageLayoutListContext context{dialogs, style, settings, dir.path(), collectionPath, {}};
    const PageLayoutFile layouts = PageLayoutFile::inDirectory(dir.path());
    std::filesystem::copy_file(QM_STARTER_LAYOUT_FILE, layouts.path());
    require(test::writePuzzlesWithLayouts(collectionPath,
                                          {{"Farm Animals", "Farm"}, {"Planets", "Space"}, {"Capitals", "Maps"}})
                .ok(),
            "cannot write the scratch collection");

    TListPages window(context, PageListMode::PuzzleLayout);
    window.show();
    auto* list = window.findChild<QListWidget*>("ShapeBox");
    require(list != nullptr, "the layout list has its list box");
    const auto shoot = [&](const QString& entry, const QString& file) {
        const auto found = list->findItems(entry, Qt::MatchStartsWith);
        require(!found.isEmpty(), "the starter layouts hold " + entry.toStdString());
        list->setCurrentItem(found.front());
        folder.save(window, file);
    };
    shoot("Worksheet (Letter)", "page-layout-list.png");
    shoot("Landscape", "page-layout-list-landscape.png");
    shoot("Bonus Question", "page-layout-list-bonus.png");

    PageLayoutList target(layouts, settings.DefaultPage);
    TExtractAPuzzle extract(dialogs, style, target, collectionPath);
    extract.show();
    folder.save(extract, "page-layout-extract.png");
}

}  // namespace qm::screenshots
