// Shows refusals and how a command ended through the dialog interface.
#pragma once

#include "common/command_outcome.h"
#include "common/refusal.h"
#include "common/ui/user_dialogs.h"

namespace qm {

// A box with the message and caption, with the icon its caption calls for.
void showRefusal(UserDialogs& dialogs, const Refusal& refusal);
// Nothing when done or cancelled; a refusal's message box, or the input/output error report. True
// when done.
bool reportCommandOutcome(UserDialogs& dialogs, const Ending& outcome);
// True when ok; otherwise the input/output error report.
bool reportCommandStatus(UserDialogs& dialogs, const Status& status);

}  // namespace qm
