// A push button placed at its design geometry. Enter does not press it: the dialogs of this
// program have no default button.
#pragma once

#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

namespace qm {

QPushButton* newPushButton(const QString& text, const char* name, QRect design, QWidget* parent);

}  // namespace qm
