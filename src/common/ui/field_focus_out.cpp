#include "common/ui/field_focus_out.h"

#include <algorithm>

#include <QApplication>
#include <QFocusEvent>

namespace qm {

bool leavesFieldForCheck(const QEvent& event, std::initializer_list<const QWidget*> buttonsThatNeedNoCheck)
{
    if (event.type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
    const QWidget* next = QApplication::focusWidget();
    return std::find(buttonsThatNeedNoCheck.begin(), buttonsThatNeedNoCheck.end(), next) ==
           buttonsThatNeedNoCheck.end();
}

}  // namespace qm
