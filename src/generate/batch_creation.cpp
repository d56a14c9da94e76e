#include "generate/batch_creation.h"

#include <memory>

#include "generate/create_candidates.h"

namespace qm {
namespace {

// The answers a batch gives to the chooser's questions, fixed in advance.
class FixedAnswers final : public SaveQuestions {
public:
    explicit FixedAnswers(const BatchPuzzle& puzzle) : m_puzzle(puzzle) {}
    bool changeOffensivePhrase() override { return !m_puzzle.keepOffensivePhrase; }
    bool saveWithExcludedWords() override { return m_puzzle.keepExcluded; }

private:
    const BatchPuzzle& m_puzzle;
};

}  // namespace

Outcome<BatchPuzzleMade> CreateBatchPuzzle(const BatchPuzzle& puzzle, CollectionFile& collection,
                                           const OffensiveWordScreen& screen, RandomSource& random,
                                           WorkingCopy& working)
{
    const Outcome<CheckedCreate> checked = CheckCreate(puzzle.form, puzzle.shape);
    if (!checked.ok()) return endingOfCheck<BatchPuzzleMade>(checked);
    startNewPuzzle(working, puzzle.layout);
    PrepareCreate(puzzle.form, puzzle.shape, *working.record);

    GenerationSettings settings = puzzle.settings;
    settings.Attempts = checked.value.attempts;
    auto candidates = std::make_unique<Candidates>();
    const Outcome<GenerationRun> run =
        CreateCandidates(*working.record, puzzle.shape, settings, screen, random, *candidates);
    const int score = candidates->Slots[0].Score;
    if (const Outcome<FormFocus> screened = CheckScreenedRun(puzzle.form, run.value); !screened.ok()) {
        Outcome<BatchPuzzleMade> refused = endingOfCheck<BatchPuzzleMade>(screened);
        refused.value.score = score;
        return refused;
    }

    SaveChoice choice;
    choice.slot = 1;  // the best fit
    choice.includeHidden = puzzle.phrase.has_value();
    choice.phrase = puzzle.phrase.value_or("");
    choice.typedWordCount = working.record->usedWordCount();
    choice.avoidSecondReadings = puzzle.avoidSecondReadings;
    FixedAnswers answers(puzzle);
    const Outcome<SavedPuzzle> saved =
        SaveChosenPuzzle(*candidates, choice, working, collection, screen, random, answers);
    Outcome<BatchPuzzleMade> made = Outcome<BatchPuzzleMade>::endingAs(saved);
    made.value.score = score;
    made.value.saved = saved.value;
    return made;
}

}  // namespace qm
