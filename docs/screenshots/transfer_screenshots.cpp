// The word list editor's Import and Export dialogs, and the dialogs that move puzzles between
// collections, on the sample collection.
#include <QListWidget>

#include "collection/ui/puzzle_transfer_dialogs.h"
#include "generate/ui/word_export_dialog.h"
#include "generate/ui/word_import_dialog.h"
#include "generate/ui/word_list_scene.h"
#include "screenshots.h"
#include "support/ui/list_widgets.h"

namespace qm::screenshots {
namespace {

constexpr const char* kWordFile = "AFRICA: The continent of the savannah\n"
                                  "CHEETAH: Fastest runner on land\n"
                                  "GAZELLE: Leaps away from lions\n"
                                  "HYENA: It laughs at night\n"
                                  "LION: King of the savannah\n"
                                  "MEERKAT: Stands guard on its hind legs\n"
                                  "OSTRICH: A bird that cannot fly\n"
                                  "WARTHOG: A pig with tusks\n"
                                  "WILDEBEEST: Migrates in great herds\n"
                                  "ZEBRA: Striped horse\n";

}  // namespace

void takeTransferScreenshots(ScreenshotFolder& folder)
{
    test::WordListScene scene;
    WordListSettings& words = scene.settings.WordList;

    test::writeFile(scene.dir / "safari.txt", kWordFile);
    words.ImportOption = 3;
    TImport importDialog(scene.dialogs, scene.style, words, {});
    scene.dialogs.answerFile(QString::fromStdString((scene.dir / "safari.txt").string()));
    importDialog.OpenFileClick();
    require(importDialog.lineList()->count() == 10, "the import lists the ten lines of the file");
    test::selectRows(importDialog.lineList(), {1, 2, 4, 9});
    importDialog.show();
    folder.save(importDialog, "word-import.png");

    WordListRows rows;
    const std::pair<const char*, const char*> zoo[] = {
        {"LION", "King of the savannah"}, {"TIGER", "Striped big cat"},   {"ZEBRA", "Striped horse"},
        {"GIRAFFE", "Tallest animal"},    {"HIPPO", "River horse"},       {"PENGUIN", "Bird that swims"},
        {"PANDA", "Eats bamboo"},         {"OTTER", "Floats on its back"}};
    for (std::size_t i = 0; i < std::size(zoo); ++i) rows[i] = {zoo[i].first, zoo[i].second, i % 3 != 1};
    words.ExportOption = 3;
    TMyExport exportDialog(scene.dialogs, scene.style, words, rows);
    exportDialog.show();
    exportDialog.SelectUsedClick();
    folder.save(exportDialog, "word-export.png");

    const std::filesystem::path sample = QM_SAMPLE_COLLECTION;
    TImportPuzzles importPuzzles(scene.dialogs, scene.style, sample, scene.collectionPath());
    require(importPuzzles.puzzleList()->count() > 3, "the sample collection lists its puzzles");
    test::selectRows(importPuzzles.puzzleList(), {0, 2, 3});
    importPuzzles.show();
    folder.save(importPuzzles, "import-puzzles.png");

    std::string lastExport;
    TExportPuzzles exportPuzzles(scene.dialogs, scene.style, sample, lastExport);
    exportPuzzles.show();
    exportPuzzles.SelectAllClick();
    folder.save(exportPuzzles, "export-puzzles.png");
}

}  // namespace qm::screenshots
