#include "layout/shape_outcome_report.h"


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

void showShapeMessage(UserDialogs& dialogs, MessageText message)
{
    dialogs.message(QString::fromLatin1(message.caption), QString::fromLatin1(message.text), MessageButton::Ok,
                    iconOf(message));
}

bool reportShapeOutcome(UserDialogs& dialogs, const ShapeOutcome& outcome)
{
    switch (outcome.kind) {
    case ShapeOutcome::Kind::Done: return true;
    case ShapeOutcome::Kind::Refused: showShapeMessage(dialogs, outcome.refusal); return false;
    case ShapeOutcome::Kind::Failed: dialogs.reportIoFailure(outcome.failure); return false;
    }
    return false;
}

bool reportShapeStatus(UserDialogs& dialogs, const Status& status)
{
    if (!status) dialogs.reportIoFailure(status.failure());
    return status.ok();
}

}  // namespace qm
