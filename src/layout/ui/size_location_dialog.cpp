#include <variant>

#include <QLabel>
#include <QLineEdit>

#include "common/gui/qt_text.h"
#include "layout/object_dialog_rules.h"
#include "layout/page_designer_messages.h"
#include "layout/ui/page_object_dialogs.h"

namespace qm {

TSizeLocation::TSizeLocation(UserDialogs& dialogs, const UiStyle& style, const PageObject& object,
                             const SizeLocationPage& page, QWidget* parent)
    : ObjectDialog(dialogs, style, object, "Size & Location of " + toQString(object.Name.view()), {280, 190}, parent),
      m_page(page)
{
    constexpr int kFieldLength = 6;
    m_left = lineEdit("LeftPos", kFieldLength, {80, 12, 70, 23});
    label("Left", {16, 16, 60, 17})->setBuddy(m_left);
    m_top = lineEdit("TopPos", kFieldLength, {80, 42, 70, 23});
    label("Top", {16, 46, 60, 17})->setBuddy(m_top);
    m_width = lineEdit("WidthSize", kFieldLength, {80, 72, 70, 23});
    label("Width", {16, 76, 60, 17})->setBuddy(m_width);
    m_height = lineEdit("HeightSize", kFieldLength, {80, 102, 70, 23});
    label("Height", {16, 106, 60, 17})->setBuddy(m_height);
    QLabel* unit = label(page.inches ? "Values In Inches" : "Values In Centimeters", {160, 16, 115, 40});
    unit->setObjectName("ValueCaption");
    unit->setWordWrap(true);
    const SizeLocationTexts texts = sizeLocationTexts(object.Bounds, page.pixelsPerUnit);
    m_left->setText(toQString(texts.left));
    m_top->setText(toQString(texts.top));
    m_width->setText(toQString(texts.width));
    m_height->setText(toQString(texts.height));
}

bool TSizeLocation::storeFields()
{
    const SizeLocationTexts texts{toRecordText(m_left->text()), toRecordText(m_top->text()),
                                  toRecordText(m_width->text()), toRecordText(m_height->text())};
    const auto checked = boundsFromFields(texts, m_page.pixelsPerUnit);
    if (const auto* refused = std::get_if<FieldRefusal>(&checked)) {
        QLineEdit* fields[] = {m_left, m_top, m_width, m_height};
        refuse(refused->refusal, *fields[static_cast<int>(refused->field)]);
        return false;
    }
    const PageBounds bounds = std::get<PageBounds>(checked);
    const Refusal& question = PageDesignerMessages::OffPageQuestion;
    // Yes abandons the new values: the dialog stays open for correcting them or for Cancel.
    if (placesOffPage(bounds, m_page.pixelWidth, m_page.pixelHeight) &&
        m_dialogs.askYesNo(toQString(question.caption), toQString(question.message), MessageIcon::Warning))
        return false;
    m_object.Bounds = bounds;
    return true;
}

}  // namespace qm
