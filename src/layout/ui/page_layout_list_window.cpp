#include "layout/ui/page_layout_list_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "layout/gui/page_thumbnail.h"
#include "layout/ui/list_box_entries.h"
#include "layout/ui/page_layout_extract_window.h"
#include "layout/ui/page_thumbnail_widget.h"

namespace qm {
namespace {

namespace M = PageLayoutMessages;

constexpr QSize kDesignClientSize(622, 370);
constexpr int kDesignFontPixels = 13;
constexpr int kButtonLeft = 521;
constexpr int kButtonTop = 12;
constexpr int kButtonStep = 33;
constexpr QSize kButtonSize(89, 25);
constexpr QRect kListBox(12, 12, 240, 313);
constexpr QRect kThumbnail(264, 12, 245, 313);
constexpr int kLegendTop = 337;
constexpr int kLegendStep = 100;

const ExchangeFileDialog kExportDialog{"Export Page Layouts", "Page Layouts (*.PAG)|*.PAG", "PAG"};
const ExchangeFileDialog kImportDialog{"Import Page Layouts", "Page Layouts (*.PAG)|*.PAG", "PAG"};

}  // namespace

TListPages::TListPages(PageLayoutListContext& context, PageListMode mode, PageLayoutRecord* callerLayout,
                       QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(context),
      m_mode(mode),
      m_callerLayout(callerLayout),
      m_list(PageLayoutFile::inDirectory(context.programDirectory), context.settings.DefaultPage)
{
    setWindowTitle("Puzzle Page Layouts");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_shapeBox = new QListWidget(this);
    m_shapeBox->setObjectName("ShapeBox");
    m_shapeBox->setGeometry(kListBox);
    connect(m_shapeBox, &QListWidget::currentRowChanged, this, &TListPages::ShapeBoxClick);
    m_img = new PageThumbnailWidget(this);
    m_img->setObjectName("Img");
    m_img->setGeometry(kThumbnail);
    buildLegend();

    m_okButton = addButton("&Select", "OkButton", &TListPages::OkButtonClick);
    m_newButton = addButton("&New", "NewButton", &TListPages::NewButtonClick);
    m_modifyButton = addButton("&Modify", "ModifyButton", &TListPages::ModifyButtonClick);
    m_copyButton = addButton("&Copy", "CopyButton", &TListPages::CopyButtonClick);
    m_deleteButton = addButton("&Delete", "DeleteButton", &TListPages::DeleteButtonClick);
    m_importButton = addButton("&Import", "ImportButton", &TListPages::ImportButtonClick);
    m_exportButton = addButton("&Export", "ExportButton", &TListPages::ExportButtonClick);
    m_extractButton = addButton("Ex&tract", "ExtractButton", &TListPages::ExtractButtonClick);
    m_defaultButton = addButton("Set De&fault", "DefaultButton", &TListPages::DefaultButtonClick);
    QPushButton* exit = addButton("E&xit", "ExitButton", nullptr);
    connect(exit, &QPushButton::clicked, this, &TListPages::reject);
    EnableDisable();
}

QPushButton* TListPages::addButton(const QString& text, const char* name, void (TListPages::*command)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    const int position = static_cast<int>(findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).size()) - 1;
    button->setGeometry(QRect(QPoint(kButtonLeft, kButtonTop + position * kButtonStep), kButtonSize));
    if (command) connect(button, &QPushButton::clicked, this, command);
    return button;
}

void TListPages::buildLegend()
{
    struct LegendItem {
        const char* name;
        PageObjectKind kind;
    };
    const LegendItem items[] = {{"Puzzle", PageObjectKind::Puzzle},
                                {"Words", PageObjectKind::Words},
                                {"Title", PageObjectKind::Title},
                                {"Bonus", PageObjectKind::Bonus},
                                {"Text, Shapes", PageObjectKind::Text}};
    int left = kListBox.left();
    for (const LegendItem& item : items) {
        auto* swatch = new QLabel(this);
        swatch->setObjectName(QString("Legend") + item.name);
        swatch->setGeometry(left, kLegendTop + 2, 13, 13);
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        QPalette colors = swatch->palette();
        colors.setColor(QPalette::Window, thumbnailColor(static_cast<std::int16_t>(item.kind)));
        swatch->setPalette(colors);
        auto* caption = new QLabel(item.name, this);
        caption->setGeometry(left + 19, kLegendTop, kLegendStep - 24, 17);
        left += kLegendStep;
    }
}

void TListPages::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (std::exchange(m_opened, true)) return;
    LoadInLayouts();
    // Choosing a layout for a puzzle starts from the one it has.
    if (m_callerLayout && m_mode != PageListMode::Manage) {
        m_list.selectLayout(*m_callerLayout);
        showEntries();
    }
    LoadALayout();
    DrawTheBox();
    EnableDisable();
    m_shapeBox->setFocus();
}

void TListPages::showEntries() { showListEntries(*m_shapeBox, m_list.entries(), m_list.selectedPosition()); }

void TListPages::EnableDisable()
{
    const bool listed = !m_list.empty();
    for (QPushButton* button : {m_deleteButton, m_copyButton, m_modifyButton, m_exportButton})
        button->setEnabled(listed);
    m_okButton->setEnabled(m_mode != PageListMode::Manage && listed && m_list.selectedEntry());
}

void TListPages::LoadInLayouts()
{
    const bool found = m_list.LoadInLayouts();
    showEntries();
    if (!found) showRefusal(m_context.dialogs, M::NoLayoutsFound);
}

void TListPages::LoadALayout()
{
    if (m_list.selectedEntry()) reportCommandStatus(m_context.dialogs, m_list.LoadALayout());
}

void TListPages::DrawTheBox()
{
    if (m_list.empty())
        m_img->clear();
    else
        m_img->showLayout(m_list.layout());
}

void TListPages::ShapeBoxClick()
{
    m_list.select(m_shapeBox->currentRow());
    LoadALayout();
    DrawTheBox();
    EnableDisable();
}

void TListPages::OkButtonClick()
{
    if (!m_list.selectedEntry()) {
        showRefusal(m_context.dialogs, M::NoLayoutChosen);
        return;
    }
    // The record as stored now, whatever an earlier command left in the buffer.
    if (!reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    if (m_callerLayout) *m_callerLayout = m_list.layout();
    m_selected = true;
    accept();
}

bool TListPages::refuseWithoutSelection()
{
    if (m_list.selectedEntry()) return false;
    showRefusal(m_context.dialogs, M::NoLayoutSelected);
    return true;
}

void TListPages::showSaved(int index)
{
    const Status loaded = m_list.refreshAfterSave(index);
    showEntries();
    reportCommandStatus(m_context.dialogs, loaded);
    DrawTheBox();
    EnableDisable();
}

void TListPages::runDesigner(LayoutEditMode mode, const PageLayoutRecord& start, int recordIndex)
{
    const auto saved = runPageLayoutDesigner(this, m_context, PageLayoutEditRequest{mode, start, recordIndex});
    if (saved) showSaved(*saved);
}

void TListPages::NewButtonClick() { runDesigner(LayoutEditMode::New, makeBuiltInPageLayout(), -1); }

void TListPages::ModifyButtonClick()
{
    if (refuseWithoutSelection()) return;
    if (!reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    runDesigner(LayoutEditMode::Modify, m_list.layout(), m_list.selectedEntry()->tag);
}

void TListPages::CopyButtonClick()
{
    if (refuseWithoutSelection()) return;
    if (!reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    runDesigner(LayoutEditMode::Copy, m_list.copyOfLayout(), -1);
}

void TListPages::DeleteButtonClick()
{
    if (refuseWithoutSelection()) return;
    if (!m_context.dialogs.askYesNo(M::DeleteCaption, toQString(m_list.deleteQuestion()))) return;
    const CommandOutcome outcome = m_list.DeleteALayout();
    if (!reportCommandOutcome(m_context.dialogs, outcome) && outcome.kind == CommandOutcome::Kind::Failed) {
        // A delete that failed part way may have moved records already: list what is there.
        LoadInLayouts();
        LoadALayout();
    } else if (outcome.ok()) {
        showEntries();
        if (m_list.empty()) showRefusal(m_context.dialogs, M::NoLayoutsFound);
    }
    DrawTheBox();
    EnableDisable();
}

void TListPages::ImportButtonClick()
{
    const auto chosen = chooseImportFile(m_context.dialogs, kImportDialog, m_context.settings.LastImportLayoutFile);
    if (!chosen) return;
    if (!reportCommandOutcome(m_context.dialogs, m_list.ImportLayout(*chosen))) return;
    showEntries();
    DrawTheBox();
    EnableDisable();
}

void TListPages::ExportButtonClick()
{
    if (refuseWithoutSelection()) return;
    const auto chosen = chooseExportFile(m_context.dialogs, kExportDialog, m_context.settings.LastExportLayoutFile);
    if (!chosen) return;
    const CommandOutcome outcome = m_list.ExportLayout(*chosen);
    DrawTheBox();
    EnableDisable();
    if (reportCommandOutcome(m_context.dialogs, outcome)) showRefusal(m_context.dialogs, M::Exported);
}

void TListPages::ExtractButtonClick()
{
    TExtractAPuzzle extract(m_context.dialogs, m_context.style, m_list, m_context.collectionPath, this);
    extract.exec();
    if (!extract.extracted()) return;
    showEntries();
    DrawTheBox();
    EnableDisable();
}

void TListPages::DefaultButtonClick()
{
    if (!reportCommandOutcome(m_context.dialogs, m_list.SetDefault())) return;
    showEntries();
}

bool runPageLayoutList(QWidget* parent, PageLayoutListContext& context, PageListMode mode,
                       PageLayoutRecord* callerLayout)
{
    TListPages window(context, mode, callerLayout, parent);
    window.exec();
    return window.layoutSelected();
}

}  // namespace qm
