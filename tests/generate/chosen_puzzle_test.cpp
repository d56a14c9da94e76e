// The candidate chooser's rules and its save: the word lists and headings of a slot, the phrase
// controls, and a stored record holding exactly what the write rules say, byte for byte.
#include <utility>

#include <gtest/gtest.h>

#include "collection/collection_file.h"
#include "collection/puzzle_record_codec.h"
#include "generate/build_puzzles.h"
#include "generate/candidate_choice.h"
#include "generate/chosen_puzzle_save.h"
#include "generate/generate_messages.h"
#include "generate/generation_fixtures.h"
#include "generate/puzzle_fill.h"
#include "support/record_images.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

constexpr int kTypedWords = 4;

// The page layout the editor gave the puzzle: a pattern no default layout has.
std::array<std::uint8_t, kPageLayoutSize> editorLayoutBytes()
{
    std::array<std::uint8_t, kPageLayoutSize> layout{};
    for (std::size_t i = 0; i < layout.size(); ++i) layout[i] = static_cast<std::uint8_t>(i * 7 + 3);
    return layout;
}

// What the editor leaves in the working copy before a run: four typed words, a new puzzle.
WorkingCopy typedPuzzle()
{
    WorkingCopy copy;
    copy.record = workingRecord({"zebra", "Bee", "horse", "ant"}, 5, 3, {"stripes", "bug", "runs", "small"});
    copy.record->Title.assign("Animals");
    copy.record->Category.assign("Zoo");
    copy.record->BonusQuestion.assign("Which one");
    copy.record->Layout = decodePageLayout(editorLayoutBytes());
    copy.IsNewPuzzle = true;
    return copy;
}

// Slot 1 as the generator leaves it: horse and cat placed (cat was typed in place of zebra),
// placed words first in byte order, then the ones that did not fit, also in byte order.
//   H O R S E
//   C A T . #
//   . . . # #
void fillCandidates(Candidates& candidates, const PuzzleRecord& typed)
{
    PuzzleRecord& record = *candidates.Slots[0].Record;
    record = typed;
    const auto grid = gridRecord({"HORSE", "CAT.#", "...##"});
    record.Letters = grid->Letters;
    record.FillLetters.fill(' ');
    const char* words[] = {"cat", "horse", "Bee", "ant"};
    const char* clues[] = {"meows", "runs", "bug", "small"};
    for (int i = 0; i < kTypedWords; ++i) {
        record.Words[i].assign(words[i]);
        record.Clues[i].assign(clues[i]);
    }
    record.WordCount = 2;
    record.StartCell[0] = 51;
    record.EndCell[0] = 53;
    record.StartCell[1] = 1;
    record.EndCell[1] = 5;
    record.Placed[2] = true;  // stale flags of the working record the stamp must clear
    record.Placed[100] = true;
    candidates.Slots[0].Score = 2;
    candidates.Slots[0].PlacedFlags = {};
    candidates.Slots[0].PlacedFlags[0] = candidates.Slots[0].PlacedFlags[1] = true;
    for (int slot = 1; slot < kCandidateSlots; ++slot) candidates.Slots[slot].Score = 0;
}

// How a save ended together with what the chooser does next, compared as one.
using SaveEnd = std::pair<Ending::Kind, ChooserStep>;
const SaveEnd kStored{Ending::Kind::Done, ChooserStep::Close};
const SaveEnd kRefused{Ending::Kind::Refused, ChooserStep::StayOpen};
const SaveEnd kPhraseRefused{Ending::Kind::Refused, ChooserStep::BackToPhrase};
const SaveEnd kBackToPhrase{Ending::Kind::Cancelled, ChooserStep::BackToPhrase};
const SaveEnd kNotWritten{Ending::Kind::Cancelled, ChooserStep::StayOpen};
const SaveEnd kCannotSave{Ending::Kind::Refused, ChooserStep::Close};
SaveEnd endOf(const Outcome<SavedPuzzle>& saved) { return {saved.kind, saved.value.next}; }

class ScriptedQuestions final : public SaveQuestions {
public:
    bool changeOffensivePhrase() override
    {
        ++phraseAsked;
        return changePhrase;
    }
    bool saveWithExcludedWords() override
    {
        ++excludedAsked;
        return saveAnyway;
    }
    bool changePhrase = true;
    bool saveAnyway = true;
    int phraseAsked = 0;
    int excludedAsked = 0;
};

OffensiveWordScreen screenOf(std::initializer_list<const char*> words)
{
    BadWordList list;
    for (const char* word : words) list.Entries[list.Count++].assign(word);
    return OffensiveWordScreen(list);
}

class ChosenPuzzleSave : public ::testing::Test {
protected:
    ChosenPuzzleSave() { fillCandidates(candidates, *copy.record); }

    Outcome<SavedPuzzle> save(const SaveChoice& choice,
                              const OffensiveWordScreen& screen = OffensiveWordScreen(BadWordList{}))
    {
        return SaveChosenPuzzle(candidates, choice, copy, collection, screen, random, questions);
    }
    static SaveChoice phrase(std::string text) { return SaveChoice{1, true, std::move(text), kTypedWords}; }
    std::string fileBytes() const { return readFile(collection.path()); }

    TempDir dir;
    CollectionFile collection{dir / "puzzles.QZ3"};
    WorkingCopy copy = typedPuzzle();
    Candidates candidates;
    ScriptedRandom random{{0}};
    ScriptedQuestions questions;
};

TEST_F(ChosenPuzzleSave, StoredRecordHoldsWhatTheWriteRulesSay)
{
    const Outcome<SavedPuzzle> saved = save(phrase(" wxyz "));
    ASSERT_EQ(endOf(saved), kStored) << saved.refusal.message;
    EXPECT_EQ(saved.value.recordIndex, 0);
    EXPECT_EQ(questions.excludedAsked, 1);
    EXPECT_EQ(questions.phraseAsked, 0);

    const std::string file = fileBytes();
    ASSERT_EQ(file.size(), 95830u);
    auto at = [&file](std::size_t offset, std::size_t size) { return file.substr(offset, size); };
    ImageBuilder expected(95830);
    expected.text(0, "3.0g").text(6, "Zoo").text(27, "Animals").i16(63, 5).i16(65, 3);
    expected.raw(67, "HORSE").raw(117, "CAT ").byte(121, 0).raw(167, "   ").byte(170, 0).byte(171, 0);
    expected.byte(2566 + 54, 'W').raw(2566 + 101, "XYZ");  // the free cells, in reading order
    expected.i16(5067, 2);
    expected.text(5069, "cat").text(5100, "horse").text(5131, "Bee").text(5162, "ant");
    expected.text(15299, "meows").text(15450, "runs").text(15601, "bug").text(15752, "small");
    expected.i16(65129, 51).i16(65131, 1).i16(65789, 53).i16(65791, 5);
    expected.byte(66449, 1).byte(66450, 1);
    expected.byte(66779, 1).text(66780, "Which one").byte(66931, 1);
    const std::string image = expected.str();
    auto want = [&image](std::size_t offset, std::size_t size) { return image.substr(offset, size); };

    EXPECT_EQ(at(0, 5), want(0, 5));        // VersionTag "3.0g"
    EXPECT_EQ(at(6, 4), want(6, 4));        // Category (the bytes behind a text mean nothing)
    EXPECT_EQ(at(27, 8), want(27, 8));      // Title
    EXPECT_EQ(at(63, 4), want(63, 4));      // Width, Height
    EXPECT_EQ(at(67, 5), want(67, 5));      // row 1 of Letters
    EXPECT_EQ(at(117, 5), want(117, 5));    // row 2
    EXPECT_EQ(at(167, 5), want(167, 5));    // row 3
    EXPECT_EQ(at(2620, 1), want(2620, 1));  // FillLetters of (2,4)
    EXPECT_EQ(at(2667, 3), want(2667, 3));  // FillLetters of row 3
    EXPECT_EQ(at(5067, 2), want(5067, 2));  // WordCount: the placed words
    for (int slot = 0; slot < 4; ++slot) {
        SCOPED_TRACE(slot);
        const std::size_t word = 5069 + slot * 31, clue = 15299 + slot * 151;
        EXPECT_EQ(at(word, 1 + static_cast<unsigned char>(image[word])),
                  want(word, 1 + static_cast<unsigned char>(image[word])));
        EXPECT_EQ(at(clue, 1 + static_cast<unsigned char>(image[clue])),
                  want(clue, 1 + static_cast<unsigned char>(image[clue])));
    }
    for (int slot = 4; slot < kMaxWords; ++slot) {
        EXPECT_EQ(file[5069 + slot * 31], '\0') << slot;
        EXPECT_EQ(file[15299 + slot * 151], '\0') << slot;
    }
    EXPECT_EQ(at(65129, 4), want(65129, 4));      // StartCell of the placed words
    EXPECT_EQ(at(65789, 4), want(65789, 4));      // EndCell
    EXPECT_EQ(at(66449, 330), want(66449, 330));  // Placed: the two placed words only
    EXPECT_EQ(at(66779, 1), "\x01");              // Generated
    EXPECT_EQ(at(66780, 10), want(66780, 10));    // BonusQuestion
    EXPECT_EQ(at(66931, 1), "\x01");              // HiddenPhraseUsed
    const auto layout = editorLayoutBytes();
    EXPECT_EQ(at(66932, kPageLayoutSize), std::string(layout.begin(), layout.end()));
    EXPECT_TRUE(copy.reselect.requested);
    EXPECT_EQ(copy.reselect.category, "Zoo");
    EXPECT_EQ(copy.reselect.title, "Animals");
}

TEST_F(ChosenPuzzleSave, PhraseRefusalsStoreNothingAndKeepTheCandidate)
{
    Outcome<SavedPuzzle> saved = save(phrase("w xy"));
    EXPECT_EQ(endOf(saved), kPhraseRefused);
    EXPECT_EQ(saved.refusal.message, "Spaces were used in the hidden phrase.");
    EXPECT_EQ(saved.value.next, ChooserStep::BackToPhrase);

    saved = save(phrase("wxy"));
    EXPECT_EQ(endOf(saved), kPhraseRefused);
    EXPECT_EQ(saved.refusal.message,
              "4 characters are required for the hidden phrase.  You have entered 3 characters.  Please change your "
              "phrase or select not to use a phrase.");
    EXPECT_FALSE(std::filesystem::exists(collection.path()));
    EXPECT_EQ(questions.excludedAsked, 0);
    // The candidate itself carries no fill letters into the next try.
    EXPECT_EQ(candidates.Slots[0].Record->FillLetters[53], ' ');
}

TEST_F(ChosenPuzzleSave, AnEmptySlotIsNeverStored)
{
    for (const int slot : {0, 2, 4, 5}) {
        SCOPED_TRACE(slot);
        const Outcome<SavedPuzzle> saved = save(SaveChoice{slot, false, "", kTypedWords});
        EXPECT_EQ(endOf(saved), kRefused);
        EXPECT_EQ(saved.refusal.message, GenerateMessages::EmptySlot.message);
    }
    EXPECT_EQ(copy.record->WordCount, kTypedWords);  // the working record was left alone
    EXPECT_FALSE(std::filesystem::exists(collection.path()));
}

TEST_F(ChosenPuzzleSave, AnOffensivePhraseAsksWhetherToChangeIt)
{
    const OffensiveWordScreen screen = screenOf({"zyx"});  // read backwards along row 3
    Outcome<SavedPuzzle> saved = save(phrase("wxyz"), screen);
    EXPECT_EQ(endOf(saved), kBackToPhrase);
    EXPECT_EQ(saved.value.next, ChooserStep::BackToPhrase);
    EXPECT_EQ(questions.phraseAsked, 1);
    EXPECT_EQ(questions.excludedAsked, 0);
    EXPECT_FALSE(std::filesystem::exists(collection.path()));

    questions.changePhrase = false;
    saved = save(phrase("wxyz"), screen);
    ASSERT_EQ(endOf(saved), kStored);
    auto stored = collection.ReadPuzzle(0);
    ASSERT_TRUE(stored);
    EXPECT_TRUE((*stored)->HiddenPhraseUsed);
    EXPECT_EQ((*stored)->FillLetters[100], 'X');  // cell (3,1)
}

TEST_F(ChosenPuzzleSave, RandomFillIsRedrawnUntilTheScreenPasses)
{
    random = ScriptedRandom({0, 0, 0, 0, 1, 2, 3, 4});  // first AAAA: "aa" in row 3
    const Outcome<SavedPuzzle> saved = save(SaveChoice{1, false, "ignored", kTypedWords}, screenOf({"aa"}));
    ASSERT_EQ(endOf(saved), kStored);
    EXPECT_EQ(saved.value.randomFills, 2);
    auto stored = collection.ReadPuzzle(0);
    ASSERT_TRUE(stored);
    EXPECT_FALSE((*stored)->HiddenPhraseUsed);
    EXPECT_EQ((*stored)->FillLetters[53], 'B');
    EXPECT_EQ(std::string((*stored)->FillLetters.begin() + 100, (*stored)->FillLetters.begin() + 103), "CDE");
    EXPECT_EQ(questions.phraseAsked, 0);
}

TEST_F(ChosenPuzzleSave, ARandomFillThatNeverPassesIsRefused)
{
    const Outcome<SavedPuzzle> saved = save(SaveChoice{1, false, "", kTypedWords}, screenOf({"a"}));
    EXPECT_EQ(endOf(saved), kRefused);
    EXPECT_EQ(saved.refusal.message, GenerateMessages::RandomFillScreened.message);
    EXPECT_EQ(saved.value.randomFills, kRandomFillLimit);
    EXPECT_FALSE(std::filesystem::exists(collection.path()));
}

TEST_F(ChosenPuzzleSave, ExcludedWordsNoStampsButDoesNotWrite)
{
    questions.saveAnyway = false;
    const Outcome<SavedPuzzle> saved = save(phrase("wxyz"));
    EXPECT_EQ(endOf(saved), kNotWritten);
    EXPECT_EQ(questions.excludedAsked, 1);
    EXPECT_FALSE(std::filesystem::exists(collection.path()));
    EXPECT_TRUE(copy.record->Generated);
    EXPECT_EQ(copy.record->VersionTag.text(), "3.0g");
    EXPECT_FALSE(copy.reselect.requested);
}

TEST_F(ChosenPuzzleSave, NoQuestionWhenEveryTypedWordIsPlaced)
{
    questions.saveAnyway = false;
    const Outcome<SavedPuzzle> saved = save(SaveChoice{1, true, "wxyz", 2});
    EXPECT_EQ(endOf(saved), kStored);
    EXPECT_EQ(questions.excludedAsked, 0);
}

TEST_F(ChosenPuzzleSave, ATryAfterARefusalStillCountsTheTypedWords)
{
    ASSERT_EQ(endOf(save(phrase("w x"))), kPhraseRefused);
    EXPECT_EQ(copy.record->WordCount, 2);  // the working record now holds the candidate
    questions.saveAnyway = false;
    EXPECT_EQ(endOf(save(phrase("wxyz"))), kNotWritten);
    EXPECT_EQ(questions.excludedAsked, 1);
}

TEST_F(ChosenPuzzleSave, MoreThan255FreeCellsAlwaysFillRandomly)
{
    auto wide = gridRecord(std::vector<std::string>(16, std::string(16, '.')));
    wide->Letters[0] = 'A';
    candidates.Slots[1].Record = std::move(wide);
    candidates.Slots[1].Score = 1;
    candidates.Slots[1].PlacedFlags = {};
    candidates.Slots[1].PlacedFlags[0] = true;
    candidates.Slots[1].Record->WordCount = 1;
    candidates.Slots[1].Record->Words[0].assign("a");
    ASSERT_EQ(FreeCells(*candidates.Slots[1].Record), 255);
    EXPECT_TRUE(SelectAPuzzle(candidates, 2, 1).phraseEnabled);
    candidates.Slots[1].Record->Letters[0] = ' ';
    EXPECT_FALSE(SelectAPuzzle(candidates, 2, 1).phraseEnabled);

    const Outcome<SavedPuzzle> saved = save(SaveChoice{2, true, "abc", 1});
    ASSERT_EQ(endOf(saved), kStored) << saved.refusal.message;
    EXPECT_FALSE(copy.record->HiddenPhraseUsed);
    EXPECT_EQ(copy.record->FillLetters[0], 'A');
}

TEST_F(ChosenPuzzleSave, ModifyReplacesAndACopyAppends)
{
    ASSERT_TRUE(collection.AppendPuzzle(*workingRecord({"old"}, 15, 15)));
    ASSERT_TRUE(collection.AppendPuzzle(*workingRecord({"older"}, 15, 15)));
    copy.IsNewPuzzle = false;
    copy.RecordIndex = 1;
    Outcome<SavedPuzzle> saved = save(phrase("wxyz"));
    ASSERT_EQ(endOf(saved), kStored);
    EXPECT_EQ(saved.value.recordIndex, 1);
    EXPECT_EQ(*collection.recordCount(), 2);
    EXPECT_EQ((*collection.ReadPuzzle(0))->Words[0].text(), "old");
    EXPECT_EQ((*collection.ReadPuzzle(1))->Words[0].text(), "cat");

    copy.IsNewPuzzle = true;
    saved = save(phrase("wxyz"));
    ASSERT_EQ(endOf(saved), kStored);
    EXPECT_EQ(saved.value.recordIndex, 2);
    EXPECT_EQ(*collection.recordCount(), 3);
}

TEST_F(ChosenPuzzleSave, AFileThatCannotBeWrittenIsUnableToSaveAndNothingChanges)
{
    CollectionFile nowhere(dir / "missing" / "puzzles.QZ3");
    Outcome<SavedPuzzle> saved = SaveChosenPuzzle(candidates, phrase("wxyz"), copy, nowhere,
                                                  OffensiveWordScreen(BadWordList{}), random, questions);
    EXPECT_EQ(endOf(saved), kCannotSave);
    EXPECT_EQ(saved.refusal.message, "Unable to save puzzle.");
    EXPECT_EQ(saved.refusal.caption, "Error");
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_FALSE(copy.reselect.requested);

    // Replacing in a file that is gone, or a record that is gone.
    copy.IsNewPuzzle = false;
    copy.RecordIndex = 0;
    EXPECT_EQ(StoreWorkingCopy(copy, collection).kind, Ending::Kind::Refused);
    EXPECT_FALSE(std::filesystem::exists(collection.path()));
    ASSERT_TRUE(collection.AppendPuzzle(*workingRecord({"old"}, 15, 15)));
    copy.RecordIndex = 1;
    const std::string before = fileBytes();
    EXPECT_EQ(StoreWorkingCopy(copy, collection).kind, Ending::Kind::Refused);
    EXPECT_EQ(fileBytes(), before);
}

TEST(SelectAPuzzle, ListsHeadingsAndFreeCells)
{
    WorkingCopy copy = typedPuzzle();
    Candidates candidates;
    fillCandidates(candidates, *copy.record);
    CandidateSelection selection = SelectAPuzzle(candidates, 1, kTypedWords);
    EXPECT_EQ(selection.IncludedWords, (std::vector<std::string>{"cat", "horse"}));
    EXPECT_EQ(selection.ExcludedWords, (std::vector<std::string>{"ant", "Bee"}));  // letter case aside
    EXPECT_EQ(selection.IncludedHeading, "2 Included Words");
    EXPECT_EQ(selection.ExcludedHeading, "2 Excluded Words");
    EXPECT_EQ(selection.FreeCells, 4);
    EXPECT_EQ(selection.NumChars, "4 Chars");
    EXPECT_TRUE(selection.phraseEnabled);

    candidates.Slots[0].PlacedFlags[0] = false;
    selection = SelectAPuzzle(candidates, 1, 3);
    EXPECT_EQ(selection.IncludedHeading, "1 Included Word");
    EXPECT_EQ(selection.ExcludedHeading, "2 Excluded Words");
    selection = SelectAPuzzle(candidates, 1, 2);
    EXPECT_EQ(selection.ExcludedHeading, "1 Excluded Word");
    selection = SelectAPuzzle(candidates, 1, 0);
    EXPECT_EQ(selection.IncludedHeading, "0 Included Words");
    EXPECT_EQ(selection.ExcludedHeading, "0 Excluded Words");

    EXPECT_EQ(visibleHeadings(candidates), (std::array<bool, 4>{true, false, false, false}));
    candidates.Slots[0].Score = 0;
    EXPECT_EQ(visibleHeadings(candidates), (std::array<bool, 4>{false, false, false, false}));
}

TEST(ChosenPuzzleSaveAfterARun, PlacedWordsFirstInByteOrderAndTheRestBehindWithTheirClues)
{
    const std::vector<std::string> words{"zebra", "Ant", "horse", "otter", "crocodile", "Eel", "bee", "lion", "yak"};
    std::vector<std::string> clues;
    for (const auto& word : words) clues.push_back("clue of " + word);
    WorkingCopy copy;
    copy.record = workingRecord(words, 7, 7, clues);
    copy.IsNewPuzzle = true;
    GenerationSettings settings;
    settings.Attempts = 20;
    SeededRandom random(5);
    Candidates candidates;
    BuildPuzzles(*copy.record, fullShape(7, 7), settings, OffensiveWordScreen(BadWordList{}), random, candidates);
    const int score = candidates.Slots[0].Score;
    ASSERT_GT(score, 0);
    ASSERT_LT(score, static_cast<int>(words.size())) << "the grid should leave some words out";

    TempDir dir;
    CollectionFile collection(dir / "run.QZ3");
    ScriptedQuestions questions;
    const Outcome<SavedPuzzle> saved =
        SaveChosenPuzzle(candidates, SaveChoice{1, false, "", static_cast<int>(words.size())}, copy, collection,
                         OffensiveWordScreen(builtInBadWords()), random, questions);
    ASSERT_EQ(endOf(saved), kStored);
    EXPECT_EQ(questions.excludedAsked, 1);

    const std::string file = readFile(collection.path());
    ASSERT_EQ(file.size(), PuzzleRecord::kSize);
    auto stored = std::make_unique<PuzzleRecord>();
    decodePuzzleRecord(std::span<const std::uint8_t, PuzzleRecord::kSize>(
                           reinterpret_cast<const std::uint8_t*>(file.data()), PuzzleRecord::kSize),
                       *stored);
    EXPECT_EQ(stored->WordCount, score);
    auto wordAt = [&file](int slot) {
        const std::size_t offset = 5069 + slot * 31;
        return file.substr(offset + 1, static_cast<unsigned char>(file[offset]));
    };
    auto clueAt = [&file](int slot) {
        const std::size_t offset = 15299 + slot * 151;
        return file.substr(offset + 1, static_cast<unsigned char>(file[offset]));
    };
    for (int slot = 0; slot < static_cast<int>(words.size()); ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(file[66449 + slot], slot < score ? 1 : 0);
        EXPECT_EQ(clueAt(slot), "clue of " + wordAt(slot));
        const bool sameGroup = slot + 1 != score && slot + 1 < static_cast<int>(words.size());
        if (sameGroup) {
            EXPECT_LT(wordAt(slot), wordAt(slot + 1));
        }
    }
    EXPECT_EQ(file[5069 + static_cast<int>(words.size()) * 31], '\0');
    for (int slot = 0; slot < score; ++slot) {
        // The first letter of each placed word lies at its start cell.
        EXPECT_EQ(static_cast<char>(stored->Letters[stored->StartCell[slot] - 1]),
                  static_cast<char>(std::toupper(static_cast<unsigned char>(wordAt(slot)[0]))));
    }
    for (int cell = 0; cell < kGridCells; ++cell) {
        if (stored->Letters[cell] == ' ' && cellRow(cell + 1) <= 7 && cellColumn(cell + 1) <= 7) {
            EXPECT_TRUE(stored->FillLetters[cell] >= 'A' && stored->FillLetters[cell] <= 'Z');
        }
    }
    EXPECT_EQ(file[66779], 1);
    EXPECT_EQ(file.substr(0, 5), std::string("\x04"
                                             "3.0g"));
}

}  // namespace
}  // namespace qm::test
