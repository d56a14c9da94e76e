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

bool reportCommandOutcome(UserDialogs& dialogs, const Ending& outcome)
{
    switch (outcome.kind) {
    case Ending::Kind::Done:
        return true;
    case Ending::Kind::Refused:
        showRefusal(dialogs, outcome.refusal);
        return false;
    case Ending::Kind::Failed:
        dialogs.reportIoFailure(outcome.failure);
        return false;
    case Ending::Kind::Cancelled:
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
