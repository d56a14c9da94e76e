// The word list editor of a new puzzle at the 640 x 480 and the 1280 x 1024 screen sizes, the
// candidate chooser after a run, the enlarged best candidate, the editor of the stored puzzle,
// the hidden-phrase dialog, the editor at the 1024 x 768 screen size, the chooser after a run
// with "Place Every Word" on a list too long for its grid, and the sample's first puzzle enlarged.
#include <algorithm>
#include <span>

#include <QComboBox>
#include <QLineEdit>

#include "collection/collection_file.h"
#include "generate/bad_word_list.h"
#include "generate/build_puzzles.h"
#include "generate/create_candidates.h"
#include "generate/generation_fixtures.h"
#include "generate/ui/blow_it_up_dialog.h"
#include "generate/ui/change_phrase_dialog.h"
#include "generate/ui/created_puzzle_dialog.h"
#include "generate/ui/word_list_scene.h"
#include "generate/ui/words_clues_grid_widget.h"
#include "generate/word_list_form.h"
#include "sample_puzzle.h"
#include "screenshots.h"
#include "support/record_images.h"

namespace qm::screenshots {
namespace {

const std::vector<std::pair<const char*, const char*>> kZooWords{
    {"LION", "King of the savannah"},  {"TIGER", "Striped big cat"},   {"ZEBRA", "Striped horse"},
    {"GIRAFFE", "Tallest animal"},     {"HIPPO", "River horse"},       {"MONKEY", "Loves bananas"},
    {"ELEPHANT", "Never forgets"},     {"PENGUIN", "Bird that swims"}, {"CROCODILE", "Snappy reptile"},
    {"KANGAROO", "Hops with a pouch"}, {"PANDA", "Eats bamboo"},       {"OTTER", "Floats on its back"},
    {"FLAMINGO", "Pink wader"},        {"CAMEL", "Two humps"},         {"RHINOCEROS", "Horned giant"}};

// 34 animals, 240 letters, for the 144 cells of 12 x 12.
const std::vector<std::string> kCrowdedZoo{
    "aardvark", "alligator",  "antelope", "armadillo", "baboon",    "badger",   "beaver",  "buffalo", "camel",
    "cheetah",  "chimpanzee", "cougar",   "coyote",    "crocodile", "dolphin",  "donkey",  "falcon",  "ferret",
    "gazelle",  "gorilla",    "hamster",  "hedgehog",  "jaguar",    "leopard",  "lobster", "meerkat", "narwhal",
    "ocelot",   "panther",    "pelican",  "penguin",   "raccoon",   "reindeer", "squirrel"};

// The enlarged view of the sample's first puzzle as the best fit of the chooser, scored with the
// words it places.
void shootSampleEnlarged(ScreenshotFolder& folder, const UiStyle& style)
{
    const auto puzzle = samplePuzzle();
    const auto words = std::span(puzzle->Placed).first(static_cast<std::size_t>(puzzle->usedWordCount()));
    const int placed = static_cast<int>(std::ranges::count_if(words, [](StoredBool flag) { return bool(flag); }));
    require(placed > 0, "the sample's first puzzle places its words");
    TBlowItUp view(style, *puzzle, placed, "Best Fit");
    view.show();
    folder.save(view, "blow-it-up.png");
}

}  // namespace

void takeWordListScreenshots(ScreenshotFolder& folder)
{
    test::WordListScene scene;
    test::writeFile(scene.dir / "QZFLAY.DAT",
                    test::solidShapeImage("Square", 15, 15).str() + test::solidShapeImage("Small", 5, 5).str());

    const auto fillZooPuzzle = [](TWordList& editor) {
        editor.findChild<QLineEdit*>("Title")->setText("At the Zoo");
        editor.findChild<QComboBox*>("Category")->setCurrentText("Animals");
        editor.findChild<QLineEdit*>("BonusQuest")->setText("Which animal sleeps standing up?");
        for (std::size_t i = 0; i < kZooWords.size(); ++i) {
            const int row = static_cast<int>(i);
            editor.grid()->item(row, WordsCluesGrid::WordColumn)->setText(kZooWords[i].first);
            editor.grid()->item(row, WordsCluesGrid::ClueColumn)->setText(kZooWords[i].second);
        }
    };
    {
        TWordList editor(scene.context(), "Create New Puzzle");
        editor.show();
        fillZooPuzzle(editor);
        folder.save(editor, "word-list-editor-new.png");
        scene.currentShape = editor.currentShape();
        PrepareCreate(editor.currentForm(), scene.currentShape, *scene.working.record);
    }
    {
        scene.style.scale = 2.0;
        TWordList editor(scene.context(), "Create New Puzzle");
        editor.show();
        fillZooPuzzle(editor);
        folder.save(editor, "word-list-editor-2.0.png");
        scene.style.scale = 1.0;
    }
    require(scene.currentShape.Width == 15, "the new puzzle takes the 15 x 15 square");
    GenerationSettings generation;
    generation.Attempts = 30;
    const OffensiveWordScreen screen(builtInBadWords());
    BuildPuzzles(*scene.working.record, scene.currentShape, generation, screen, scene.random, scene.candidates);
    CreatedPuzzleContext chooserContext{scene.dialogs,          scene.style, scene.candidates, scene.working,
                                        scene.collectionPath(), screen,      &scene.random};
    TCreatedPuzzle chooser(chooserContext);
    chooser.show();
    folder.save(chooser, "created-puzzle.png");
    TBlowItUp view(scene.style, *scene.candidates.Slots[0].Record, scene.candidates.Slots[0].Score, "Best Fit");
    view.show();
    folder.save(view, "created-puzzle-enlarged.png");

    // The puzzle stored, then opened again for change.
    if (scene.candidates.Slots[0].Score < static_cast<int>(kZooWords.size()))
        scene.dialogs.answerMessage(MessageButton::Yes);
    chooser.SaveClick();
    require(chooser.stored(), "the chooser stores the best candidate");
    auto read = CollectionFile(scene.collectionPath()).ReadPuzzle(0);
    require(read.ok(), "the stored puzzle reads back");
    scene.working.record = std::move(*read);
    scene.working.IsNewPuzzle = false;
    scene.working.RecordIndex = 0;
    TWordList modify(scene.context(), "Modify Existing Puzzle");
    modify.show();
    folder.save(modify, "word-list-editor-modify.png");
    TChangeThePhrase phrase(scene.dialogs, scene.style, *scene.working.record, screen, &scene.random);
    phrase.show();
    folder.save(phrase, "hidden-phrase.png");

    // At the 1024 x 768 screen size, with the clues switched off after showing.
    scene.style.scale = 1.6;
    TWordList large(scene.context(), "Modify Existing Puzzle");
    large.show();
    large.UseCluesClick(false);
    folder.save(large, "word-list-editor-1024x768.png");

    // 30 attempts, then the packing search for two seconds.
    scene.style.scale = 1.0;
    scene.working.record = test::workingRecord(kCrowdedZoo, 12, 12);
    scene.working.IsNewPuzzle = true;
    scene.currentShape = test::fullShape(12, 12);
    generation.PlaceEveryWord = true;
    Candidates attemptsAlone;
    SeededRandom sameSeed(5);
    BuildPuzzles(*scene.working.record, scene.currentShape, generation, screen, sameSeed, attemptsAlone);
    SeededRandom packingSeed(5);
    CreateCandidates(*scene.working.record, scene.currentShape, generation, screen, packingSeed, scene.candidates);
    require(scene.candidates.Slots[0].Packed && scene.candidates.Slots[0].Score > attemptsAlone.Slots[0].Score,
            "the packing search places more words than the attempts");
    TCreatedPuzzle packed(chooserContext);
    packed.show();
    folder.save(packed, "created-puzzle-packed.png");

    shootSampleEnlarged(folder, scene.style);
}

}  // namespace qm::screenshots
