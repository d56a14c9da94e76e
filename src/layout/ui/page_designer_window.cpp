#include "layout/ui/page_designer_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>

#include "common/gui/qt_color.h"
#include "common/gui/qt_text.h"
#include "common/ui/accessible_names.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/field_focus_out.h"
#include "common/ui/push_button.h"
#include "common/ui/ui_style.h"
#include "common/ui/window_shortcuts.h"
#include "layout/page_design_units.h"
#include "layout/page_designer_messages.h"
#include "layout/page_ruler.h"
#include "layout/ui/page_design_widget.h"
#include "layout/ui/page_layout_list_window.h"
#include "layout/ui/page_object_dialogs.h"
#include "layout/ui/page_ruler_widget.h"

namespace qm {
namespace {

namespace M = PageDesignerMessages;

constexpr int kPanelWidth = 170;
constexpr int kPanelHeight = 570;
constexpr int kNameLength = 20;
constexpr int kSizeFieldLength = 5;
constexpr const char* kHelpKeyword = "WORD SEARCH OBJECTS";
// A tool button armed for the next object shows a green face; a disabled one white captions.
constexpr const char* kToolStyle =
    "QPushButton:checked { background-color: #00ff00; } QPushButton:disabled { color: white; }";

struct Tool {
    PageObjectKind kind;
    const char* name;
    const char* caption;
};
constexpr Tool kWordSearchTools[] = {{PageObjectKind::Title, "TitlePanel", "Title"},
                                     {PageObjectKind::Puzzle, "PuzzlePanel", "Puzzle"},
                                     {PageObjectKind::Words, "WordsPanel", "Words/Clues"},
                                     {PageObjectKind::Bonus, "BonusPanel", "Bonus Quest"}};
constexpr Tool kOtherTools[] = {{PageObjectKind::Text, "TextPanel", "Text"},
                                {PageObjectKind::Bitmap, "BitmapPanel", "Bitmap"},
                                {PageObjectKind::Rectangle, "RectPanel", "Rectangle"},
                                {PageObjectKind::Circle, "CirclePanel", "Circle"}};

QLabel* label(const QString& text, QRect design, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setGeometry(design);
    return caption;
}

QLineEdit* lineEdit(const char* name, int maxLength, QRect design, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setGeometry(design);
    return edit;
}

FontChoice fontChoiceOf(const PageObject& object)
{
    QFont font(toQString(object.FontName.view()));
    font.setPointSize(std::max<int>(1, object.FontSize));
    font.setBold(static_cast<bool>(object.FontStyle[0]));
    font.setItalic(static_cast<bool>(object.FontStyle[1]));
    font.setUnderline(static_cast<bool>(object.FontStyle[2]));
    font.setStrikeOut(static_cast<bool>(object.FontStyle[3]));
    return FontChoice{font, toQColor(object.FontColor)};
}

void storeFontChoice(const FontChoice& choice, PageObject& object)
{
    object.FontName.assign(toRecordText(choice.font.family()));
    object.FontSize = static_cast<std::int16_t>(std::max(1, choice.font.pointSize()));
    object.FontColor = toColorRef(choice.color);
    object.FontStyle = {StoredBool{choice.font.bold()}, StoredBool{choice.font.italic()},
                        StoredBool{choice.font.underline()}, StoredBool{choice.font.strikeOut()}};
}

}  // namespace

TDoPages::TDoPages(const PageLayoutListContext& context, const PageLayoutEditRequest& request, QWidget* parent)
    : QDialog(parent),
      m_context(context),
      m_settings(context.settings),
      m_designer(request.mode, request.layout, request.recordIndex, m_settings.Zoom)
{
    setObjectName("TDoPages");
    setWindowTitle("Page Creator");
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);

    auto* root = new QHBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    m_panel = new QWidget(this);
    m_panel->setObjectName("LeftPanel");
    buildLeftPanel(*m_panel);
    root->addWidget(m_panel, 0, Qt::AlignTop);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("ScrollBox");
    m_scroll->setAccessibleName("Page");
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_canvas = new QWidget;
    m_rulerTop = new PageRulerWidget(m_designer, Qt::Horizontal, m_canvas);
    m_rulerTop->move(kRulerThickness, 0);
    m_rulerLeft = new PageRulerWidget(m_designer, Qt::Vertical, m_canvas);
    m_rulerLeft->move(0, kRulerThickness);
    m_page = new PageDesignWidget(
        m_designer, [this](const PageObject& object) { return pictureOf(object); }, m_canvas);
    m_page->move(kRulerThickness, kRulerThickness);
    m_scroll->setWidget(m_canvas);
    root->addWidget(m_scroll, 1);
    connect(m_page, &PageDesignWidget::changed, this, &TDoPages::refresh);
    connect(m_page, &PageDesignWidget::contextMenuRequested, this, &TDoPages::openContextMenu);

    buildMenus();
    buildContextMenu();
    root->setMenuBar(m_menuBar);
    m_title->setText(toQString(m_designer.layout().Name.view()));
    refresh();
}

void TDoPages::buildLeftPanel(QWidget& panel)
{
    QLabel* nameLabel = label("Name", {8, 4, 150, 17}, &panel);
    m_title = lineEdit("Title", kNameLength, {8, 22, 154, 23}, &panel);
    nameLabel->setBuddy(m_title);
    QLabel* paperLabel = label("Paper Size", {8, 52, 150, 17}, &panel);
    m_pageSize = new QComboBox(&panel);
    m_pageSize->setObjectName("PageSize");
    m_pageSize->setGeometry(8, 70, 154, 23);
    labelControl(*paperLabel, *m_pageSize);
    for (const std::string_view paper : kPaperNames) m_pageSize->addItem(toQString(paper));
    connect(m_pageSize, &QComboBox::activated, this, &TDoPages::PageSizeChange);

    m_portrait = new QRadioButton("&Portrait", &panel);
    m_portrait->setObjectName("PortraitButton");
    m_portrait->setGeometry(8, 100, 150, 21);
    m_landscape = new QRadioButton("&Landscape", &panel);
    m_landscape->setObjectName("LandscapeButton");
    m_landscape->setGeometry(8, 122, 150, 21);
    connect(m_portrait, &QRadioButton::clicked, this, [this] {
        m_designer.setPortrait(true);
        refresh();
    });
    connect(m_landscape, &QRadioButton::clicked, this, [this] {
        m_designer.setPortrait(false);
        refresh();
    });

    m_widthLabel = label("Width", {8, 148, 70, 17}, &panel);
    m_widthEdit = lineEdit("PageWidth", kSizeFieldLength, {8, 166, 70, 23}, &panel);
    m_heightLabel = label("Height", {88, 148, 70, 17}, &panel);
    m_heightEdit = lineEdit("PageHeight", kSizeFieldLength, {88, 166, 70, 23}, &panel);
    m_widthLabel->setBuddy(m_widthEdit);
    m_heightLabel->setBuddy(m_heightEdit);
    m_inches = new QCheckBox("Inches", &panel);
    m_inches->setObjectName("Inches");
    m_inches->setGeometry(8, 194, 150, 21);
    connect(m_inches, &QCheckBox::clicked, this, &TDoPages::InchesClick);
    for (QLineEdit* field : {m_widthEdit, m_heightEdit}) {
        field->installEventFilter(this);
        connect(field, &QLineEdit::returnPressed, this,
                [this, field] { field == m_widthEdit ? CheckWidth() : CheckHeight(); });
    }
    for (QWidget* custom :
         std::initializer_list<QWidget*>{m_widthLabel, m_widthEdit, m_heightLabel, m_heightEdit, m_inches})
        custom->hide();

    const auto toolGroup = [this, &panel](const QString& title, int top, const Tool(&tools)[4]) {
        auto* group = new QGroupBox(title, &panel);
        group->setGeometry(8, top, 154, 134);
        for (int i = 0; i < 4; ++i) {
            const Tool& tool = tools[i];
            QPushButton* button = newPushButton(tool.caption, tool.name, {8, 22 + i * 27, 138, 25}, group);
            button->setCheckable(true);
            button->setStyleSheet(kToolStyle);
            m_tools[tool.kind] = button;
            const PageObjectKind kind = tool.kind;
            connect(button, &QPushButton::clicked, this, [this, kind] {
                m_designer.armTool(kind);
                SetButtons();
                m_page->refreshPage();
            });
        }
    };
    toolGroup("Word Search Objects", 222, kWordSearchTools);
    toolGroup("  Other   Objects", 362, kOtherTools);

    m_saveButton = newPushButton("&Save", "SaveButton", {8, 506, 74, 25}, &panel);
    connect(m_saveButton, &QPushButton::clicked, this, &TDoPages::SaveClick);
    m_cancelButton = newPushButton("&Cancel", "CancelButton", {88, 506, 74, 25}, &panel);
    connect(m_cancelButton, &QPushButton::clicked, this, &TDoPages::reject);
    m_previewButton = newPushButton("Pre&view", "PreviewButton", {8, 536, 154, 25}, &panel);
    m_previewButton->setVisible(static_cast<bool>(m_context.previewLayout));
    connect(m_previewButton, &QPushButton::clicked, this, &TDoPages::PreviewClick);
}

void TDoPages::buildMenus()
{
    m_menuBar = new QMenuBar(this);
    QMenu* file = m_menuBar->addMenu("&File");
    file->addAction("&Save", QKeySequence("Ctrl+S"), this, &TDoPages::SaveClick);
    file->addAction("E&xit", QKeySequence("Ctrl+X"), this, &TDoPages::reject);

    QMenu* edit = m_menuBar->addMenu("&Edit");
    m_undoAction = edit->addAction("&Undo", QKeySequence("Ctrl+Z"), this, &TDoPages::undo);
    m_redoAction = edit->addAction("&Redo", QKeySequence("Ctrl+Y"), this, &TDoPages::redo);

    m_objectsMenu = m_menuBar->addMenu("&Objects");
    m_objectsMenu->setObjectName("ObjectsMenu");
    for (int k = 1; k <= kMaxPageObjects; ++k) {
        m_objectsMenu->addAction(QString::number(k), this,
                                 [this, k] { openContextMenu(k, mapToGlobal(QPoint(120, 30))); });
    }

    QMenu* zoom = m_menuBar->addMenu("&Zoom");
    m_zoomGroup = new QActionGroup(this);
    const std::pair<int, const char*> zooms[] = {
        {kSmallZoom, "&Small"}, {kMediumZoom, "&Medium"}, {kLargeZoom, "&Large"}};
    for (const auto& [level, text] : zooms) {
        QAction* action = zoom->addAction(text, QKeySequence(QString("Ctrl+F%1").arg(level)), this,
                                          [this, level = level] { setZoom(level); });
        action->setCheckable(true);
        m_zoomGroup->addAction(action);
        m_zoomActions[level] = action;
    }

    QAction* help = m_menuBar->addAction("&Help");
    help->setEnabled(static_cast<bool>(m_context.showHelp));
    connect(help, &QAction::triggered, this, [this] { m_context.showHelp(kHelpKeyword); });
}

void TDoPages::buildContextMenu()
{
    using C = ObjectCommand;
    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName("MyPopUp");
    const auto add = [this](QMenu* menu, const QString& text, C command) {
        QAction* action = menu->addAction(text, this, [this, command] { runCommand(command); });
        m_commands[command] = action;
    };
    add(m_contextMenu, "&Size && Position...", C::SizePosition);
    add(m_contextMenu, "&Properties", C::Properties);
    add(m_contextMenu, "B&order", C::Border);
    add(m_contextMenu, "&Fill", C::Fill);
    m_contextMenu->addSeparator();
    add(m_contextMenu, "Change &Text...", C::ChangeText);
    QMenu* alignment = m_contextMenu->addMenu("Text &Alignment");
    m_commands[C::TextAlignment] = alignment->menuAction();
    const char* alignments[] = {"&Left", "&Center", "&Right"};
    for (int i = 0; i < 3; ++i) {
        m_alignments[i] = alignment->addAction(alignments[i], this, [this, i] { setAlignment(i + 1); });
        m_alignments[i]->setCheckable(true);
    }
    add(m_contextMenu, "Text &Font", C::TextFont);
    m_contextMenu->addSeparator();
    add(m_contextMenu, "Load B&itmap", C::LoadBitmap);
    m_contextMenu->addSeparator();
    add(m_contextMenu, "&Delete", C::Delete);
    m_contextMenu->addSeparator();
    add(m_contextMenu, "&Bring To Front", C::BringToFront);
    add(m_contextMenu, "&Send To Back", C::SendToBack);
}

void TDoPages::showEvent(QShowEvent* event)
{
    if (!m_placed) {
        m_placed = true;
        // Scaled and in the user fonts like every dialog, but where the user last left it rather
        // than centred. The page keeps the pixels of its zoom.
        const UiStyle& style = m_context.style;
        scaleFromDesign(*this, style.scale);
        applyUserFonts(*this, style);
        m_panel->setFixedWidth(style.scaled(kPanelWidth));
        m_panel->setMinimumHeight(style.scaled(kPanelHeight));
        for (QMenu* menu : findChildren<QMenu*>()) menu->setFont(font());
        giveShortcutsToWindow(*this);
        const PageLayoutSettings& s = m_settings;
        move(s.DesignerWindowLeft, s.DesignerWindowTop);
        resize(s.DesignerWindowWidth, s.DesignerWindowHeight);
        loadBitmaps();
        refresh();
    }
    QDialog::showEvent(event);
}

void TDoPages::done(int result)
{
    PageLayoutSettings& s = m_settings;
    s.DesignerWindowLeft = x();
    s.DesignerWindowTop = y();
    s.DesignerWindowWidth = width();
    s.DesignerWindowHeight = height();
    QDialog::done(result);
}

void TDoPages::loadBitmaps()
{
    if (m_designer.mode() == LayoutEditMode::New) return;
    for (int k = 1; k <= m_designer.objectCount(); ++k) {
        const PageObject& object = m_designer.object(k);
        if (object.kind() != PageObjectKind::Bitmap || object.BitmapFile.empty()) continue;
        const QString path = toQString(object.BitmapFile.view());
        const QImage picture = QFileInfo::exists(path) ? QImage(path) : QImage();
        if (picture.isNull())
            showRefusal(m_context.dialogs, M::BitmapMissing);
        else
            m_pictures.insert(path, picture);
    }
}

QImage TDoPages::pictureOf(const PageObject& object) const
{
    return m_pictures.value(toQString(object.BitmapFile.view()));
}

void TDoPages::refresh()
{
    showLayoutFields();
    SetButtons();
    BuildObjMenu();
    RedrawLayout();
    m_zoomActions.at(m_designer.zoom())->setChecked(true);
    m_undoAction->setEnabled(m_designer.canUndo());
    m_redoAction->setEnabled(m_designer.canRedo());
}

void TDoPages::showLayoutFields()
{
    // The size fields always show the page's size, so Save never checks a size no longer shown.
    const PageLayoutRecord& layout = m_designer.layout();
    const QSignalBlocker blockPaper(m_pageSize);
    m_pageSize->setCurrentIndex(std::max(0, m_pageSize->findText(toQString(layout.PaperName.view()))));
    m_portrait->setChecked(static_cast<bool>(layout.Portrait));
    m_landscape->setChecked(!static_cast<bool>(layout.Portrait));
    m_inches->setChecked(static_cast<bool>(layout.Inches));
    m_widthEdit->setText(toQString(sizeFieldText(layout.PageWidth)));
    m_heightEdit->setText(toQString(sizeFieldText(layout.PageHeight)));
}

void TDoPages::SetButtons()
{
    for (const auto& [kind, button] : m_tools) {
        button->setEnabled(m_designer.toolEnabled(kind));
        button->setChecked(m_designer.armedTool() == kind);
    }
}

void TDoPages::BuildObjMenu()
{
    const QList<QAction*> items = m_objectsMenu->actions();
    for (int k = 1; k <= kMaxPageObjects; ++k) {
        QAction* item = items[k - 1];
        item->setVisible(m_designer.validObject(k));
        if (m_designer.validObject(k)) item->setText(toQString(m_designer.object(k).Name.view()).replace("&", "&&"));
    }
}

void TDoPages::RedrawLayout()
{
    m_rulerTop->refreshRuler();
    m_rulerLeft->refreshRuler();
    m_page->refreshPage();
    const PageLayoutRecord& layout = m_designer.layout();
    m_canvas->setFixedSize(layout.PixelWidth + kRulerThickness, layout.PixelHeight + kRulerThickness);
}

void TDoPages::setZoom(int zoom)
{
    m_designer.setZoom(zoom);
    m_settings.Zoom = m_designer.zoom();
    refresh();
}

void TDoPages::PageSizeChange()
{
    const std::string paper = toRecordText(m_pageSize->currentText());
    const bool warns = m_designer.choosePaper(paper);
    const bool custom = paper == kCustomPaper;
    for (QWidget* field :
         std::initializer_list<QWidget*>{m_widthLabel, m_widthEdit, m_heightLabel, m_heightEdit, m_inches})
        field->setVisible(custom);
    refresh();
    if (warns) showRefusal(m_context.dialogs, M::OddPaperSize);
}

void TDoPages::InchesClick()
{
    m_designer.setInches(m_inches->isChecked());
    refresh();
}

bool TDoPages::checkSize(QLineEdit& field, PageSide side)
{
    const auto changed = m_designer.setCustomSize(side, toRecordText(field.text()));
    if (!changed) {
        // The box takes the focus from the field; that must not check the field again.
        m_checkingField = true;
        showRefusal(m_context.dialogs, customSizeRefusal(side, static_cast<bool>(m_designer.layout().Inches)));
        m_checkingField = false;
        field.setFocus();
        field.selectAll();
        return false;
    }
    if (*changed) refresh();
    return true;
}

bool TDoPages::CheckWidth() { return checkSize(*m_widthEdit, PageSide::Width); }

bool TDoPages::CheckHeight() { return checkSize(*m_heightEdit, PageSide::Height); }

bool TDoPages::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_checkingField && leavesFieldForCheck(*event, {m_cancelButton, m_saveButton})) {
        if (watched == m_widthEdit) CheckWidth();
        if (watched == m_heightEdit) CheckHeight();
    }
    return QDialog::eventFilter(watched, event);
}

void TDoPages::undo()
{
    m_designer.undo();
    refresh();
}

void TDoPages::redo()
{
    m_designer.redo();
    refresh();
}

void TDoPages::openContextMenu(int k, QPoint global)
{
    if (!m_designer.validObject(k)) return;
    m_menuObject = k;
    const PageObject& object = m_designer.object(k);
    const auto disabled = disabledCommands(object.Kind);
    for (const auto& [command, action] : m_commands) action->setEnabled(!disabled.contains(command));
    for (int i = 0; i < 3; ++i) m_alignments[i]->setChecked(object.Alignment == i + 1);
    m_contextMenu->popup(global);
}

void TDoPages::replaceMenuObject(const std::optional<PageObject>& changed)
{
    if (changed) m_designer.replaceObject(m_menuObject, *changed);
}

void TDoPages::runCommand(ObjectCommand command)
{
    using C = ObjectCommand;
    const int k = m_menuObject;
    if (!m_designer.validObject(k)) return;
    const PageObject object = m_designer.object(k);
    UserDialogs& dialogs = m_context.dialogs;
    const UiStyle& style = m_context.style;
    switch (command) {
    case C::SizePosition: {
        const PageLayoutRecord& layout = m_designer.layout();
        const SizeLocationPage page{m_designer.pixelsPerUnit(), static_cast<bool>(layout.Inches), layout.PixelWidth,
                                    layout.PixelHeight};
        replaceMenuObject(runObjectDialog<TSizeLocation>(this, dialogs, style, object, page));
        break;
    }
    case C::Properties:
        replaceMenuObject(object.kind() == PageObjectKind::Puzzle
                              ? runObjectDialog<TObjectProp2>(this, dialogs, style, object)
                              : runObjectDialog<TObjectProp>(this, dialogs, style, object));
        break;
    case C::Border:
        replaceMenuObject(runObjectDialog<TObjectBorders>(this, dialogs, style, object));
        break;
    case C::Fill:
        replaceMenuObject(runObjectDialog<TObjectFill>(this, dialogs, style, object));
        break;
    case C::ChangeText:
        replaceMenuObject(runObjectDialog<TTextInput>(this, dialogs, style, object));
        break;
    case C::TextAlignment:
        break;
    case C::TextFont:
        chooseFont();
        break;
    case C::LoadBitmap:
        loadBitmap();
        break;
    case C::Delete:
        m_designer.deleteObject(k);
        break;
    case C::BringToFront:
        m_designer.bringToFront(k);
        break;
    case C::SendToBack:
        m_designer.sendToBack(k);
        break;
    }
    refresh();
}

void TDoPages::setAlignment(int alignment)
{
    if (!m_designer.validObject(m_menuObject)) return;
    PageObject object = m_designer.object(m_menuObject);
    object.Alignment = static_cast<std::int16_t>(alignment);
    m_designer.replaceObject(m_menuObject, object);
    refresh();
}

void TDoPages::chooseFont()
{
    PageObject object = m_designer.object(m_menuObject);
    const auto chosen = m_context.dialogs.chooseFont({"Text Font", fontChoiceOf(object)});
    if (!chosen) return;
    storeFontChoice(*chosen, object);
    m_designer.replaceObject(m_menuObject, object);
}

void TDoPages::loadBitmap()
{
    FileRequest request;
    request.kind = FileDialogKind::Open;
    request.title = "Load Bitmap File";
    request.filter = "Bitmap (*.BMP)|*.BMP";
    request.defaultExtension = "BMP";
    request.fileMustExist = true;
    const auto path = m_context.dialogs.chooseFile(request);
    if (!path) return;
    const QImage picture =
        QFileInfo(*path).suffix().compare("bmp", Qt::CaseInsensitive) == 0 ? QImage(*path) : QImage();
    if (picture.isNull()) {
        showRefusal(m_context.dialogs, M::NotABitmap);
        return;
    }
    m_pictures.insert(*path, picture);
    PageObject object = m_designer.object(m_menuObject);
    object.BitmapFile.assign(toRecordText(*path));
    m_designer.replaceObject(m_menuObject, object);
}

void TDoPages::PreviewClick()
{
    if (m_context.previewLayout) m_context.previewLayout(this, m_designer.layout());
}

void TDoPages::SaveClick()
{
    PageLayoutFile file = PageLayoutFile::inDirectory(m_context.programDirectory);
    const auto saved = m_designer.save(file, toRecordText(m_title->text()), toRecordText(m_widthEdit->text()),
                                       toRecordText(m_heightEdit->text()));
    if (!saved.ok()) {
        m_checkingField = true;
        reportCommandOutcome(m_context.dialogs, saved);
        m_checkingField = false;
        if (saved.value.refusedSide) {
            QLineEdit* field = *saved.value.refusedSide == PageSide::Height ? m_heightEdit : m_widthEdit;
            field->setFocus();
            field->selectAll();
        }
        refresh();
        return;
    }
    m_savedIndex = saved.value.index;
    accept();
}

}  // namespace qm
