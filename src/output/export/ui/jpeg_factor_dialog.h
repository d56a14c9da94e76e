// TTheJPegFactor ("JPEG Factor"): the compression quality of JPEG pictures, 1 to 100.
#pragma once

#include <optional>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"

class QLineEdit;

namespace qm {

class TTheJPegFactor : public StyledDialog {
    Q_OBJECT
public:
    TTheJPegFactor(UserDialogs& dialogs, const UiStyle& style, int quality, QWidget* parent = nullptr);

    int quality() const { return m_quality; }
    // OK: a whole number of 1 to 100 closes the dialog; anything else is refused, the box keeps
    // the focus.
    void OkClick();

private:
    UserDialogs& m_dialogs;
    QLineEdit* m_jpegNum = nullptr;
    int m_quality = 0;
};

// The quality the user accepted, or nothing when cancelled.
std::optional<int> askJpegQuality(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, int quality);

}  // namespace qm
