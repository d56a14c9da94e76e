#include "generate/chosen_puzzle_save.h"

#include "generate/candidate_choice.h"
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

SaveOutcome refused(FormCheck refusal)
{
    SaveOutcome outcome;
    outcome.end = SaveOutcome::End::Refused;
    outcome.refusal = std::move(refusal);
    return outcome;
}

}  // namespace

SaveOutcome SaveChosenPuzzle(const Candidates& candidates, const SaveChoice& choice, WorkingCopy& copy,
                             CollectionFile& collection, const OffensiveWordScreen& screen, RandomSource& random,
                             SaveQuestions& questions)
{
    // An empty slot holds a grid of an earlier run, or none at all.
    if (!slotHoldsCandidate(candidates, choice.slot)) return refused(FormCheck::refuse(kEmptySlotRefusal));
    const CandidateSlot& slot = candidates.Slots[choice.slot - 1];
    const CandidateSelection selection = SelectAPuzzle(candidates, choice.slot, choice.typedWordCount);

    PuzzleRecord& working = *copy.record;
    working = *slot.Record;
    SaveOutcome outcome;
    // More than 255 free cells leave the box cleared: such a grid is always filled randomly.
    const bool usePhrase = choice.includeHidden && selection.phraseEnabled;
    FreeCellsFill fill = fillFreeCells(working, usePhrase, choice.phrase, PhraseSource::Chooser, screen, random,
                                       choice.avoidSecondReadings);
    if (!fill.check.passed) {
        SaveOutcome stopped = refused(std::move(fill.check));
        stopped.randomFills = fill.randomFills;
        return stopped;
    }
    outcome.randomFills = fill.randomFills;
    outcome.secondReadingsLeft = fill.secondReadingsLeft > 0;
    // Counted for a phrase too, which is the user's own and never redrawn.
    outcome.secondReadings = SecondReadingScan(working).count(working.FillLetters).total;
    // A phrase is the user's own: it is kept when they say so, even if it forms a screened word.
    if (usePhrase && showsOffensiveWord(working, screen) && questions.changeOffensivePhrase()) {
        outcome.end = SaveOutcome::End::BackToPhrase;
        outcome.refusal.focus = FormField::HiddenPhrase;
        return outcome;
    }

    const bool write = selection.ExcludedWords.empty() || questions.saveWithExcludedWords();
    stamp(working, slot);
    if (!write) {
        outcome.end = SaveOutcome::End::NotWritten;
        return outcome;
    }

    const Outcome<int> stored = StoreWorkingCopy(copy, collection);
    outcome.recordIndex = stored.value;
    outcome.failure = stored.failure;
    if (stored.ok()) {
        outcome.end = SaveOutcome::End::Stored;
    } else if (stored.kind == Ending::Kind::Refused) {
        outcome.end = SaveOutcome::End::CannotSave;
        outcome.refusal = FormCheck::refuse(stored.refusal.message);
    } else {
        outcome.end = SaveOutcome::End::IoFailure;
    }
    return outcome;
}

}  // namespace qm
