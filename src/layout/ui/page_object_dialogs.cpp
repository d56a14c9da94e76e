#include "layout/ui/page_object_dialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_color.h"
#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"

namespace qm {
namespace {

void showColor(QLabel& swatch, std::int32_t color)
{
    swatch.setStyleSheet(QString("background-color: %1; border: 1px solid black;").arg(toQColor(color).name()));
}

}  // namespace

ObjectDialog::ObjectDialog(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, const QString& caption,
                           QSize designSize, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_object(object)
{
    setWindowTitle(caption);
    QFont font("Arial");
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(designSize);
    m_okButton = new QPushButton("&Ok", this);
    m_okButton->setObjectName("OkButton");
    m_okButton->setGeometry(designSize.width() - 190, designSize.height() - 35, 85, 25);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &ObjectDialog::okClicked);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(designSize.width() - 95, designSize.height() - 35, 85, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ObjectDialog::reject);
}

void ObjectDialog::okClicked()
{
    if (storeFields()) accept();
}

void ObjectDialog::refuse(const Refusal& refusal, QLineEdit& field)
{
    showRefusal(m_dialogs, refusal);
    field.setFocus();
    field.selectAll();
}

QLineEdit* ObjectDialog::lineEdit(const char* name, int maxLength, QRect design)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    edit->setGeometry(design);
    return edit;
}

QCheckBox* ObjectDialog::checkBox(const QString& text, const char* name, bool checked, QRect design)
{
    auto* box = new QCheckBox(text, this);
    box->setObjectName(name);
    box->setChecked(checked);
    box->setGeometry(design);
    return box;
}

QLabel* ObjectDialog::label(const QString& text, QRect design)
{
    auto* caption = new QLabel(text, this);
    caption->setGeometry(design);
    return caption;
}

ObjectDialog::ColorChoice ObjectDialog::colorChoice(const QString& caption, const QString& buttonText, const char* name,
                                                    std::int32_t& color, QRect design)
{
    label(caption, {design.left(), design.top(), design.width(), 17});
    ColorChoice choice;
    choice.swatch = label(QString(), {design.left(), design.top() + 20, 40, 25});
    choice.swatch->setObjectName(QString(name) + "Box");
    showColor(*choice.swatch, color);
    choice.button = new QPushButton(buttonText, this);
    choice.button->setObjectName(name);
    choice.button->setGeometry(design.left() + 50, design.top() + 20, design.width() - 50, 25);
    choice.button->setAutoDefault(false);
    QLabel* swatch = choice.swatch;
    connect(choice.button, &QPushButton::clicked, this, [this, swatch, &color] {
        if (const auto chosen = m_dialogs.chooseColor({windowTitle(), toQColor(color)})) {
            color = toColorRef(*chosen);
            showColor(*swatch, color);
        }
    });
    return choice;
}

}  // namespace qm
