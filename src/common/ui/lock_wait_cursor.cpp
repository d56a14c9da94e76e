#include "common/ui/lock_wait_cursor.h"

#include <QApplication>
#include <QCursor>

namespace qm {

LockWait busyCursorWhileLockWaits()
{
    LockWait wait;
    wait.shown = [](bool waiting) {
        if (waiting)
            QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QApplication::restoreOverrideCursor();
    };
    return wait;
}

}  // namespace qm
