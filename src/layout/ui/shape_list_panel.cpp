#include "layout/ui/shape_list_panel.h"

#include <QListWidget>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"
#include "layout/ui/list_box_entries.h"
#include "layout/ui/shape_editor_dialog.h"
#include "layout/ui/shape_preview_widget.h"

namespace qm {
ShapeListPanel::ShapeListPanel(ShapeListContext& context, QWidget& container)
    : QObject(&container),
      m_context(context),
      m_container(container),
      m_list(ShapeFile::inDirectory(context.programDirectory), context.currentShape)
{
    m_shapeBox = new QListWidget(&container);
    m_shapeBox->setObjectName("ShapeBox");
    m_shapeBox->setAccessibleName("Puzzle Shapes");
    connect(m_shapeBox, &QListWidget::currentRowChanged, this, &ShapeListPanel::ShapeBoxClick);
    m_layoutImage = new ShapePreviewWidget(&container);
    m_layoutImage->setObjectName("LayoutImage");
    m_layoutImage->setAccessibleName("Chosen Shape");
    m_newButton = addButton("&New", "NewButton", &ShapeListPanel::NewShapeClick);
    m_modifyButton = addButton("&Modify", "ModifyButton", &ShapeListPanel::ModifyShapeClick);
    m_copyButton = addButton("C&opy", "CopyButton", &ShapeListPanel::CopyShapeClick);
    m_deleteButton = addButton("&Delete", "DeleteButton", &ShapeListPanel::DeleteALayout);
    m_importButton = addButton("Im&port", "ImportButton", &ShapeListPanel::ImportLayout);
    m_exportButton = addButton("Expo&rt", "ExportButton", &ShapeListPanel::ExportLayout);
    updateButtons();
}

QPushButton* ShapeListPanel::addButton(const QString& text, const char* name, void (ShapeListPanel::*command)())
{
    auto* button = new QPushButton(text, &m_container);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, command);
    return button;
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
    showListEntries(*m_shapeBox, m_list.entries(), m_list.selectedPosition());
    updateButtons();
}

void ShapeListPanel::updateButtons()
{
    for (QPushButton* button : {m_newButton, m_copyButton, m_importButton, m_exportButton})
        button->setEnabled(!m_locked);
    m_modifyButton->setEnabled(!m_locked && m_list.canModifyOrDelete());
    m_deleteButton->setEnabled(!m_locked && m_list.canModifyOrDelete());
}

void ShapeListPanel::LoadInLayouts()
{
    const bool found = m_list.LoadInLayouts();
    showEntries();
    if (!found) {
        m_layoutImage->clear();
        showRefusal(m_context.dialogs, ShapeMessages::NoShapesFound);
    }
}

void ShapeListPanel::LoadALayout()
{
    if (!m_list.selectedEntry()) return;
    if (reportCommandStatus(m_context.dialogs, m_list.LoadALayout())) emit currentShapeChanged();
    updateButtons();
}

void ShapeListPanel::DrawTheBox()
{
    if (m_list.entries().empty())
        m_layoutImage->clear();
    else
        m_layoutImage->showShape(m_context.currentShape);
}

void ShapeListPanel::ShapeBoxClick()
{
    m_list.select(m_shapeBox->currentRow());
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
    runEditor(ShapeEditMode::Copy, m_list.copyOfCurrentShape(), -1);
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
    if (!m_context.dialogs.askYesNo(ShapeMessages::DeleteCaption, toQString(m_list.deleteQuestion()))) return;
    const ShapeOutcome outcome = m_list.DeleteALayout();
    if (!reportCommandOutcome(m_context.dialogs, outcome)) {
        // A delete that failed part way may have moved records already: list what is there.
        if (outcome.kind == ShapeOutcome::Kind::Failed) open();
        return;
    }
    showEntries();
    if (m_list.entries().empty())
        showRefusal(m_context.dialogs, ShapeMessages::NoShapesFound);
    else
        emit currentShapeChanged();
    DrawTheBox();
}

void ShapeListPanel::ExportLayout()
{
    if (!m_list.selectedEntry()) {
        showRefusal(m_context.dialogs, ShapeMessages::NoShapeSelected);
        return;
    }
    const auto chosen =
        chooseExportFile(m_context.dialogs, {"Export Puzzle Shape", "Puzzle Shape (*.LAY)|*.LAY", "LAY"},
                         m_context.settings.LastExportShapeFile);
    if (!chosen) return;
    const ShapeOutcome outcome = m_list.ExportLayout(*chosen);
    DrawTheBox();
    if (reportCommandOutcome(m_context.dialogs, outcome)) showRefusal(m_context.dialogs, ShapeMessages::Exported);
}

void ShapeListPanel::ImportLayout()
{
    const auto chosen =
        chooseImportFile(m_context.dialogs, {"Import Puzzle Shape", "Puzzle Shapes (*.LAY)|*.LAY", "LAY"},
                         m_context.settings.LastImportShapeFile);
    if (!chosen) return;
    const ShapeOutcome outcome = m_list.ImportLayout(*chosen);
    if (!reportCommandOutcome(m_context.dialogs, outcome)) return;
    showEntries();
    emit currentShapeChanged();
    DrawTheBox();
}

}  // namespace qm
