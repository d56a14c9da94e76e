#include "common/ui/command_outcome_report.h"

#include "common/gui/qt_text.h"

namespace qm {
namespace {

MessageIcon iconOf(const Refusal& refusal)
{
    if (refusal.caption == kErrorCaption) return MessageIcon::Error;
    if (refusal.caption == kWarningCaption || refusal.caption == "Disk Error") return MessageIcon::Warning;
    return MessageIcon::Information;
}

}  // namespace

void showRefusal(UserDialogs& dialogs, const Refusal& refusal)
{
    dialogs.message(toQString(refusal.caption), toQString(refusal.message), MessageButton::Ok, iconOf(refusal));
}

bool reportCommandOutcome(UserDialogs& dialogs, const CommandOutcome& outcome)
{
    switch (outcome.kind) {
    case CommandOutcome::Kind::Done:
        return true;
    case CommandOutcome::Kind::Refused:
        showRefusal(dialogs, outcome.refusal);
        return false;
    case CommandOutcome::Kind::Failed:
        dialogs.reportIoFailure(outcome.failure);
        return false;
    }
    return false;
}

bool reportCommandStatus(UserDialogs& dialogs, const Status& status)
{
    if (!status) dialogs.reportIoFailure(status.failure());
    return status.ok();
}

}  // namespace qm
