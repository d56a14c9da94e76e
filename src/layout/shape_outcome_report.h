// Shows how a shape command ended through the dialog interface.
#pragma once

#include "app/user_dialogs.h"
#include "layout/shape_messages.h"

namespace qm {

// A box with the message and caption given.
void showShapeMessage(UserDialogs& dialogs, MessageText message);
// Nothing when done; a refusal's message box, or the input/output error report. True when done.
bool reportShapeOutcome(UserDialogs& dialogs, const ShapeOutcome& outcome);
// True when ok; otherwise the input/output error report.
bool reportShapeStatus(UserDialogs& dialogs, const Status& status);

}  // namespace qm
