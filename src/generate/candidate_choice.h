// What the candidate chooser shows for the selected slot: its included and excluded words with
// their headings, its free cells and whether a hidden phrase can be chosen.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "generate/candidates.h"

namespace qm {

// A slot with Score 0 holds no candidate of the current run: it shows an empty image, its
// heading is hidden, and it can never be stored.
inline bool slotHoldsCandidate(const Candidates& candidates, int slot)
{
    return slot >= 1 && slot <= kCandidateSlots && candidates.Slots[slot - 1].Score > 0;
}
// The headings "Best Fit" .. "Fourth Best Fit" that show.
std::array<bool, kCandidateSlots> visibleHeadings(const Candidates& candidates);

struct CandidateSelection {
    int slot = 0;                            // 1..4
    std::vector<std::string> IncludedWords;  // sorted as every list is shown
    std::vector<std::string> ExcludedWords;
    std::string IncludedHeading;  // "1 Included Word", "3 Included Words"
    std::string ExcludedHeading;
    int FreeCells = 0;
    std::string NumChars;  // "12 Chars"
    // At most 255 free cells: the phrase edit and box are enabled. Otherwise both are disabled
    // and the box is cleared. The edit keeps the whole phrase typed, whatever the slot: a phrase
    // of another length is refused by the save with the counts, never cut.
    bool phraseEnabled = false;
};

// Slot 1..4 selected. typedWordCount is the WordCount of the working record, the number of
// words typed in the editor: word t of the slot's record counts as included when the slot's
// PlacedFlags[t] is set.
CandidateSelection SelectAPuzzle(const Candidates& candidates, int slot, int typedWordCount);

}  // namespace qm
