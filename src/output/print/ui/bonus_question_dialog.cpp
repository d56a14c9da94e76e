#include "output/print/ui/bonus_question_dialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(456, 84);
constexpr int kDesignFontPixels = 13;
// The box holds no more than the word list editor lets the user type.
constexpr int kBonusTextLimit = 120;

QPushButton* addButton(QDialog& dialog, const QString& text, const char* name, QRect design)
{
    auto* button = new QPushButton(text, &dialog);
    button->setObjectName(name);
    button->setGeometry(design);
    return button;
}

}  // namespace

TBonusQuestion::TBonusQuestion(const UiStyle& style, const std::string& question, QWidget* parent)
    : StyledDialog(style, parent)
{
    setWindowTitle("Bonus Question");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_bonusText = new QLineEdit(toQString(question), this);
    m_bonusText->setObjectName("BonusText");
    m_bonusText->setAccessibleName("Bonus Question");
    m_bonusText->setMaxLength(kBonusTextLimit);
    m_bonusText->setGeometry(12, 12, 432, 23);

    QPushButton* ok = addButton(*this, "&Ok", "OkButton", {268, 48, 84, 25});
    ok->setDefault(true);
    QPushButton* cancel = addButton(*this, "&Cancel", "CancelButton", {360, 48, 84, 25});
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    // Escape rejects the dialog as the Cancel button does.
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::string TBonusQuestion::question() const { return toRecordText(m_bonusText->text()); }

std::optional<std::string> askBonusQuestion(QWidget* parent, const UiStyle& style, const std::string& question)
{
    TBonusQuestion dialog(style, question, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.question();
}

}  // namespace qm
