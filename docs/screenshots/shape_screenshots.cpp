// The shape list on the starter shapes with the Heart chosen, and the shape editor on it.
#include <QListWidget>

#include "layout/ui/shape_editor_dialog.h"
#include "layout/ui/shape_list_scene.h"
#include "screenshots.h"

namespace qm::screenshots {

void takeShapeScreenshots(ScreenshotFolder& folder)
{
    test::ShapeListScene scene;
    std::filesystem::copy_file(QM_STARTER_SHAPE_FILE, scene.shapeFile().path());

    TSelectShapes list(scene.context);
    list.show();
    auto* box = list.findChild<QListWidget*>("ShapeBox");
    require(box != nullptr, "the shape list has its list box");
    for (int i = 0; i < box->count(); ++i)
        if (box->item(i)->text().endsWith("Heart")) box->setCurrentRow(i);
    require(scene.current.Name.text() == "Heart", "the starter shapes hold a Heart");
    folder.save(list, "shape-list.png");

    TDoShapes editor(scene.dialogs, scene.style, scene.shapeFile(), {ShapeEditMode::Modify, scene.current, 9});
    editor.show();
    folder.save(editor, "shape-editor.png");
}

}  // namespace qm::screenshots
