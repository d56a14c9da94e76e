#include "layout/ui/page_layout_list_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "layout/gui/page_thumbnail.h"
#include "layout/ui/page_layout_extract_window.h"
#include "layout/ui/page_thumbnail_widget.h"
#include "layout/ui/record_list_view.h"

namespace qm {
namespace {

namespace M = PageLayoutMessages;

constexpr QSize kDesignClientSize(622, 370);
constexpr int kDesignFontPixels = 13;
constexpr int kButtonLeft = 521;
constexpr QRect kListBox(12, 12, 240, 313);
constexpr QRect kThumbnail(264, 12, 245, 313);
constexpr int kLegendTop = 337;
constexpr int kLegendStep = 100;

const ExchangeFileDialog kExportDialog{"Export Page Layouts", "Page Layouts (*.PAG)|*.PAG", "PAG"};
const ExchangeFileDialog kImportDialog{"Import Page Layouts", "Page Layouts (*.PAG)|*.PAG", "PAG"};

}  // namespace

TListPages::TListPages(PageLayoutListContext context, PageListMode mode, std::optional<PageLayoutRecord> puzzleLayout,
                       QWidget* parent)
    : StyledDialog(context.style, parent),
      m_context(std::move(context)),
      m_mode(mode),
      m_puzzleLayout(std::move(puzzleLayout)),
      m_list(PageLayoutFile::inDirectory(m_context.programDirectory), m_context.settings.DefaultPage),
      m_view(m_list, m_context.dialogs)
{
    setWindowTitle("Puzzle Page Layouts");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_img = m_view.create<PageThumbnailWidget>(*this, "Page Layouts", "Img", "Chosen Page Layout");
    m_shapeBox = m_view.box();
    m_shapeBox->setGeometry(kListBox);
    connect(m_shapeBox, &QListWidget::currentRowChanged, this, &TListPages::ShapeBoxClick);
    m_img->setGeometry(kThumbnail);
    buildLegend();

    m_okButton = addButton("&Select", "OkButton", &TListPages::OkButtonClick);
    m_buttons = makeRecordListButtons(*this, this, {"&New", "&Modify", "&Copy", "&Delete", "&Import", "&Export"},
                                      {&TListPages::NewButtonClick, &TListPages::ModifyButtonClick,
                                       &TListPages::CopyButtonClick, &TListPages::DeleteButtonClick,
                                       &TListPages::ImportButtonClick, &TListPages::ExportButtonClick});
    for (QPushButton* button : m_buttons.inOrder()) placeButton(button);
    m_extractButton = addButton("Ex&tract", "ExtractButton", &TListPages::ExtractButtonClick);
    m_defaultButton = addButton("Set De&fault", "DefaultButton", &TListPages::DefaultButtonClick);
    QPushButton* exit = addButton("E&xit", "ExitButton", nullptr);
    connect(exit, &QPushButton::clicked, this, &TListPages::reject);
    EnableDisable();
}

QPushButton* TListPages::addButton(const QString& text, const char* name, void (TListPages::*command)())
{
    QPushButton* button = makeListButton(*this, text, name);
    placeButton(button);
    if (command) connect(button, &QPushButton::clicked, this, command);
    return button;
}

void TListPages::placeButton(QPushButton* button)
{
    const int position = static_cast<int>(findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).indexOf(button));
    button->setGeometry(listButtonGeometry(kButtonLeft, position));
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
        caption->setGeometry(left + 19, kLegendTop, kLegendStep - 20, 17);
        left += kLegendStep;
    }
}

void TListPages::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (std::exchange(m_opened, true)) return;
    LoadInLayouts();
    // Choosing a layout for a puzzle starts from the one it has.
    if (m_puzzleLayout && m_mode != PageListMode::Manage) {
        m_list.selectLayout(*m_puzzleLayout);
        showEntries();
    }
    LoadALayout();
    DrawTheBox();
    EnableDisable();
    m_shapeBox->setFocus();
}

void TListPages::showEntries() { m_view.showEntries(); }

void TListPages::EnableDisable()
{
    const bool listed = !m_list.empty();
    for (QPushButton* button :
         {m_buttons.deleteButton, m_buttons.copyButton, m_buttons.modifyButton, m_buttons.exportButton})
        button->setEnabled(listed);
    m_okButton->setEnabled(m_mode != PageListMode::Manage && listed && m_list.selectedEntry());
}

void TListPages::LoadInLayouts() { m_view.LoadInLayouts(); }

void TListPages::LoadALayout() { m_view.LoadALayout(); }

void TListPages::DrawTheBox() { m_view.DrawTheBox(); }

void TListPages::ShapeBoxClick()
{
    m_view.selectRow();
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
    m_chosen = m_list.layout();
    accept();
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
    const PageLayoutDesignResult design =
        runPageLayoutDesigner(this, m_context, PageLayoutEditRequest{mode, start, recordIndex});
    m_context.settings = design.settings;
    if (design.savedIndex) showSaved(*design.savedIndex);
}

void TListPages::NewButtonClick() { runDesigner(LayoutEditMode::New, makeBuiltInPageLayout(), -1); }

void TListPages::ModifyButtonClick()
{
    if (m_view.refuseWithoutSelection()) return;
    if (!reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    runDesigner(LayoutEditMode::Modify, m_list.layout(), m_list.selectedEntry()->tag);
}

void TListPages::CopyButtonClick()
{
    if (m_view.refuseWithoutSelection()) return;
    if (!reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    runDesigner(LayoutEditMode::Copy, m_list.copyOfCurrent(), -1);
}

void TListPages::DeleteButtonClick()
{
    if (m_view.refuseWithoutSelection()) return;
    const auto deleted = m_view.DeleteALayout();
    if (deleted == RecordListView<PageLayoutKind>::Deleted::No) return;
    if (deleted == RecordListView<PageLayoutKind>::Deleted::Failed) {
        LoadInLayouts();
        LoadALayout();
    }
    DrawTheBox();
    EnableDisable();
}

void TListPages::ImportButtonClick()
{
    if (!m_view.ImportLayout(kImportDialog, m_context.settings.LastImportLayoutFile)) return;
    DrawTheBox();
    EnableDisable();
}

void TListPages::ExportButtonClick()
{
    m_view.ExportLayout(kExportDialog, m_context.settings.LastExportLayoutFile, [this] { EnableDisable(); });
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

PageLayoutListResult runPageLayoutList(QWidget* parent, PageLayoutListContext context, PageListMode mode,
                                       std::optional<PageLayoutRecord> puzzleLayout)
{
    TListPages window(std::move(context), mode, std::move(puzzleLayout), parent);
    window.exec();
    return window.result();
}

}  // namespace qm
