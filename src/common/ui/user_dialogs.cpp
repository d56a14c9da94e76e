#include "common/ui/user_dialogs.h"

#include "common/result.h"

namespace qm {

MessageButton UserDialogs::message(const QString& caption, const QString& text, MessageButtons buttons,
                                   MessageIcon icon)
{
    return showMessage(MessageRequest{caption, text, buttons, icon});
}

void UserDialogs::error(const QString& text) { message("Error", text, MessageButton::Ok, MessageIcon::Error); }

bool UserDialogs::askYesNo(const QString& caption, const QString& text, MessageIcon icon)
{
    return message(caption, text, kYesNo, icon) == MessageButton::Yes;
}

void UserDialogs::reportIoFailure(const Failure& failure)
{
    const QString text =
        QString("Input/output error on the file\n%1\n\n%2")
            .arg(QString::fromStdString(failure.path.string()), QString::fromStdString(failure.reason));
    message("I/O Error", text, MessageButton::Ok, MessageIcon::Error);
}

}  // namespace qm
