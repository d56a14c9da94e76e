// The settings the word list editor and the generator read: the creation options and the allowed
// directions, and the options of the word and clue text files.
#pragma once

#include <algorithm>
#include <string>

#include "common/direction.h"

namespace qm {

inline constexpr int kMaxAttempts = 999;
inline constexpr int kMaxIntegration = 6;
inline constexpr int kDefaultPackingSeconds = 2;
inline constexpr int kMaxPackingSeconds = 30;

// What a generation run takes.
struct GenerationSettings {
    DirectionSet Allowed{true, true, true, true, true, true, true, true};
    int Attempts = 1;     // 1..999
    int Integration = 6;  // 0..6, the word integration of the editor
    bool Shrink = false;
    // Ours: after the attempts, a packing search for the words they left out, for this long.
    bool PlaceEveryWord = false;
    int PackingSeconds = kDefaultPackingSeconds;  // 1..30

    // The values a run uses: a hand-edited settings file may hold anything.
    int usedAttempts() const { return std::clamp(Attempts, 1, kMaxAttempts); }
    int usedIntegration() const { return std::clamp(Integration, 0, kMaxIntegration); }
    int usedPackingSeconds() const { return std::clamp(PackingSeconds, 1, kMaxPackingSeconds); }
};

struct WordListSettings {
    bool UseClues = true;
    GenerationSettings Generation;
    // A random fill is redrawn until no placed word can be read a second time in the grid.
    bool AvoidSecondReadings = true;
    char SepChar = ':';  // one byte of the word and clue text files
    int ImportOption = 1;
    int ExportOption = 3;
    std::string LastImportWordFile;
    std::string LastExportWordFile;
};

}  // namespace qm
