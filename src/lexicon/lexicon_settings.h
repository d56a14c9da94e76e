// The settings of the spelling checker, the thesaurus and the international character keys.
#pragma once

#include <array>
#include <string>

namespace qm {

inline constexpr int kInternationalKeys = 12;

struct LexiconSettings {
    int Dictionary = 1;      // 0 none, 1..8 a language, 9 choose at spell check time
    int UserDictionary = 1;  // 1..8
    int Thesaurus = 1;       // 0 none, 1 American, 2 British, 3 choose at use time
    int UserThesaurus = 1;   // 1..2
    // Character codes such as "0225", at most 4 characters each, for the keys F1 to F12.
    std::array<std::string, kInternationalKeys> IntKeys{"0225", "0233", "0237", "0243", "0241", "0246",
                                                        "0250", "0228", "0229", "0224", "0232", "0242"};
};

}  // namespace qm
