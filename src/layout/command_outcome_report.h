// Shows how a command of the shape and layout lists ended through the dialog interface.
#pragma once

#include "app/user_dialogs.h"
#include "layout/command_outcome.h"

namespace qm {

// A box with the message and caption given.
void showCommandMessage(UserDialogs& dialogs, MessageText message);
// Nothing when done; a refusal's message box, or the input/output error report. True when done.
bool reportCommandOutcome(UserDialogs& dialogs, const CommandOutcome& outcome);
// True when ok; otherwise the input/output error report.
bool reportCommandStatus(UserDialogs& dialogs, const Status& status);

}  // namespace qm
