// The page layout designer TDoPages ("Page Creator"): the paper, the unit and the name of one
// layout on the left, the tool buttons that place its objects, and the page between its rulers,
// where objects are selected, moved, sized and configured through their context menu.
#pragma once

#include <map>
#include <optional>

#include <QDialog>
#include <QHash>
#include <QImage>

#include "layout/object_menu_rules.h"
#include "layout/page_designer.h"
#include "layout/ui/page_layout_designer.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace qm {

class PageDesignWidget;
class PageRulerWidget;
struct PageLayoutListContext;

class TDoPages : public QDialog {
    Q_OBJECT
public:
    // The designer opens at the zoom and the place of the context's settings and keeps its own
    // copy of them, which settings() gives back changed.
    TDoPages(const PageLayoutListContext& context, const PageLayoutEditRequest& request, QWidget* parent = nullptr);

    const PageDesigner& designer() const { return m_designer; }
    // The record Save wrote; nothing while unsaved.
    std::optional<int> savedIndex() const { return m_savedIndex; }
    // The settings with the zoom and the window place as the user left them.
    const PageLayoutSettings& settings() const { return m_settings; }
    PageDesignWidget* pageImage() const { return m_page; }
    QMenu* contextMenu() const { return m_contextMenu; }
    QMenu* objectsMenu() const { return m_objectsMenu; }
    QPushButton* toolButton(PageObjectKind kind) const { return m_tools.at(kind); }
    QPushButton* previewButton() const { return m_previewButton; }

    // The commands of the window, also for tests.
    void SaveClick();
    // The page of a sample puzzle on the layout as it stands, saved or not.
    void PreviewClick();
    void setZoom(int zoom);
    void PageSizeChange();
    void InchesClick();
    bool CheckWidth();
    bool CheckHeight();
    void undo();
    void redo();
    // Opens the context menu of object k at a place on the screen; it does not wait.
    void openContextMenu(int k, QPoint global);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLeftPanel(QWidget& panel);
    void buildMenus();
    void buildContextMenu();
    void loadBitmaps();
    QImage pictureOf(const PageObject& object) const;
    // Shows the layout: fields, tool buttons, Objects menu, rulers and page.
    void refresh();
    void showLayoutFields();
    void SetButtons();
    void BuildObjMenu();
    void RedrawLayout();
    bool checkSize(QLineEdit& field, PageSide side);
    void runCommand(ObjectCommand command);
    void setAlignment(int alignment);
    void chooseFont();
    void loadBitmap();
    void replaceMenuObject(const std::optional<PageObject>& changed);

    const PageLayoutListContext& m_context;
    PageLayoutSettings m_settings;
    PageDesigner m_designer;
    std::optional<int> m_savedIndex;
    QHash<QString, QImage> m_pictures;  // loaded Bitmap pictures by file
    int m_menuObject = 0;
    bool m_checkingField = false;
    bool m_placed = false;

    QLineEdit* m_title = nullptr;
    QComboBox* m_pageSize = nullptr;
    QRadioButton* m_portrait = nullptr;
    QRadioButton* m_landscape = nullptr;
    QLabel* m_widthLabel = nullptr;
    QLabel* m_heightLabel = nullptr;
    QLineEdit* m_widthEdit = nullptr;
    QLineEdit* m_heightEdit = nullptr;
    QCheckBox* m_inches = nullptr;
    QWidget* m_panel = nullptr;
    std::map<PageObjectKind, QPushButton*> m_tools;
    QPushButton* m_saveButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QPushButton* m_previewButton = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_canvas = nullptr;
    PageRulerWidget* m_rulerTop = nullptr;
    PageRulerWidget* m_rulerLeft = nullptr;
    PageDesignWidget* m_page = nullptr;
    QMenuBar* m_menuBar = nullptr;
    QMenu* m_objectsMenu = nullptr;
    QActionGroup* m_zoomGroup = nullptr;
    std::map<int, QAction*> m_zoomActions;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QMenu* m_contextMenu = nullptr;
    std::map<ObjectCommand, QAction*> m_commands;
    QAction* m_alignments[3] = {};
};

}  // namespace qm
