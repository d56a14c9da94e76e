// The page layout list TListPages ("Puzzle Page Layouts"): the saved layouts with their
// thumbnail and the commands on them. Opened to manage the file, or to choose the layout of
// the puzzle being edited or printed.
#pragma once

#include <filesystem>
#include <functional>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/layout_settings.h"
#include "layout/page_layout_list.h"
#include "layout/ui/page_layout_designer.h"
#include "layout/ui/record_list_view.h"

class QListWidget;
class QPushButton;

namespace qm {

class PageThumbnailWidget;

// What the layout list works with; the caller owns all of it.
// Shows the page of a sample puzzle on a layout in the designer, before it is saved.
using LayoutPreview = std::function<void(QWidget* parent, const PageLayoutRecord& layout)>;

struct PageLayoutListContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    PageLayoutSettings& settings;                          // the default layout, the last import and export files
    std::filesystem::path programDirectory;                // holds the layout file
    std::filesystem::path collectionPath;                  // the open collection, for Extract; may be empty
    std::function<void(const QString& keyword)> showHelp;  // the help at a keyword; may be empty
    LayoutPreview previewLayout = {};                      // may be empty: the designer then offers no preview
};

// LayoutListMode: what Select does.
enum class PageListMode {
    Manage = 1,        // the main window's "&Page Layout": Select is never enabled
    PuzzleLayout = 2,  // the word list editor: the layout of the puzzle being edited
    PrintLayout = 3,   // the print options: the layout of their copy of the puzzle
};

class TListPages : public StyledDialog {
    Q_OBJECT
public:
    // callerLayout receives the layout Select chooses in modes 2 and 3.
    TListPages(PageLayoutListContext& context, PageListMode mode, PageLayoutRecord* callerLayout,
               QWidget* parent = nullptr);

    // True once Select wrote a layout into the caller's.
    bool layoutSelected() const { return m_selected; }
    const PageLayoutList& list() const { return m_list; }
    QListWidget* shapeBox() const { return m_shapeBox; }
    PageThumbnailWidget* img() const { return m_img; }

    // The operations, also for tests.
    void LoadInLayouts();
    void LoadALayout();
    void DrawTheBox();
    void EnableDisable();
    void ShapeBoxClick();
    void OkButtonClick();
    void NewButtonClick();
    void ModifyButtonClick();
    void CopyButtonClick();
    void DeleteButtonClick();
    void ImportButtonClick();
    void ExportButtonClick();
    void ExtractButtonClick();
    void DefaultButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* addButton(const QString& text, const char* name, void (TListPages::*command)());
    // Puts a button below the ones created before it.
    void placeButton(QPushButton* button);
    void buildLegend();
    // Puts the entries and the selection of the list into the list box.
    void showEntries();
    void runDesigner(LayoutEditMode mode, const PageLayoutRecord& start, int recordIndex);
    // After a command that appended or changed a record: list, select, load and draw it.
    void showSaved(int index);

    PageLayoutListContext& m_context;
    PageListMode m_mode;
    PageLayoutRecord* m_callerLayout;
    PageLayoutList m_list;
    RecordListView<PageLayoutKind> m_view;
    bool m_selected = false;
    bool m_opened = false;

    QListWidget* m_shapeBox = nullptr;
    PageThumbnailWidget* m_img = nullptr;
    QPushButton* m_okButton = nullptr;
    RecordListButtons m_buttons;
    QPushButton* m_extractButton = nullptr;
    QPushButton* m_defaultButton = nullptr;
};

// Runs the layout list modally. In modes 2 and 3 a Select copies the chosen layout into
// *callerLayout and gives true; otherwise the caller's layout is left alone.
bool runPageLayoutList(QWidget* parent, PageLayoutListContext& context, PageListMode mode,
                       PageLayoutRecord* callerLayout = nullptr);

}  // namespace qm
