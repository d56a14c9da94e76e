// A spell check of words and their clues (the word list editor's rows, handed over as a plain
// list): the words of a new puzzle (or a copy), then the clues word by word. Each word the checker
// does not know is put to the user, who replaces it, ignores it, adds it to the include list or
// aborts the whole check.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/command_outcome.h"
#include "common/refusal.h"
#include "common/result.h"

namespace qm {

class SpellChecker;

// A word and its clue as the check reads and corrects them; empty ones are passed over.
struct SpellCheckEntry {
    std::string Word;
    std::string Clue;
};

enum class SpellDecision { Replace, Ignore, Add, Abort };

struct SpellAnswer {
    SpellDecision decision = SpellDecision::Ignore;
    std::string replacement;  // for Replace
};

// The user's side of a check; the windows show the suggestion dialog and the messages.
class SpellCheckUser {
public:
    virtual ~SpellCheckUser() = default;

    virtual SpellAnswer askAbout(const std::string& word, const std::vector<std::string>& suggestions) = 0;
    virtual void tellNoSuggestions(const std::string& word) = 0;
    // A word the user added could not be written to the include list.
    virtual void reportFailure(const Failure& failure) = 0;
};

// The passes a check makes: the words of a stored puzzle stay as generated, and the clues are
// left alone while the editor does not use them.
struct SpellCheckPasses {
    bool words = true;
    bool clues = true;
};

// What a check came across, whether it ran to the end or the user aborted it.
struct SpellCheckFindings {
    bool anyNotFound = false;
};

// Checks the entries in place; Cancelled when the user aborted. The include list takes the words
// the user adds; the checker keeps the lists it was made with, so an added word counts only from
// the next check on.
Outcome<SpellCheckFindings> DoSpellCheck(std::vector<SpellCheckEntry>& entries, SpellCheckPasses passes,
                                         const SpellChecker& checker, SpellCheckUser& user,
                                         const std::filesystem::path& includeList);

// The message that ends a check.
Refusal spellCheckReport(const Outcome<SpellCheckFindings>& outcome);

}  // namespace qm
