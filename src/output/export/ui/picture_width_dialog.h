// TMyBitmapWidth: the width in pixels of a picture of the page, asked before a bitmap, JPEG, PNG
// or web page export.
#pragma once

#include <optional>

#include "common/ui/ui_style.h"
#include "common/ui/user_dialogs.h"

class QLineEdit;

namespace qm {

// The picture the width is for: it names the caption, the label and the OK button.
enum class PictureKind { Bitmap, Jpeg, Png };

class TMyBitmapWidth : public StyledDialog {
    Q_OBJECT
public:
    TMyBitmapWidth(UserDialogs& dialogs, const UiStyle& style, PictureKind kind, int width, QWidget* parent = nullptr);

    int width() const { return m_width; }
    // OK: a whole number of 1 or more closes the dialog; anything else is refused, the box keeps
    // the focus.
    void OkClick();

private:
    UserDialogs& m_dialogs;
    QLineEdit* m_theWidth = nullptr;
    int m_width = 0;
};

// The width the user accepted, or nothing when cancelled.
std::optional<int> askPictureWidth(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, PictureKind kind,
                                   int width);

}  // namespace qm
