// When a field whose value is checked as the user leaves it should be checked.
#pragma once

#include <initializer_list>

class QEvent;
class QWidget;

namespace qm {

// True for a focus-out that leaves the field for another control of its window. Leaving for
// another window (a message box), a menu, or one of the buttons that check the fields themselves
// or give them up (Save, Cancel) is no reason to check.
bool leavesFieldForCheck(const QEvent& event, std::initializer_list<const QWidget*> buttonsThatNeedNoCheck);

}  // namespace qm
