#include "generate/batch_creation.h"

#include <memory>

#include "generate/build_puzzles.h"

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

BatchOutcome CreateBatchPuzzle(const BatchPuzzle& puzzle, CollectionFile& collection, const OffensiveWordScreen& screen,
                               RandomSource& random, WorkingCopy& working)
{
    BatchOutcome outcome;
    const CreateCheck checked = CheckCreate(puzzle.form, puzzle.shape);
    if (!checked.check.passed) {
        outcome.check = checked.check;
        return outcome;
    }
    startNewPuzzle(working, puzzle.layout);
    PrepareCreate(puzzle.form, puzzle.shape, *working.record);

    GenerationSettings settings = puzzle.settings;
    settings.Attempts = checked.attempts;
    auto candidates = std::make_unique<Candidates>();
    const GenerationOutcome run = BuildPuzzles(*working.record, puzzle.shape, settings, screen, random, *candidates);
    outcome.score = candidates->Slots[0].Score;
    if (FormCheck screened = CheckScreenedRun(puzzle.form, run); !screened.passed) {
        outcome.check = std::move(screened);
        return outcome;
    }

    SaveChoice choice;
    choice.slot = 1;  // the best fit
    choice.includeHidden = puzzle.phrase.has_value();
    choice.phrase = puzzle.phrase.value_or("");
    choice.typedWordCount = working.record->usedWordCount();
    choice.avoidSecondReadings = puzzle.avoidSecondReadings;
    FixedAnswers answers(puzzle);
    outcome.saved = SaveChosenPuzzle(*candidates, choice, working, collection, screen, random, answers);
    return outcome;
}

}  // namespace qm
