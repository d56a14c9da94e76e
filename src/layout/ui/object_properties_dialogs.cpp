#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

#include "common/gui/qt_text.h"
#include "layout/object_dialog_rules.h"
#include "layout/page_designer_messages.h"
#include "layout/ui/page_object_dialogs.h"

namespace qm {
namespace {

void storeOnToggle(QCheckBox& box, StoredBool& flag)
{
    QObject::connect(&box, &QCheckBox::toggled, [&flag](bool on) { flag = on; });
}

QString propertiesCaption(const PageObject& object) { return "Properties for " + toQString(object.Name.view()); }

}  // namespace

TObjectProp::TObjectProp(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent)
    : ObjectDialog(dialogs, style, object, propertiesCaption(object), {300, 160}, parent)
{
    // The same byte tiles a Bitmap and makes the background of the other kinds transparent.
    const bool bitmap = object.kind() == PageObjectKind::Bitmap;
    QCheckBox* transparent = checkBox(bitmap ? "&Tile Bitmap" : "&Transparent Background", "Transparent",
                                      static_cast<bool>(object.Transparent), {16, 12, 260, 21});
    storeOnToggle(*transparent, m_object.Transparent);
    QCheckBox* makeFit =
        checkBox("&Make It Fit (Auto-Shrink Font)", "MakeFit", static_cast<bool>(object.MakeItFit), {16, 38, 260, 21});
    storeOnToggle(*makeFit, m_object.MakeItFit);
    QLabel* caption = label("Number of Columns", {16, 72, 140, 17});
    m_columns = lineEdit("NumColumns", 1, {160, 68, 40, 23});
    caption->setBuddy(m_columns);
    m_columns->setText(QString::number(object.Columns));
    const bool words = object.kind() == PageObjectKind::Words;
    caption->setVisible(words);
    m_columns->setVisible(words);
}

bool TObjectProp::storeFields()
{
    if (m_object.kind() != PageObjectKind::Words) return true;
    const auto columns = positiveWholeField(toRecordText(m_columns->text()));
    if (!columns) {
        refuse(PageDesignerMessages::InvalidColumns, *m_columns);
        return false;
    }
    m_object.Columns = static_cast<std::int16_t>(*columns);
    return true;
}

TObjectProp2::TObjectProp2(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent)
    : ObjectDialog(dialogs, style, object, propertiesCaption(object), {330, 260}, parent)
{
    // The Puzzle keeps its transparent background in FillInShape and Use Grid in the byte the
    // other kinds call Transparent.
    m_transparent =
        checkBox("&Transparent Background", "Transparent", static_cast<bool>(object.FillInShape), {16, 12, 200, 21});
    storeOnToggle(*m_transparent, m_object.FillInShape);
    m_useGrid = checkBox("&Use Grid", "UseGrid", object.UseGrid(), {16, 38, 200, 21});
    storeOnToggle(*m_useGrid, m_object.Transparent);
    QCheckBox* lowerCase =
        checkBox("&Lower Case Letters", "LowerCase", static_cast<bool>(object.LowerCase), {16, 64, 200, 21});
    storeOnToggle(*lowerCase, m_object.LowerCase);
    m_backgroundButton =
        colorChoice("Background Color", "Ch&ange Color", "ChangeColor", m_object.BlockColor, {16, 96, 150, 45}).button;
    m_lineButton =
        colorChoice("Grid Line Color", "Ch&ange Color", "ChangeLine", m_object.LineColor, {170, 96, 150, 45}).button;
    QLabel* lineWidthLabel = label("Puzzle Line Width", {16, 160, 130, 17});
    m_lineWidth = lineEdit("LineWidth", 1, {150, 156, 40, 23});
    lineWidthLabel->setBuddy(m_lineWidth);
    m_lineWidth->setText(QString::number(object.LineWidth));
    for (QCheckBox* box : {m_transparent, m_useGrid})
        connect(box, &QCheckBox::toggled, this, &TObjectProp2::enableChoices);
    enableChoices();
}

void TObjectProp2::enableChoices()
{
    m_lineButton->setEnabled(m_useGrid->isChecked());
    m_lineWidth->setEnabled(m_useGrid->isChecked());
    m_backgroundButton->setEnabled(!m_transparent->isChecked());
}

bool TObjectProp2::storeFields()
{
    const auto width = positiveWholeField(toRecordText(m_lineWidth->text()));
    if (!width) {
        refuse(PageDesignerMessages::InvalidWidth, *m_lineWidth);
        return false;
    }
    m_object.LineWidth = *width;
    return true;
}

TTextInput::TTextInput(UserDialogs& dialogs, const UiStyle& style, const PageObject& object, QWidget* parent)
    : ObjectDialog(dialogs, style, object, "Text", {400, 260}, parent)
{
    m_text = new QPlainTextEdit(withMemoLineBreaks(toQString(object.text())), this);
    m_text->setObjectName("DataField");
    m_text->setAccessibleName("Text");
    m_text->setGeometry(10, 10, 380, 200);
    connect(m_text, &QPlainTextEdit::textChanged, this, [this] {
        // The memo holds 1000 characters as the record counts them, a line break as two.
        constexpr qsizetype kMaxLength = 1000;
        const QString text = m_text->toPlainText();
        qsizetype length = 0;
        qsizetype kept = 0;
        while (kept < text.size() && length + (text[kept] == '\n' ? 2 : 1) <= kMaxLength)
            length += text[kept++] == '\n' ? 2 : 1;
        if (kept == text.size()) return;
        m_text->setPlainText(text.left(kept));
        m_text->moveCursor(QTextCursor::End);
    });
    m_text->setFocus();
}

bool TTextInput::storeFields()
{
    m_object.setText(toRecordText(withRecordLineBreaks(m_text->toPlainText())));
    return true;
}

}  // namespace qm
