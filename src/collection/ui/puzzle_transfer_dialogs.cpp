#include "collection/ui/puzzle_transfer_dialogs.h"

#include <QPushButton>

#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"

namespace qm {
namespace {

namespace M = PuzzleTransferMessages;

const ExchangeFileDialog kExportFileDialog{"Save Word Search Puzzles", "QMAZE Files (*.QZ3)|*.QZ3", "QZ3"};

}  // namespace

TImportPuzzles::TImportPuzzles(UserDialogs& dialogs, const UiStyle& style, std::filesystem::path importFile,
                               std::filesystem::path collectionPath, QWidget* parent)
    : PuzzlePickerDialog(style,
                         {"Import Word Search Puzzles", "File Name: " + QString::fromStdString(importFile.string()),
                          "Puzzles in File", "&Ok", "Ok", "&Cancel", "Cancel"},
                         puzzlesByTitle(CollectionFile(importFile)), parent),
      m_dialogs(dialogs),
      m_importFile(std::move(importFile)),
      m_collectionPath(std::move(collectionPath))
{
    connect(actionButton(), &QPushButton::clicked, this, &TImportPuzzles::OkClick);
}

void TImportPuzzles::OkClick()
{
    const std::vector<int> records = pickedRecords();
    if (records.empty()) {
        showRefusal(m_dialogs, M::NoneSelectedForImport);
        return;
    }
    CollectionFile collection(m_collectionPath);
    const CommandOutcome imported = importPuzzles(CollectionFile(m_importFile), records, collection);
    m_changed = imported.kind != CommandOutcome::Kind::Refused;
    reportCommandOutcome(m_dialogs, imported);
    accept();
}

TExportPuzzles::TExportPuzzles(UserDialogs& dialogs, const UiStyle& style, std::filesystem::path collectionPath,
                               std::string& lastExportFile, QWidget* parent)
    : PuzzlePickerDialog(
          style,
          {"Export Word Search Puzzles", {}, "Puzzles Available For Export", "Save &File", "SaveFile", "&Exit", "Exit"},
          puzzlesByTitle(CollectionFile(collectionPath)), parent),
      m_dialogs(dialogs),
      m_collectionPath(std::move(collectionPath)),
      m_lastExportFile(lastExportFile)
{
    connect(actionButton(), &QPushButton::clicked, this, &TExportPuzzles::SaveFileClick);
}

void TExportPuzzles::SaveFileClick()
{
    const std::vector<int> records = pickedRecords();
    if (records.empty()) {
        showRefusal(m_dialogs, M::NoneSelectedForExport);
        return;
    }
    const auto chosen = chooseExportFile(m_dialogs, kExportFileDialog, m_lastExportFile);
    if (!chosen) {
        reject();
        return;
    }
    const CommandOutcome exported = exportPuzzles(CollectionFile(m_collectionPath), records, *chosen);
    reportCommandOutcome(m_dialogs, exported);
    // Another file can be chosen instead of the open collection; any other end closes the list.
    if (exported.kind == CommandOutcome::Kind::Refused && exported.refusal == M::ExportOntoOpenFile) return;
    accept();
}

}  // namespace qm
