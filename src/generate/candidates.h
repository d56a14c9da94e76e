// The four kept results of a generation run, best first, and the rule that ranks an attempt.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "collection/puzzle_record.h"

namespace qm {

inline constexpr int kCandidateSlots = 4;
inline constexpr std::array<std::string_view, kCandidateSlots> kCandidateSlotNames{"Best Fit", "Second Best Fit",
                                                                                   "Third Best Fit", "Fourth Best Fit"};

struct CandidateSlot {
    // Owned by the slot for the life of the program; ranking moves whole slots by moving this.
    std::unique_ptr<PuzzleRecord> Record = std::make_unique<PuzzleRecord>();
    // The words the attempt placed; 0 means the slot holds no candidate of this run.
    std::int32_t Score = 0;
    // Flag i belongs to word i of Record (element i-1).
    std::array<bool, kMaxWords> PlacedFlags{};
    // Made by the packing search rather than by an attempt.
    bool Packed = false;
};

// Slot 1 ("Best Fit") is Slots[0]. Allocated once and overwritten by every run, never cleared.
struct Candidates {
    std::array<CandidateSlot, kCandidateSlots> Slots;
};

// Ranks an attempt of the given score: the first slot whose score it strictly exceeds takes it,
// and that slot and the ones behind it move down one place, the last one dropping out. Gives
// the index (0..3) of the slot, whose Score is set and whose Record and PlacedFlags the caller
// fills, or -1 when the attempt is dropped. A tie never displaces a kept candidate, so among
// equal scores the earlier attempt stays higher; a score of 0 is never kept.
int makeRoomForAttempt(Candidates& candidates, std::int32_t score);

}  // namespace qm
