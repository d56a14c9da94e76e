#include "generate/candidates.h"

#include <utility>

namespace qm {

int makeRoomForAttempt(Candidates& candidates, std::int32_t score)
{
    auto& slots = candidates.Slots;
    int slot = 0;
    while (slot < kCandidateSlots && score <= slots[slot].Score) ++slot;
    if (slot == kCandidateSlots) return -1;
    // The last slot's record buffer is the one freed; it comes up to the new place.
    for (int from = kCandidateSlots - 1; from > slot; --from) std::swap(slots[from], slots[from - 1]);
    slots[slot].Score = score;
    return slot;
}

}  // namespace qm
