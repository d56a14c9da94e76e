// What the program asks of a spelling dictionary: whether it knows a word, and what it would
// write instead. Words go in and come out as Windows-1252 bytes, whatever the dictionary's own
// encoding; the engine behind it (Hunspell in the program, a fake in tests) stays out of sight.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

class SpellingEngine {
public:
    virtual ~SpellingEngine() = default;

    virtual bool check(std::string_view word) = 0;
    // Replacements in the dictionary's order of likelihood; empty when it has none.
    virtual std::vector<std::string> suggest(std::string_view word) = 0;
};

}  // namespace qm
