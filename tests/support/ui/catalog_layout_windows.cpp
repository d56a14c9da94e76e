// The catalog's windows of shapes and page layouts: the shape list and the shape editor on the
// starter shapes, the layout list in its modes, the extract window, the Page Creator with one
// object of each kind, and the dialogs of its objects.
#include <QApplication>

#include "layout/page_layout_file.h"
#include "layout/page_layout_list.h"
#include "layout/page_layout_test_support.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_extract_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_object_dialogs.h"
#include "layout/ui/shape_editor_dialog.h"
#include "layout/ui/shape_list_scene.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"
#include "support/ui/window_catalog.h"

namespace qm::test {
namespace {

// One object of each kind, down the page at medium zoom, in the order of the kinds.
PageLayoutRecord everyKind()
{
    PageLayoutRecord layout = makeBuiltInPageLayout();
    layout.Name.assign("Every Object");
    layout.Zoom = 2;
    const PageObjectKind kinds[] = {PageObjectKind::Title,     PageObjectKind::Puzzle, PageObjectKind::Words,
                                    PageObjectKind::Bonus,     PageObjectKind::Text,   PageObjectKind::Bitmap,
                                    PageObjectKind::Rectangle, PageObjectKind::Circle};
    int k = 0;
    for (const PageObjectKind kind : kinds) {
        PageObject& object = layout.Objects[static_cast<std::size_t>(k)];
        object = makePageObject(kind, "Object " + std::to_string(k + 1));
        object.Bounds = {54, 30 + 90 * k, 450, 110 + 90 * k};
        ++k;
    }
    layout.ObjectCount = static_cast<std::int16_t>(k);
    return layout;
}

// The layout list's world: the starter layouts and a collection of three puzzles.
struct LayoutScene {
    explicit LayoutScene(double scale)
    {
        style.scale = scale;
        std::filesystem::copy_file(QM_STARTER_LAYOUT_FILE, PageLayoutFile::inDirectory(dir.path()).path());
        writePuzzlesWithLayouts(collectionPath, {{"Farm Animals", "Farm"}, {"Planets", "Space"}});
    }

    TempDir dir;
    ScriptedDialogs dialogs;
    UiStyle style;
    std::filesystem::path collectionPath = dir / "Class.QZ3";
    PageLayoutListContext context{dialogs,
                                  style,
                                  {},
                                  dir.path(),
                                  collectionPath,
                                  [](const QString&) {},
                                  [](QWidget*, const PageLayoutRecord&) {}};
    PageLayoutSettings& settings = context.settings;
};

void openShapeList(double scale, const WindowLook& look)
{
    ShapeListScene scene;
    scene.style.scale = scale;
    std::filesystem::copy_file(QM_STARTER_SHAPE_FILE, scene.shapeFile().path());
    TSelectShapes list(scene.context);
    showAndLook(list, look);
}

void openShapeEditor(double scale, const WindowLook& look)
{
    ShapeListScene scene;
    scene.style.scale = scale;
    std::filesystem::copy_file(QM_STARTER_SHAPE_FILE, scene.shapeFile().path());
    TDoShapes editor(scene.dialogs, scene.style, scene.shapeFile(), {ShapeEditMode::New, makeNewShape(), -1});
    showAndLook(editor, look);
}

void openLayoutList(PageListMode mode, double scale, const WindowLook& look)
{
    LayoutScene scene(scale);
    TListPages list(scene.context, mode, makeBuiltInPageLayout());
    showAndLook(list, look);
}

void openPageCreator(double scale, const WindowLook& look)
{
    LayoutScene scene(scale);
    scene.settings.DesignerWindowWidth = 900;
    scene.settings.DesignerWindowHeight = 700;
    const PageLayoutRecord layout = everyKind();
    scene.settings.Zoom = layout.Zoom;
    TDoPages designer(scene.context, PageLayoutEditRequest{LayoutEditMode::Modify, layout, 0});
    showAndLook(designer, look);
}

// An object dialog over object k (0-based) of the layout with every kind.
template <typename Dialog>
CatalogWindow objectDialog(const char* name, int k)
{
    return {name, [k](double scale, const WindowLook& look) {
                ScriptedDialogs dialogs;
                UiStyle style;
                style.scale = scale;
                const PageLayoutRecord layout = everyKind();
                Dialog dialog(dialogs, style, layout.Objects[static_cast<std::size_t>(k)]);
                showAndLook(dialog, look);
            }};
}

}  // namespace

void addLayoutWindows(std::vector<CatalogWindow>& catalog)
{
    catalog.push_back({"Puzzle Shapes", openShapeList});
    catalog.push_back({"Shape Creator", openShapeEditor});
    catalog.push_back({"Puzzle Page Layouts (management)", [](double scale, const WindowLook& look) {
                           openLayoutList(PageListMode::Manage, scale, look);
                       }});
    catalog.push_back({"Puzzle Page Layouts (the puzzle's layout)", [](double scale, const WindowLook& look) {
                           openLayoutList(PageListMode::PuzzleLayout, scale, look);
                       }});
    catalog.push_back({"Extract Page Layout From Puzzle", [](double scale, const WindowLook& look) {
                           LayoutScene scene(scale);
                           const PageLayoutFile layouts = PageLayoutFile::inDirectory(scene.dir.path());
                           PageLayoutList list(layouts, scene.settings.DefaultPage);
                           TExtractAPuzzle extract(scene.dialogs, scene.style, list, scene.collectionPath);
                           showAndLook(extract, look);
                       }});
    catalog.push_back({"Page Creator", openPageCreator});
    catalog.push_back({"Size & Location", [](double scale, const WindowLook& look) {
                           ScriptedDialogs dialogs;
                           UiStyle style;
                           style.scale = scale;
                           const PageLayoutRecord layout = everyKind();
                           TSizeLocation dialog(dialogs, style, layout.Objects[0],
                                                SizeLocationPage{72, true, layout.PixelWidth, layout.PixelHeight});
                           showAndLook(dialog, look);
                       }});
    catalog.push_back(objectDialog<TObjectBorders>("Border Info", 4));
    catalog.push_back(objectDialog<TObjectFill>("Fill Info", 6));
    catalog.push_back(objectDialog<TObjectProp>("Properties (Words / Clues)", 2));
    catalog.push_back(objectDialog<TObjectProp>("Properties (Bitmap)", 5));
    catalog.push_back(objectDialog<TObjectProp2>("Properties (Puzzle)", 1));
    catalog.push_back(objectDialog<TTextInput>("Text", 4));
}

}  // namespace qm::test
