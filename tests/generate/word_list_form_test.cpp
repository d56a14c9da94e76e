// The word list editor's rules: the Create checks in their order with their messages and focus,
// the packing of rows, Use Clues, the change test of Exit and the row commands.
#include <gtest/gtest.h>

#include <functional>

#include "generate/batch_creation.h"
#include "generate/build_puzzles.h"
#include "generate/generation_fixtures.h"
#include "generate/word_list_form.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

// A form that passes every check of Create on a 10 x 6 shape.
WordListForm validForm()
{
    WordListForm form;
    form.Title = "Animals";
    form.Category = "Zoo";
    form.Rows[0].Word = "horse";
    form.Rows[2].Word = "zebra";
    form.Rows[2].Clue = "stripes";
    form.AttemptsText = "12x";
    return form;
}

TEST(CheckCreate, AValidFormPassesAndReadsTheAttempts)
{
    const Outcome<CheckedCreate> checked = CheckCreate(validForm(), fullShape(10, 6));
    EXPECT_TRUE(checked.ok()) << checked.refusal.message;
    EXPECT_EQ(checked.value.attempts, 12);
}

TEST(CheckCreate, RefusesInOrderWithMessageAndFocus)
{
    struct Case {
        const char* name;
        std::function<void(WordListForm&)> change;
        std::string message;
        FormField focus;
        int row;
    };
    const std::string longClue(151, 'c');
    const std::string longWord = "abcdefghijklmnopqrstuvwxyzABCDEFGH";  // 34 characters
    const Case cases[] = {
        {"blank title", [](WordListForm& f) { f.Title = "   "; }, "No title specified.  Please correct.",
         FormField::Title, 0},
        {"title before category",
         [](WordListForm& f) {
             f.Title.clear();
             f.Category.clear();
         },
         "No title specified.  Please correct.", FormField::Title, 0},
        {"blank category", [](WordListForm& f) { f.Category = " \t"; }, "No category specified.  Please correct.",
         FormField::Category, 0},
        {"only clues typed",
         [](WordListForm& f) {
             f.Rows[0].Word = "  ";
             f.Rows[2].Word.clear();
         },
         "No words have been entered.  Please correct.", FormField::WordsGrid, 0},
        {"words before attempts",
         [](WordListForm& f) {
             f.Rows[0].Word.clear();
             f.Rows[2].Word.clear();
             f.AttemptsText.clear();
         },
         "No words have been entered.  Please correct.", FormField::WordsGrid, 0},
        {"empty attempts", [](WordListForm& f) { f.AttemptsText.clear(); },
         "Attempts must be between 1 and 999.  Please correct.", FormField::Attempts, 0},
        {"attempts without a number", [](WordListForm& f) { f.AttemptsText = "x12"; },
         "Attempts must be between 1 and 999.  Please correct.", FormField::Attempts, 0},
        {"zero attempts", [](WordListForm& f) { f.AttemptsText = "0"; },
         "Attempts must be between 1 and 999.  Please correct.", FormField::Attempts, 0},
        {"a thousand attempts", [](WordListForm& f) { f.AttemptsText = "1000"; },
         "Attempts must be between 1 and 999.  Please correct.", FormField::Attempts, 0},
        {"word longer than the larger dimension", [](WordListForm& f) { f.Rows[6].Word = "  hippopotamus  "; },
         "Word is greater than puzzle dimension size of 10 characters in \"hippopotamus\".", FormField::WordCell, 7},
        {"spaces inside a word count", [](WordListForm& f) { f.Rows[4].Word = "polar  bear"; },
         "Word is greater than puzzle dimension size of 10 characters in \"polar  bear\".", FormField::WordCell, 5},
        {"word over 30 shown cut", [&](WordListForm& f) { f.Rows[9].Word = longWord; },
         "Word is greater than puzzle dimension size of 10 characters in \"" + longWord.substr(0, 30) + "\".",
         FormField::WordCell, 10},
        {"word check before clue check",
         [&](WordListForm& f) {
             f.Rows[0].Clue = longClue;
             f.Rows[8].Word = "elephants!!";
         },
         "Word is greater than puzzle dimension size of 10 characters in \"elephants!!\".", FormField::WordCell, 9},
        {"clue of 151 characters", [&](WordListForm& f) { f.Rows[2].Clue = longClue; },
         "The length of the clue for the word \"zebra\" is 1 characters longer than the maximum clue size of 150.",
         FormField::ClueCell, 3},
        {"first long clue wins",
         [&](WordListForm& f) {
             f.Rows[0].Clue = std::string(160, 'c');
             f.Rows[2].Clue = longClue;
         },
         "The length of the clue for the word \"horse\" is 10 characters longer than the maximum clue size of 150.",
         FormField::ClueCell, 1},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        WordListForm form = validForm();
        test.change(form);
        const Outcome<CheckedCreate> check = CheckCreate(form, fullShape(10, 6));
        EXPECT_FALSE(check.ok());
        EXPECT_EQ(check.refusal.caption, "Error");
        EXPECT_EQ(check.refusal.message, test.message);
        EXPECT_EQ(check.value.focus, test.focus);
        EXPECT_EQ(check.value.row, test.row);
    }
    // As long as the larger side passes, whichever side that is.
    WordListForm form = validForm();
    form.Rows[4].Word = "polar bear";
    EXPECT_TRUE(CheckCreate(form, fullShape(10, 6)).ok());
    EXPECT_TRUE(CheckCreate(form, fullShape(3, 10)).ok());
}

TEST(CheckCreate, WhatPassesAtTheLimits)
{
    WordListForm form = validForm();
    form.Rows[3].Word = " elephants ";                        // 9 letters on a 6 x 9 shape: as long as the larger side
    form.Rows[3].Clue = "  " + std::string(150, 'c') + "  ";  // trimmed to exactly 150
    form.Rows[5].Clue = std::string(400, 'c');                // beside an empty word: dropped
    form.AttemptsText = "  999";
    const Outcome<CheckedCreate> checked = CheckCreate(form, fullShape(6, 9));
    EXPECT_TRUE(checked.ok()) << checked.refusal.message;
    EXPECT_EQ(checked.value.attempts, 999);
    EXPECT_EQ(attemptsOf("7 tries"), 7);
    EXPECT_EQ(attemptsOf("99999999999999999999"), 1000);  // out of range, not wrapped
}

TEST(CheckScreenedRun, NamesTheWordThatSpellsAScreenedWordAndPointsAtItsRow)
{
    const WordListForm form = validForm();  // words in rows 1 and 3
    GenerationRun run;
    run.AttemptsMade = 40;
    run.RejectedAttempts = 39;
    EXPECT_TRUE(CheckScreenedRun(form, run).ok());

    run.RejectedAttempts = 40;
    run.EveryAttemptScreened = true;
    run.ScreenedWord = 2;  // the second word typed, in row 3
    const Outcome<FormFocus> named = CheckScreenedRun(form, run);
    EXPECT_FALSE(named.ok());
    EXPECT_EQ(named.refusal.caption, "Error");
    EXPECT_EQ(named.refusal.message,
              "Every creation attempt spelled an \"offensive\" word, so no puzzle was created.  The "
              "word \"zebra\" spells one by itself.  Please change it or remove it.");
    EXPECT_EQ(named.value.focus, FormField::WordCell);
    EXPECT_EQ(named.value.row, 3);

    run.ScreenedWord = 0;  // the crossings of the words spelled it
    const Outcome<FormFocus> unnamed = CheckScreenedRun(form, run);
    EXPECT_FALSE(unnamed.ok());
    EXPECT_EQ(unnamed.refusal.message,
              "Every creation attempt spelled an \"offensive\" word, so no puzzle was created.  "
              "Please change some of the words or the directions and try again.");
    EXPECT_EQ(unnamed.value.focus, FormField::None);
}

TEST(CheckScreenedRun, ABatchPuzzleWhoseEveryAttemptIsScreenedIsRefusedAndNotStored)
{
    TempDir dir;
    auto puzzle = std::make_unique<BatchPuzzle>();
    puzzle->form = validForm();
    puzzle->form.Rows[2].Word = "  SHITHEAD ";
    puzzle->form.AttemptsText = "2";
    puzzle->shape = fullShape(10, 10);
    CollectionFile collection(dir / "SCHOOL.QZ3");
    SeededRandom random(4);
    WorkingCopy working;
    const Outcome<BatchPuzzleMade> created =
        CreateBatchPuzzle(*puzzle, collection, OffensiveWordScreen(builtInBadWords()), random, working);
    EXPECT_FALSE(created.ok());
    EXPECT_EQ(created.value.row, 3);
    EXPECT_NE(created.refusal.message.find("\"SHITHEAD\" spells one"), std::string::npos) << created.refusal.message;
    EXPECT_FALSE(std::filesystem::exists(collection.path()));
}

TEST(CheckSave, TitleThenCategory)
{
    WordListForm form = validForm();
    EXPECT_TRUE(CheckSave(form).ok());
    form.Category = " ";
    EXPECT_EQ(CheckSave(form).refusal.message, "No category specified.  Please correct.");
    EXPECT_EQ(CheckSave(form).value.focus, FormField::Category);
    form.Title.clear();
    EXPECT_EQ(CheckSave(form).refusal.message, "No title specified.  Please correct.");
    EXPECT_EQ(CheckSave(form).value.focus, FormField::Title);
}

TEST(SetValues, PacksTheRowsWithAWordAndEmptiesTheSlotsBehind)
{
    WordListForm form;
    form.Title = "  " + std::string(40, 't') + " ";
    form.Category = " Science and Nature Weekly ";
    form.BonusQuestion = "  Which one swims?  ";
    form.Rows[0] = {" horse ", "  runs fast ", false};
    form.Rows[1] = {"   ", "dropped with its empty word", false};
    form.Rows[4] = {"zebra", std::string(200, 'z'), false};
    form.Rows[329] = {std::string(40, 'w'), "last", false};
    auto working = workingRecord({"old1", "old2", "old3", "old4", "old5"}, 15, 15, {"c1", "c2", "c3", "c4", "c5"});

    SetValues(form, *working);
    EXPECT_EQ(working->Title.text(), std::string(35, 't'));
    EXPECT_EQ(working->Category.text(), "Science and Nature W");
    EXPECT_EQ(working->BonusQuestion.text(), "Which one swims?");
    EXPECT_EQ(working->WordCount, 3);
    EXPECT_EQ(working->Words[0].text(), "horse");
    EXPECT_EQ(working->Clues[0].text(), "runs fast");
    EXPECT_EQ(working->Words[1].text(), "zebra");
    EXPECT_EQ(working->Clues[1].text(), std::string(150, 'z'));
    EXPECT_EQ(working->Words[2].text(), std::string(30, 'w'));
    EXPECT_EQ(working->Clues[2].text(), "last");
    for (int slot = 3; slot < kMaxWords; ++slot) {
        EXPECT_TRUE(working->Words[slot].empty()) << slot;
        EXPECT_TRUE(working->Clues[slot].empty()) << slot;
    }
    EXPECT_EQ(GetWordCount(form), 3);
}

TEST(PrepareCreate, TakesTheShapeSizeAndTheForm)
{
    auto working = workingRecord({}, 15, 15);
    PrepareCreate(validForm(), fullShape(12, 7), *working);
    EXPECT_EQ(working->Width, 12);
    EXPECT_EQ(working->Height, 7);
    EXPECT_EQ(working->WordCount, 2);
    EXPECT_EQ(working->Words[1].text(), "zebra");
}

TEST(AdjustWordClues, CluesSurviveSwitchingOffAndOnAndFollowTheirWords)
{
    auto working = workingRecord({"horse", "zebra", "tiger"}, 15, 15, {"runs", "stripes", "roars"});
    working->Placed[1] = true;
    WordListForm form = formFromRecord(*working, WordListSettings{});
    form.Rows[3] = {std::string(35, 'a'), std::string(170, 'b'), false};

    AdjustWordClues(form, *working, false);
    EXPECT_FALSE(form.UseClues);
    EXPECT_EQ(form.Rows[1].Clue, "stripes");
    EXPECT_TRUE(form.Rows[1].Used);
    EXPECT_EQ(form.Rows[3].Word, std::string(30, 'a'));
    EXPECT_EQ(form.Rows[3].Clue, std::string(150, 'b'));

    // A row deleted while the clue column is hidden takes its clue with it.
    deleteRow(form, 1);
    AdjustWordClues(form, *working, true);
    EXPECT_TRUE(form.UseClues);
    EXPECT_EQ(form.Rows[0].Word, "zebra");
    EXPECT_EQ(form.Rows[0].Clue, "stripes");
    EXPECT_EQ(form.Rows[1].Word, "tiger");
    EXPECT_EQ(form.Rows[1].Clue, "roars");
}

TEST(FormSettings, ComeFromAndGoToTheProgramSettings)
{
    WordListSettings settings;
    settings.UseClues = false;
    settings.Generation.Attempts = 250;
    settings.Generation.Integration = 3;
    settings.Generation.Shrink = true;
    settings.Generation.Allowed = {true, false, true, false, true, false, true, false};
    WordListForm form = formFromRecord(PuzzleRecord{}, settings);
    EXPECT_FALSE(form.UseClues);
    EXPECT_EQ(form.AttemptsText, "250");
    EXPECT_EQ(form.Integration, 3);
    EXPECT_TRUE(form.Shrink);
    EXPECT_FALSE(form.Directions[1]);

    form.AttemptsText = "12x";
    form.Directions[1] = true;
    storeFormSettings(form, settings);
    EXPECT_EQ(settings.Generation.Attempts, 12);
    EXPECT_TRUE(settings.Generation.Allowed[1]);
    form.AttemptsText = "0";
    storeFormSettings(form, settings);
    EXPECT_EQ(settings.Generation.Attempts, 12);  // a refused number is not taken
}

TEST(PuzzleChanged, SeesEachComparedFieldAndNothingElse)
{
    auto reference = workingRecord({"horse", "zebra"}, 15, 15, {"runs", "stripes"});
    reference->BonusQuestion.assign("Which?");
    reference->Layout.Name.assign("Main");
    reference->Layout.Zoom = 2;

    struct Case {
        const char* name;
        std::function<void(PuzzleRecord&)> change;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [](PuzzleRecord&) {}, false},
        {"title", [](PuzzleRecord& r) { r.Title.assign("Animal"); }, true},
        {"category", [](PuzzleRecord& r) { r.Category.assign("science"); }, true},
        {"bonus question", [](PuzzleRecord& r) { r.BonusQuestion.clear(); }, true},
        {"a word", [](PuzzleRecord& r) { r.Words[1].assign("zebras"); }, true},
        {"last clue slot", [](PuzzleRecord& r) { r.Clues[329].assign("x"); }, true},
        {"layout name", [](PuzzleRecord& r) { r.Layout.Name.assign("Mainx"); }, true},
        {"paper name", [](PuzzleRecord& r) { r.Layout.PaperName.assign("A4"); }, true},
        {"page width", [](PuzzleRecord& r) { r.Layout.PageWidth = 2.0; }, true},
        {"object count", [](PuzzleRecord& r) { r.Layout.ObjectCount = 3; }, true},
        {"portrait", [](PuzzleRecord& r) { r.Layout.Portrait = true; }, true},
        {"zoom", [](PuzzleRecord& r) { r.Layout.Zoom = 3; }, true},
        {"bytes behind a text", [](PuzzleRecord& r) { r.Title.bytes[30] = 'q'; }, false},
        {"bytes behind the layout name", [](PuzzleRecord& r) { r.Layout.Name.bytes[10] = 'q'; }, false},
        {"layout reserved bytes", [](PuzzleRecord& r) { r.Layout.Reserved[2] = 1; }, false},
        {"a page object", [](PuzzleRecord& r) { r.Layout.Objects[0].FontSize = 12; }, false},
        {"grid and placement",
         [](PuzzleRecord& r) {
             r.Letters[0] = 'A';
             r.Placed[0] = true;
             r.HiddenPhraseUsed = true;
         },
         false},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        PuzzleRecord edited = *reference;
        test.change(edited);
        EXPECT_EQ(PuzzleChanged(*reference, edited), test.changed);
    }
}

TEST(RowCommands, DeleteMovesRowsUpAndDeleteAllKeepsTheMarks)
{
    WordListForm form;
    for (int i = 0; i < kMaxWords; ++i)
        form.Rows[i] = {"w" + std::to_string(i + 1), "c" + std::to_string(i + 1), i == 2};
    deleteRow(form, 2);
    EXPECT_EQ(form.Rows[0].Word, "w1");
    EXPECT_EQ(form.Rows[1].Word, "w3");
    EXPECT_EQ(form.Rows[1].Clue, "c3");
    EXPECT_TRUE(form.Rows[1].Used);
    EXPECT_EQ(form.Rows[328].Word, "w330");
    EXPECT_EQ(form.Rows[329].Word, "");
    EXPECT_EQ(form.Rows[329].Clue, "");
    deleteRow(form, 329);
    EXPECT_EQ(form.Rows[328].Word, "");
    deleteRow(form, 0);  // no row selected: nothing moves
    deleteRow(form, 331);
    EXPECT_EQ(form.Rows[0].Word, "w1");
    EXPECT_EQ(GetWordCount(form), 328);

    EXPECT_TRUE(CheckDeleteAll(form).ok());
    clearAllWords(form);
    EXPECT_EQ(GetWordCount(form), 0);
    EXPECT_TRUE(form.Rows[1].Used);
    EXPECT_EQ(form.Rows[1].Clue, "");
    const Outcome<FormFocus> again = CheckDeleteAll(form);
    EXPECT_FALSE(again.ok());
    EXPECT_EQ(again.refusal.message, "All words are already cleared.");
    EXPECT_EQ(again.refusal.caption, "Error");
}

}  // namespace
}  // namespace qm::test
