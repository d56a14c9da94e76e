// The shape list as a window shows it: the sorted list (ShapeBox), the preview (LayoutImage)
// and the buttons New, Modify, Copy, Delete, Import and Export with their commands. The shape
// list window and the word list editor's "Puzzle Shape" panel each create one in a container
// of theirs and place its controls.
#pragma once

#include <filesystem>

#include <QObject>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/layout_settings.h"
#include "layout/shape_editor.h"
#include "layout/shape_list.h"
#include "layout/ui/record_list_view.h"

class QListWidget;
class QPushButton;
class QWidget;

namespace qm {

class ShapePreviewWidget;

// What a shape list works with; the caller owns all of it.
struct ShapeListContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    ShapeSettings& settings;                 // the last import and export files, the last shape used
    ShapeRecord& currentShape;               // CurrentShape: the shape chosen for the next puzzle
    std::filesystem::path programDirectory;  // holds the shape file
};

class ShapeListPanel : public QObject {
    Q_OBJECT
public:
    // The controls become children of container, at no particular place yet.
    ShapeListPanel(ShapeListContext& context, QWidget& container);

    QListWidget* shapeBox() const { return m_shapeBox; }
    ShapePreviewWidget* layoutImage() const { return m_layoutImage; }
    QPushButton* newButton() const { return m_buttons.newButton; }
    QPushButton* modifyButton() const { return m_buttons.modifyButton; }
    QPushButton* copyButton() const { return m_buttons.copyButton; }
    QPushButton* deleteButton() const { return m_buttons.deleteButton; }
    QPushButton* importButton() const { return m_buttons.importButton; }
    QPushButton* exportButton() const { return m_buttons.exportButton; }
    const ShapeList& list() const { return m_list; }

    // The word list editor: loading a record makes it the settings' last shape, and the list
    // selects that one when it opens.
    void rememberLastShape();
    // The word list editor on a stored puzzle: the puzzle's own shape is listed and selected.
    void showCurrentPuzzle(const PuzzleRecord& puzzle);
    // Disables every control, as the word list editor does for a stored puzzle's fixed grid.
    void setLocked(bool locked);

    // Builds the list, loads the selected shape and draws it: what a window does when shown.
    void open();

    // The operations, also for tests.
    void LoadInLayouts();
    void LoadALayout();
    void DrawTheBox();
    void ShapeBoxClick();
    void NewShapeClick();
    void CopyShapeClick();
    void ModifyShapeClick();
    void DeleteALayout();
    void ExportLayout();
    void ImportLayout();

signals:
    // CurrentShape now holds another shape.
    void currentShapeChanged();

private:
    // Puts the entries and the selection of the list into the list box, and enables the buttons.
    void showEntries();
    void updateButtons();
    void runEditor(ShapeEditMode mode, const ShapeRecord& start, int recordIndex);
    QWidget* window() const;

    ShapeListContext& m_context;
    QWidget& m_container;
    ShapeList m_list;
    RecordListView<ShapeKind> m_view;
    bool m_locked = false;

    QListWidget* m_shapeBox = nullptr;
    ShapePreviewWidget* m_layoutImage = nullptr;
    RecordListButtons m_buttons;
};

}  // namespace qm
