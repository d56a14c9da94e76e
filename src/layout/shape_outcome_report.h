// Shows how a shape command ended through the dialog interface.
#pragma once

#include "layout/command_outcome_report.h"
#include "layout/shape_messages.h"

namespace qm {

inline void showShapeMessage(UserDialogs& dialogs, MessageText message) { showCommandMessage(dialogs, message); }
inline bool reportShapeOutcome(UserDialogs& dialogs, const ShapeOutcome& outcome)
{
    return reportCommandOutcome(dialogs, outcome);
}
inline bool reportShapeStatus(UserDialogs& dialogs, const Status& status)
{
    return reportCommandStatus(dialogs, status);
}

}  // namespace qm
