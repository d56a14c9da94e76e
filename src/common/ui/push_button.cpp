#include "common/ui/push_button.h"

#include <QPushButton>

namespace qm {

QPushButton* newPushButton(const QString& text, const char* name, QRect design, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(design);
    button->setAutoDefault(false);
    return button;
}

}  // namespace qm
