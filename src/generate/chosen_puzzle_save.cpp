#include "generate/chosen_puzzle_save.h"

#include "generate/candidate_choice.h"
#include "generate/generate_messages.h"
#include "generate/puzzle_fill.h"
#include "generate/second_readings.h"

namespace qm {
namespace {

// The chosen candidate marked as generated and saved by this version, its placed words flagged.
void stamp(PuzzleRecord& record, const CandidateSlot& slot)
{
    record.Generated = true;
    record.VersionTag.assign(kVersionTagText);
    for (auto& placed : record.Placed) placed = false;
    for (int i = 0; i < record.usedWordCount(); ++i) record.Placed[i] = slot.PlacedFlags[i];
}

Outcome<SavedPuzzle> ended(Ending ending, const SavedPuzzle& saved, ChooserStep next)
{
    Outcome<SavedPuzzle> outcome = Outcome<SavedPuzzle>::endingAs(std::move(ending));
    outcome.value = saved;
    outcome.value.next = next;
    return outcome;
}

}  // namespace

Outcome<SavedPuzzle> SaveChosenPuzzle(const Candidates& candidates, const SaveChoice& choice, WorkingCopy& copy,
                                      CollectionFile& collection, const OffensiveWordScreen& screen,
                                      RandomSource& random, SaveQuestions& questions)
{
    // An empty slot holds a grid of an earlier run, or none at all.
    if (!slotHoldsCandidate(candidates, choice.slot)) return Outcome<SavedPuzzle>::refused(GenerateMessages::EmptySlot);
    const CandidateSlot& slot = candidates.Slots[choice.slot - 1];
    const CandidateSelection selection = SelectAPuzzle(candidates, choice.slot, choice.typedWordCount);

    PuzzleRecord& working = *copy.record;
    working = *slot.Record;
    SavedPuzzle saved;
    // More than 255 free cells leave the box cleared: such a grid is always filled randomly.
    const bool usePhrase = choice.includeHidden && selection.phraseEnabled;
    const Outcome<FreeCellsFill> fill = fillFreeCells(working, usePhrase, choice.phrase, PhraseSource::Chooser, screen,
                                                      random, choice.avoidSecondReadings);
    saved.randomFills = fill.value.randomFills;
    if (!fill.ok()) {
        const bool phraseRefused = fill.value.focus == FormField::HiddenPhrase;
        return ended(fill, saved, phraseRefused ? ChooserStep::BackToPhrase : ChooserStep::StayOpen);
    }
    saved.secondReadingsLeft = fill.value.secondReadingsLeft > 0;
    // Counted for a phrase too, which is the user's own and never redrawn.
    saved.secondReadings = SecondReadingScan(working).count(working.FillLetters).total;
    // A phrase is the user's own: it is kept when they say so, even if it forms a screened word.
    if (usePhrase && showsOffensiveWord(working, screen) && questions.changeOffensivePhrase()) {
        saved.next = ChooserStep::BackToPhrase;
        return Outcome<SavedPuzzle>::cancelled(saved);
    }

    const bool write = selection.ExcludedWords.empty() || questions.saveWithExcludedWords();
    stamp(working, slot);
    if (!write) return Outcome<SavedPuzzle>::cancelled(saved);

    const Outcome<int> stored = StoreWorkingCopy(copy, collection);
    saved.recordIndex = stored.value;
    // "Unable to save puzzle." closes the chooser; after another failure the user can try again.
    const bool closes = stored.kind != Ending::Kind::Failed;
    return ended(stored, saved, closes ? ChooserStep::Close : ChooserStep::StayOpen);
}

}  // namespace qm
