#include "generate/form_check_report.h"

#include "common/qt_text.h"

namespace qm {

void showRefusal(UserDialogs& dialogs, const FormCheck& check)
{
    if (check.passed) return;
    const QString caption = toQString(check.caption.empty() ? kErrorCaption : check.caption);
    const MessageIcon icon = caption == kErrorCaption ? MessageIcon::Error : MessageIcon::Warning;
    dialogs.message(caption, toQString(check.message), MessageButton::Ok, icon);
}

}  // namespace qm
