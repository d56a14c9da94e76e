// TNumCopies ("Multi-Copies"): how many copies of the page to print.
#pragma once

#include <optional>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"

class QLineEdit;

namespace qm {

class TNumCopies : public StyledDialog {
    Q_OBJECT
public:
    TNumCopies(UserDialogs& dialogs, const UiStyle& style, QWidget* parent = nullptr);

    // The accepted count; 1 before Ok.
    int copies() const { return m_copies; }
    // Ok: refuses a count that is not a number of 1 or more, pointing at the box.
    void OkClick();

private:
    UserDialogs& m_dialogs;
    QLineEdit* m_copiesBox = nullptr;
    int m_copies = 1;
};

// The number of copies the user accepted, or nothing when cancelled.
std::optional<int> askNumberOfCopies(QWidget* parent, UserDialogs& dialogs, const UiStyle& style);

}  // namespace qm
