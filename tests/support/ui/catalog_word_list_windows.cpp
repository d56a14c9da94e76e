// The catalog's windows of making a puzzle: the word list editor of a new and of a stored puzzle,
// the progress of a run, the candidate chooser with its enlarged view and the hidden phrase, and
// the import and export of words.
#include <QApplication>

#include "collection/collection_file.h"
#include "generate/bad_word_list.h"
#include "generate/build_puzzles.h"
#include "generate/ui/blow_it_up_dialog.h"
#include "generate/ui/change_phrase_dialog.h"
#include "generate/ui/created_puzzle_dialog.h"
#include "generate/ui/creation_attempts_dialog.h"
#include "generate/ui/word_export_dialog.h"
#include "generate/ui/word_import_dialog.h"
#include "generate/ui/word_list_scene.h"
#include "support/record_images.h"
#include "support/ui/window_catalog.h"

namespace qm::test {
namespace {

const std::vector<std::pair<const char*, const char*>> kZooWords{
    {"LION", "King of the savannah"}, {"TIGER", "Striped big cat"},   {"ZEBRA", "Striped horse"},
    {"GIRAFFE", "Tallest animal"},    {"HIPPO", "River horse"},       {"MONKEY", "Loves bananas"},
    {"ELEPHANT", "Never forgets"},    {"PENGUIN", "Bird that swims"}, {"CROCODILE", "Snappy reptile"},
    {"KANGAROO", "Hops with a pouch"}};

// The editor's scene with the shapes of a user's folder (a 15 x 15 square first) and the words of
// a zoo puzzle typed in.
struct ZooScene : WordListScene {
    explicit ZooScene(double scale)
    {
        style.scale = scale;
        writeFile(dir / "QZFLAY.DAT", solidShapeImage("Square", 15, 15).str() + solidShapeImage("Small", 5, 5).str());
        PuzzleRecord& record = *working.record;
        record.Title.assign("At the Zoo");
        record.Category.assign("Animals");
        for (std::size_t i = 0; i < kZooWords.size(); ++i) {
            record.Words[i].assign(kZooWords[i].first);
            record.Clues[i].assign(kZooWords[i].second);
            rows[i] = {kZooWords[i].first, kZooWords[i].second, true};
        }
        record.WordCount = static_cast<std::int16_t>(kZooWords.size());
        record.Width = 15;
        record.Height = 15;
        currentShape.Width = 15;
        currentShape.Height = 15;
    }

    // The four candidates of a short run over the words.
    void generate()
    {
        GenerationSettings generation;
        generation.Attempts = 4;
        BuildPuzzles(*working.record, currentShape, generation, screen, random, candidates);
    }

    const OffensiveWordScreen screen{builtInBadWords()};
    WordListRows rows{};
};

// The editor of the sample collection's first puzzle, opened with Modify.
void openStoredPuzzleEditor(double scale, const WindowLook& look)
{
    ZooScene scene(scale);
    std::filesystem::copy_file(QM_SAMPLE_COLLECTION, scene.collectionPath());
    auto stored = CollectionFile(scene.collectionPath()).ReadPuzzle(0);
    if (!stored.ok()) return;
    scene.working.record = std::move(*stored);
    scene.working.IsNewPuzzle = false;
    scene.working.RecordIndex = 0;
    TWordList editor(scene.context(), "Modify Existing Puzzle");
    showAndLook(editor, look);
}

}  // namespace

void addWordListWindows(std::vector<CatalogWindow>& catalog)
{
    catalog.push_back(onScene<ZooScene>("Create New Puzzle", [](ZooScene& scene, const WindowLook& look) {
        TWordList editor(scene.context(), "Create New Puzzle");
        showAndLook(editor, look);
    }));
    catalog.push_back({"Modify Existing Puzzle", openStoredPuzzleEditor});
    catalog.push_back({"Building Puzzles", [](double scale, const WindowLook& look) {
                           UiStyle style;
                           style.scale = scale;
                           TCreationAttempts progress(style, 40, [](GenerationProgress&, PackingProgress&) {
                               return Outcome<GenerationRun>::done({40});
                           });
                           showAndLook(progress, look);
                       }});
    catalog.push_back(onScene<ZooScene>("Created Puzzle", [](ZooScene& scene, const WindowLook& look) {
        scene.generate();
        CreatedPuzzleContext context{scene.dialogs,          scene.style,  scene.candidates, scene.working,
                                     scene.collectionPath(), scene.screen, &scene.random};
        TCreatedPuzzle chooser(context);
        showAndLook(chooser, look);
    }));
    catalog.push_back(onScene<ZooScene>("Created Puzzle (enlarged)", [](ZooScene& scene, const WindowLook& look) {
        scene.generate();
        const CandidateSlot& best = scene.candidates.Slots[0];
        TBlowItUp view(scene.style, *best.Record, best.Score, "Best Fit");
        showAndLook(view, look);
    }));
    catalog.push_back(onScene<ZooScene>("Hidden Puzzle Phrase", [](ZooScene& scene, const WindowLook& look) {
        scene.generate();
        TChangeThePhrase phrase(scene.dialogs, scene.style, *scene.candidates.Slots[0].Record, scene.screen,
                                &scene.random);
        showAndLook(phrase, look);
    }));
    catalog.push_back(onScene<ZooScene>("Import", [](ZooScene& scene, const WindowLook& look) {
        writeFile(scene.dir / "safari.txt", "LION: King of the savannah\nZEBRA: Striped horse\n");
        TImport import(scene.dialogs, scene.style, scene.settings.WordList, {});
        scene.dialogs.answerFile(QString::fromStdString((scene.dir / "safari.txt").string()));
        import.OpenFileClick();
        showAndLook(import, look);
    }));
    catalog.push_back(onScene<ZooScene>("Export", [](ZooScene& scene, const WindowLook& look) {
        TMyExport exportDialog(scene.dialogs, scene.style, scene.settings.WordList, scene.rows);
        showAndLook(exportDialog, look);
    }));
}

}  // namespace qm::test
