// The answer of a check of what the user typed: done, or refused with the message box to show and
// the control that gets the focus.
#pragma once

#include <utility>

#include "common/command_outcome.h"
#include "common/refusal.h"

namespace qm {

// The controls of the word list editor and the candidate chooser a refusal can point at.
enum class FormField {
    None,
    Title,
    Category,
    WordsGrid,  // the grid as a whole
    WordCell,   // the "Word" cell of row FormFocus::row
    ClueCell,   // the "Clue" cell of row FormFocus::row
    Attempts,
    HiddenPhrase,
};

// The control a refused check points at. The value of a check, and the base of the value of an
// operation that runs checks and passes their refusals on.
struct FormFocus {
    FormField focus = FormField::None;
    int row = 0;  // 1..330 with WordCell and ClueCell
};

// A refusal (caption "Error") that puts the focus on the control.
template <typename Value = FormFocus>
Outcome<Value> refusedAt(Refusal refusal, FormField focus = FormField::None, int row = 0)
{
    Outcome<Value> outcome = Outcome<Value>::refused(std::move(refusal));
    static_cast<FormFocus&>(outcome.value) = {focus, row};
    return outcome;
}

// A check's ending passed on as the ending of the operation that ran it, with its control.
template <typename Value, typename Checked>
Outcome<Value> endingOfCheck(const Outcome<Checked>& check)
{
    Outcome<Value> outcome = Outcome<Value>::endingAs(check);
    static_cast<FormFocus&>(outcome.value) = static_cast<const FormFocus&>(check.value);
    return outcome;
}

}  // namespace qm
