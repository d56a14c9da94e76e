#include "output/print/ui/copies_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "output/print/number_boxes.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(220, 88);
constexpr int kDesignFontPixels = 13;
constexpr int kCopiesLimit = 3;

}  // namespace

TNumCopies::TNumCopies(UserDialogs& dialogs, const UiStyle& style, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs)
{
    setWindowTitle("Multi-Copies");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* caption = new QLabel("Copies To Print", this);
    caption->setGeometry(12, 16, 110, 17);
    m_copiesBox = new QLineEdit("1", this);
    m_copiesBox->setObjectName("Copies");
    m_copiesBox->setMaxLength(kCopiesLimit);
    m_copiesBox->setGeometry(128, 13, 50, 23);
    caption->setBuddy(m_copiesBox);

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setGeometry(24, 52, 84, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(116, 52, 84, 25);
    connect(ok, &QPushButton::clicked, this, &TNumCopies::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TNumCopies::OkClick()
{
    const auto count = readCopyCount(toRecordText(m_copiesBox->text()));
    if (!count) {
        m_dialogs.error("Invalid number of copies entered.");
        m_copiesBox->setFocus();
        return;
    }
    m_copies = *count;
    accept();
}

std::optional<int> askNumberOfCopies(QWidget* parent, UserDialogs& dialogs, const UiStyle& style)
{
    TNumCopies dialog(dialogs, style, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.copies();
}

}  // namespace qm
