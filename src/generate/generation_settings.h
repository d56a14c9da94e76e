// What a generation run takes from the settings: the allowed directions and the creation options.
#pragma once

#include <algorithm>

#include "app/settings.h"
#include "generate/direction.h"

namespace qm {

inline constexpr int kMaxAttempts = 999;
inline constexpr int kMaxIntegration = 6;

struct GenerationSettings {
    DirectionSet Allowed{true, true, true, true, true, true, true, true};
    int Attempts = 1;     // 1..999
    int Integration = 6;  // 0..6, the word integration of the editor
    bool Shrink = false;

    // The values a run uses: a hand-edited settings file may hold anything.
    int usedAttempts() const { return std::clamp(Attempts, 1, kMaxAttempts); }
    int usedIntegration() const { return std::clamp(Integration, 0, kMaxIntegration); }
};

inline GenerationSettings generationSettingsFrom(const Settings& settings)
{
    GenerationSettings generation;
    generation.Allowed = settings.Create.Allowed;
    generation.Attempts = settings.CreateOptions.Attempts;
    generation.Integration = settings.CreateOptions.Integration;
    generation.Shrink = settings.CreateOptions.Shrink;
    return generation;
}

}  // namespace qm
