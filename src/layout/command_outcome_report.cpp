#include "layout/command_outcome_report.h"

namespace qm {
namespace {

MessageIcon iconOf(MessageText message)
{
    const std::string_view caption = message.caption;
    if (caption == "Error") return MessageIcon::Error;
    if (caption == "Warning" || caption == "Disk Error") return MessageIcon::Warning;
    return MessageIcon::Information;
}

}  // namespace

void showCommandMessage(UserDialogs& dialogs, MessageText message)
{
    dialogs.message(QString::fromLatin1(message.caption), QString::fromLatin1(message.text), MessageButton::Ok,
                    iconOf(message));
}

bool reportCommandOutcome(UserDialogs& dialogs, const CommandOutcome& outcome)
{
    switch (outcome.kind) {
    case CommandOutcome::Kind::Done:
        return true;
    case CommandOutcome::Kind::Refused:
        showCommandMessage(dialogs, outcome.refusal);
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
