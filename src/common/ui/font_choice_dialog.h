// The font dialog of the program: Qt's font chooser with a colour beside it, as the user
// interface fonts and the page objects keep a colour with each font.
#pragma once

#include <QDialog>

#include "common/ui/user_dialogs.h"

class QFontDialog;
class QPushButton;

namespace qm {

class FontChoiceDialog : public QDialog {
    Q_OBJECT
public:
    FontChoiceDialog(const FontRequest& request, QWidget* parent = nullptr);

    FontChoice choice() const;

private:
    void pickColor();
    void showColor();

    QFontDialog* m_fonts = nullptr;
    QPushButton* m_colorButton = nullptr;
    QColor m_color;
    // A family the font list does not hold (an alias such as "Arial") shows as another family;
    // unless the user picks a different one, the requested name is kept.
    QString m_requestedFamily;
    QString m_shownFamily;
};

}  // namespace qm
