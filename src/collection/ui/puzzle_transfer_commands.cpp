#include "collection/ui/puzzle_transfer_commands.h"

#include "collection/puzzle_transfer.h"
#include "collection/ui/puzzle_transfer_dialogs.h"
#include "common/ui/command_outcome_report.h"
#include "common/ui/exchange_file_dialog.h"

namespace qm {
namespace {

namespace M = PuzzleTransferMessages;

const ExchangeFileDialog kImportFileDialog{"Import Puzzles",
                                           "QMAZE Files (*.QZ3)|*.QZ3|16 bit QMAZE Files (*.QZV)|*.QZV", "QZ3"};

bool importOldPuzzleFile(const std::filesystem::path& file, PuzzleTransferContext& context)
{
    CollectionFile collection(context.collectionPath);
    const OldPuzzleImport imported = importOldPuzzle(file, context.newPuzzleLayout(), context.working, collection);
    return reportCommandOutcome(context.dialogs, imported.outcome);
}

}  // namespace

bool ImportPuzzles(QWidget* parent, PuzzleTransferContext& context)
{
    const auto chosen = chooseImportFile(context.dialogs, kImportFileDialog, context.lastImportPuzzleFile);
    if (!chosen) return false;
    const auto kind = importFileKind(*chosen);
    if (!kind) {
        showRefusal(context.dialogs, M::NotQuillmazeFile);
        return false;
    }
    if (*kind == ImportFileKind::OldPuzzle) return importOldPuzzleFile(*chosen, context);
    if (sameCollectionFile(*chosen, context.collectionPath)) {
        showRefusal(context.dialogs, M::ImportOfOpenFile);
        return false;
    }
    TImportPuzzles dialog(context.dialogs, context.style, *chosen, context.collectionPath, parent);
    dialog.exec();
    if (!dialog.collectionChanged()) return false;
    context.working.reselect = context.shownSelection;
    return true;
}

void ExportPuzzles(QWidget* parent, PuzzleTransferContext& context)
{
    TExportPuzzles dialog(context.dialogs, context.style, context.collectionPath, context.lastExportPuzzleFile, parent);
    dialog.exec();
}

}  // namespace qm
