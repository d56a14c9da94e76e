// The answer of a check of what the user typed: passed, or the message box to show and the
// control that gets the focus.
#pragma once

#include <string>
#include <utility>

#include "common/refusal.h"

namespace qm {

// The controls of the word list editor and the candidate chooser a refusal can point at.
enum class FormField {
    None,
    Title,
    Category,
    WordsGrid,  // the grid as a whole
    WordCell,   // the "Word" cell of row FormCheck::row
    ClueCell,   // the "Clue" cell of row FormCheck::row
    Attempts,
    HiddenPhrase,
};

// A check that did not pass is a refusal with the control that gets the focus.
struct FormCheck : Refusal {
    bool passed = true;
    FormField focus = FormField::None;
    int row = 0;  // 1..330 with WordCell and ClueCell

    static FormCheck pass() { return FormCheck{}; }
    static FormCheck refuse(std::string message, FormField focus = FormField::None, int row = 0)
    {
        return FormCheck{{std::move(message), kErrorCaption}, false, focus, row};
    }
};

}  // namespace qm
