// The page layout designer at its three zooms with one object of each kind, its context menu,
// and each of the object dialogs.
#include <QApplication>
#include <QMenu>

#include "layout/ui/page_design_widget.h"
#include "layout/ui/page_designer_window.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_object_dialogs.h"
#include "screenshots.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::screenshots {
namespace {

// One object of each kind placed at medium zoom, in inches.
PageLayoutRecord everyKind()
{
    PageLayoutRecord layout = makeBuiltInPageLayout();
    layout.Name.assign("Every Object");
    layout.Zoom = 2;
    struct Placed {
        PageObjectKind kind;
        const char* name;
        PageBounds bounds;
    };
    const Placed placed[] = {
        {PageObjectKind::Title, "Title", {162, 30, 450, 66}},
        {PageObjectKind::Puzzle, "Puzzle", {54, 90, 342, 378}},
        {PageObjectKind::Words, "Words / Clues", {366, 90, 558, 378}},
        {PageObjectKind::Bonus, "Bonus Question", {54, 400, 558, 430}},
        {PageObjectKind::Text, "Text 1", {54, 450, 300, 520}},
        {PageObjectKind::Bitmap, "Bitmap 1", {330, 450, 558, 620}},
        {PageObjectKind::Rectangle, "Rectangle 1", {54, 540, 300, 620}},
        {PageObjectKind::Circle, "Circle 1", {220, 650, 400, 760}},
    };
    int k = 0;
    for (const Placed& object : placed) {
        layout.Objects[k] = makePageObject(object.kind, object.name);
        layout.Objects[k].Bounds = object.bounds;
        ++k;
    }
    layout.Objects[2].Columns = 2;
    layout.Objects[6].FillInShape = true;
    layout.Objects[6].FillColor = 0x00E0C0A0;
    layout.ObjectCount = static_cast<std::int16_t>(k);
    return layout;
}

}  // namespace

void takePageDesignerScreenshots(ScreenshotFolder& folder)
{
    test::TempDir dir;
    test::ScriptedDialogs dialogs;
    UiStyle style;
    const PageLayoutRecord layout = everyKind();
    PageLayoutSettings settings;
    settings.DesignerWindowWidth = 900;
    settings.DesignerWindowHeight = 700;
    settings.Zoom = layout.Zoom;
    // The Preview button shows as in the program; the screenshots never press it.
    PageLayoutListContext context{
        dialogs, style, settings, dir.path(), {}, {}, [](QWidget*, const PageLayoutRecord&) {}};

    TDoPages window(context, PageLayoutEditRequest{LayoutEditMode::Modify, layout, 0});
    window.show();
    require(window.designer().objectCount() == 8, "the designer shows the eight objects");
    const std::pair<int, const char*> zooms[] = {
        {1, "page-designer-small.png"}, {2, "page-designer-medium.png"}, {3, "page-designer-large.png"}};
    for (const auto& [zoom, file] : zooms) {
        window.setZoom(zoom);
        QApplication::processEvents();
        folder.save(window, file);
    }
    window.setZoom(2);

    const PageObject& words = window.designer().object(3);
    window.openContextMenu(3, window.mapToGlobal(QPoint(words.Bounds.Left, words.Bounds.Top)));
    QApplication::processEvents();
    require(window.contextMenu()->isVisible(), "the context menu opens");
    folder.save(*window.contextMenu(), "page-designer-context-menu.png");
    window.contextMenu()->hide();

    const PageLayoutRecord& shown = window.designer().layout();
    const auto shoot = [&](ObjectDialog& dialog, const QString& file) {
        dialog.show();
        folder.save(dialog, file);
        dialog.reject();
    };
    const SizeLocationPage page{window.designer().pixelsPerUnit(), true, shown.PixelWidth, shown.PixelHeight};
    TSizeLocation sizeLocation(dialogs, style, shown.Objects[0], page);
    shoot(sizeLocation, "page-object-size-location.png");
    TObjectBorders borders(dialogs, style, shown.Objects[4]);
    shoot(borders, "page-object-border.png");
    TObjectFill fill(dialogs, style, shown.Objects[6]);
    shoot(fill, "page-object-fill.png");
    TObjectProp properties(dialogs, style, shown.Objects[2]);
    shoot(properties, "page-object-properties.png");
    TObjectProp tile(dialogs, style, shown.Objects[5]);
    shoot(tile, "page-object-properties-bitmap.png");
    TObjectProp2 puzzle(dialogs, style, shown.Objects[1]);
    shoot(puzzle, "page-object-puzzle-properties.png");
    PageObject text = shown.Objects[4];
    text.setText("Name: ____________________\r\nClass: ____________\r\nDate: __________");
    TTextInput textInput(dialogs, style, text);
    shoot(textInput, "page-object-text.png");

    // At the largest screen size, with the user fonts of a teacher who likes a serif face.
    UiStyle large;
    large.scale = 2.0;
    large.labelFont.name = "Liberation Serif";
    large.buttonFont.name = "Liberation Serif";
    PageLayoutSettings largeSettings = window.settings();
    largeSettings.DesignerWindowWidth = 1500;
    largeSettings.DesignerWindowHeight = 1200;
    PageLayoutListContext largeContext{
        dialogs, large, largeSettings, dir.path(), {}, [](const QString&) {}, [](QWidget*, const PageLayoutRecord&) {}};
    TDoPages largeWindow(largeContext, PageLayoutEditRequest{LayoutEditMode::Modify, layout, 0});
    largeWindow.show();
    QApplication::processEvents();
    require(largeWindow.findChild<QWidget*>("LeftPanel")->width() == 340, "the designer is scaled");
    folder.save(largeWindow, "page-designer-2.0.png");
}

}  // namespace qm::screenshots
