// The page layout list TListPages ("Puzzle Page Layouts"): the saved layouts with their
// thumbnail and the commands on them. Opened to manage the file, or to choose the layout of
// the puzzle being edited or printed.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"
#include "layout/layout_settings.h"
#include "layout/page_layout_list.h"
#include "layout/ui/page_layout_choice.h"
#include "layout/ui/page_layout_designer.h"
#include "layout/ui/record_list_view.h"

class QListWidget;
class QPushButton;

namespace qm {

class PageThumbnailWidget;

// What the layout list works with. The settings are the window's own copy, which it and its
// designer change and hand back in the result; the services are the caller's.
struct PageLayoutListContext {
    UserDialogs& dialogs;
    const UiStyle& style;
    PageLayoutSettings settings;                           // the default layout, the last files, the designer's place
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

// What the layout list leaves for its caller to store.
struct PageLayoutListResult {
    std::optional<PageLayoutRecord> chosen;  // modes 2 and 3: the layout Select chose
    PageLayoutSettings settings;             // as the list and its designer left them
};

class TListPages : public StyledDialog {
    Q_OBJECT
public:
    // puzzleLayout, in modes 2 and 3, is the layout the puzzle has: the list opens on it.
    TListPages(PageLayoutListContext context, PageListMode mode,
               std::optional<PageLayoutRecord> puzzleLayout = std::nullopt, QWidget* parent = nullptr);

    // The layout Select chose, once it did.
    const std::optional<PageLayoutRecord>& chosenLayout() const { return m_chosen; }
    const PageLayoutSettings& settings() const { return m_context.settings; }
    PageLayoutListResult result() const { return {m_chosen, m_context.settings}; }
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

    PageLayoutListContext m_context;
    PageListMode m_mode;
    std::optional<PageLayoutRecord> m_puzzleLayout;
    std::optional<PageLayoutRecord> m_chosen;
    PageLayoutList m_list;  // Set Default changes m_context.settings.DefaultPage
    RecordListView<PageLayoutKind> m_view;
    bool m_opened = false;

    QListWidget* m_shapeBox = nullptr;
    PageThumbnailWidget* m_img = nullptr;
    QPushButton* m_okButton = nullptr;
    RecordListButtons m_buttons;
    QPushButton* m_extractButton = nullptr;
    QPushButton* m_defaultButton = nullptr;
};

// Runs the layout list modally; the caller stores what the result holds.
PageLayoutListResult runPageLayoutList(QWidget* parent, PageLayoutListContext context, PageListMode mode,
                                       std::optional<PageLayoutRecord> puzzleLayout = std::nullopt);

}  // namespace qm
