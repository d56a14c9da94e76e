#include "layout/ui/shape_list_panel.h"

#include <QListWidget>
#include <QPushButton>

#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "layout/ui/shape_editor_dialog.h"
#include "layout/ui/shape_preview_widget.h"

namespace qm {
namespace {

const ExchangeFileDialog kExportDialog{"Export Puzzle Shape", "Puzzle Shape (*.LAY)|*.LAY", "LAY"};
const ExchangeFileDialog kImportDialog{"Import Puzzle Shape", "Puzzle Shapes (*.LAY)|*.LAY", "LAY"};

}  // namespace

ShapeListPanel::ShapeListPanel(ShapeListContext& context, QWidget& container)
    : QObject(&container),
      m_context(context),
      m_container(container),
      m_list(ShapeFile::inDirectory(context.programDirectory), context.currentShape),
      m_view(m_list, context.dialogs)
{
    m_layoutImage = m_view.create<ShapePreviewWidget>(container, "Puzzle Shapes", "LayoutImage", "Chosen Shape");
    m_shapeBox = m_view.box();
    connect(m_shapeBox, &QListWidget::currentRowChanged, this, &ShapeListPanel::ShapeBoxClick);
    m_buttons = makeRecordListButtons(
        container, this, {"&New", "&Modify", "C&opy", "&Delete", "Im&port", "Expo&rt"},
        {&ShapeListPanel::NewShapeClick, &ShapeListPanel::ModifyShapeClick, &ShapeListPanel::CopyShapeClick,
         &ShapeListPanel::DeleteALayout, &ShapeListPanel::ImportLayout, &ShapeListPanel::ExportLayout});
    updateButtons();
}

QWidget* ShapeListPanel::window() const { return m_container.window(); }

void ShapeListPanel::rememberLastShape() { m_list.rememberLastShape(m_context.settings.LastShape); }

void ShapeListPanel::showCurrentPuzzle(const PuzzleRecord& puzzle) { m_list.showCurrentPuzzle(puzzle); }

void ShapeListPanel::setLocked(bool locked)
{
    m_locked = locked;
    m_shapeBox->setEnabled(!locked);
    updateButtons();
}

void ShapeListPanel::open()
{
    LoadInLayouts();
    LoadALayout();
    DrawTheBox();
    m_shapeBox->setFocus();
}

void ShapeListPanel::showEntries()
{
    m_view.showEntries();
    updateButtons();
}

void ShapeListPanel::updateButtons()
{
    for (QPushButton* button : m_buttons.inOrder()) button->setEnabled(!m_locked);
    m_buttons.modifyButton->setEnabled(!m_locked && m_list.canModifyOrDelete());
    m_buttons.deleteButton->setEnabled(!m_locked && m_list.canModifyOrDelete());
}

void ShapeListPanel::LoadInLayouts()
{
    if (!m_view.LoadInLayouts()) m_layoutImage->clear();
    updateButtons();
}

void ShapeListPanel::LoadALayout()
{
    if (!m_list.selectedEntry()) return;
    if (m_view.LoadALayout()) emit currentShapeChanged();
    updateButtons();
}

void ShapeListPanel::DrawTheBox() { m_view.DrawTheBox(); }

void ShapeListPanel::ShapeBoxClick()
{
    m_view.selectRow();
    LoadALayout();
    DrawTheBox();
}

void ShapeListPanel::runEditor(ShapeEditMode mode, const ShapeRecord& start, int recordIndex)
{
    const auto saved = runShapeEditor(window(), m_context.dialogs, m_context.style, m_list.file(),
                                      ShapeEditorRequest{mode, start, recordIndex});
    if (!saved) return;
    const Status loaded = m_list.refreshAfterSave(*saved);
    showEntries();
    if (reportCommandStatus(m_context.dialogs, loaded)) emit currentShapeChanged();
    DrawTheBox();
}

void ShapeListPanel::NewShapeClick() { runEditor(ShapeEditMode::New, makeNewShape(), -1); }

// Copy and Modify start from the selected entry as it is stored now, whatever an earlier
// command left in CurrentShape.
void ShapeListPanel::CopyShapeClick()
{
    if (m_list.selectedEntry() && !reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    runEditor(ShapeEditMode::Copy, m_list.copyOfCurrent(), -1);
}

void ShapeListPanel::ModifyShapeClick()
{
    if (!m_list.canModifyOrDelete()) return;
    if (!reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) return;
    runEditor(ShapeEditMode::Modify, m_context.currentShape, m_list.selectedEntry()->tag);
}

void ShapeListPanel::DeleteALayout()
{
    if (!m_list.canModifyOrDelete()) return;
    switch (m_view.DeleteALayout()) {
    case RecordListView<ShapeKind>::Deleted::No:
        return;
    case RecordListView<ShapeKind>::Deleted::Failed:
        open();
        return;
    case RecordListView<ShapeKind>::Deleted::Yes:
        break;
    }
    updateButtons();
    if (!m_list.empty()) emit currentShapeChanged();
    DrawTheBox();
}

void ShapeListPanel::ExportLayout()
{
    m_view.ExportLayout(kExportDialog, m_context.settings.LastExportShapeFile, [] {});
}

void ShapeListPanel::ImportLayout()
{
    if (!m_view.ImportLayout(kImportDialog, m_context.settings.LastImportShapeFile)) return;
    updateButtons();
    emit currentShapeChanged();
    DrawTheBox();
}

}  // namespace qm
