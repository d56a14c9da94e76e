#include "generate/candidate_choice.h"

#include <algorithm>

#include "common/text_order.h"
#include "common/text_rules.h"
#include "generate/puzzle_fill.h"

namespace qm {
namespace {

std::string countHeading(std::size_t count, const char* noun)
{
    return groupedNumber(static_cast<std::int64_t>(count)) + " " + noun + (count == 1 ? "" : "s");
}

void sortListed(std::vector<std::string>& words)
{
    std::sort(words.begin(), words.end(),
              [](const std::string& a, const std::string& b) { return compareListedText(a, b) < 0; });
}

}  // namespace

std::array<bool, kCandidateSlots> visibleHeadings(const Candidates& candidates)
{
    std::array<bool, kCandidateSlots> visible{};
    for (int slot = 1; slot <= kCandidateSlots; ++slot) visible[slot - 1] = slotHoldsCandidate(candidates, slot);
    return visible;
}

CandidateSelection SelectAPuzzle(const Candidates& candidates, int slot, int typedWordCount)
{
    CandidateSelection selection;
    selection.slot = std::clamp(slot, 1, kCandidateSlots);
    const CandidateSlot& chosen = candidates.Slots[selection.slot - 1];
    const int words = std::clamp(typedWordCount, 0, kMaxWords);
    for (int t = 0; t < words; ++t)
        (chosen.PlacedFlags[t] ? selection.IncludedWords : selection.ExcludedWords)
            .push_back(chosen.Record->Words[t].text());
    sortListed(selection.IncludedWords);
    sortListed(selection.ExcludedWords);
    selection.IncludedHeading = countHeading(selection.IncludedWords.size(), "Included Word");
    selection.ExcludedHeading = countHeading(selection.ExcludedWords.size(), "Excluded Word");
    selection.FreeCells = FreeCells(*chosen.Record);
    selection.NumChars = freeCellsLabel(selection.FreeCells);
    selection.phraseEnabled = phraseAllowed(selection.FreeCells);
    return selection;
}

}  // namespace qm
