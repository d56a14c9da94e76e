#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "layout/object_dialog_rules.h"
#include "layout/page_designer_messages.h"
#include "layout/ui/page_object_dialogs.h"

namespace qm {

TObjectBorders::TObjectBorders(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent)
    : ObjectDialog(dialogs, style, object, "Border Info for " + toQString(object.Name.view()), {280, 170}, parent)
{
    QCheckBox* useBorder = checkBox("&Use Border", "UseBorder", static_cast<bool>(object.UseBorder), {16, 12, 150, 21});
    const ColorChoice color =
        colorChoice("Border Color", "C&hange Color", "ChangeColor", m_object.BorderColor, {16, 42, 170, 45});
    QLabel* widthLabel = label("Width", {200, 42, 60, 17});
    m_width = lineEdit("WidthSize", 1, {200, 62, 40, 23});
    widthLabel->setBuddy(m_width);
    m_width->setText(QString::number(object.BorderWidth));
    const auto enable = [this, color](bool on) {
        m_object.UseBorder = on;
        m_width->setEnabled(on);
        color.button->setEnabled(on);
    };
    enable(useBorder->isChecked());
    connect(useBorder, &QCheckBox::toggled, this, enable);
}

bool TObjectBorders::storeFields()
{
    // Checked even while the border is off.
    const auto width = positiveWholeField(toRecordText(m_width->text()));
    if (!width) {
        refuse(PageDesignerMessages::InvalidWidth, *m_width);
        return false;
    }
    m_object.BorderWidth = static_cast<std::int16_t>(*width);
    return true;
}

TObjectFill::TObjectFill(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent)
    : ObjectDialog(dialogs, style, object, "Fill Info for " + toQString(object.Name.view()), {280, 150}, parent)
{
    QCheckBox* fill =
        checkBox("&Fill In Shape", "FillInShape", static_cast<bool>(object.FillInShape), {16, 12, 150, 21});
    const ColorChoice color =
        colorChoice("Fill Color", "C&hange Color", "ChangeColor", m_object.FillColor, {16, 42, 170, 45});
    const auto enable = [this, color](bool on) {
        m_object.FillInShape = on;
        color.button->setEnabled(on);
    };
    enable(fill->isChecked());
    connect(fill, &QCheckBox::toggled, this, enable);
}

}  // namespace qm
