#include "output/export/ui/picture_width_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "output/export/export_entries.h"
#include "output/print/print_messages.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(232, 88);
constexpr int kDesignFontPixels = 13;
constexpr int kWidthDigits = 4;

struct KindTexts {
    const char* caption;
    const char* label;
    const char* ok;
};

KindTexts textsOf(PictureKind kind)
{
    switch (kind) {
    case PictureKind::Bitmap:
        return {"Bitmap", "Width of Bitmap", "Create &Bitmap"};
    case PictureKind::Jpeg:
        return {"JPeg", "Width of JPeg", "Create &JPeg"};
    case PictureKind::Png:
        return {"PNG", "Width of PNG", "Create &PNG"};
    }
    return {};
}

}  // namespace

TMyBitmapWidth::TMyBitmapWidth(UserDialogs& dialogs, const UiStyle& style, PictureKind kind, int width, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_width(width)
{
    const KindTexts texts = textsOf(kind);
    setWindowTitle(texts.caption);
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* label = new QLabel(texts.label, this);
    label->setGeometry(12, 16, 110, 17);
    m_theWidth = new QLineEdit(QString::number(width), this);
    m_theWidth->setObjectName("TheWidth");
    m_theWidth->setMaxLength(kWidthDigits);
    m_theWidth->setGeometry(128, 13, 60, 23);
    label->setBuddy(m_theWidth);

    auto* ok = new QPushButton(texts.ok, this);
    ok->setObjectName("OkButton");
    ok->setGeometry(12, 52, 112, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(132, 52, 88, 25);
    connect(ok, &QPushButton::clicked, this, &TMyBitmapWidth::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TMyBitmapWidth::OkClick()
{
    const auto width = ParsePictureWidth(toRecordText(m_theWidth->text()));
    if (!width) {
        showRefusal(m_dialogs, PrintMessages::InvalidPictureWidth);
        m_theWidth->setFocus();
        return;
    }
    m_width = *width;
    accept();
}

std::optional<int> askPictureWidth(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, PictureKind kind,
                                   int width)
{
    TMyBitmapWidth dialog(dialogs, style, kind, width, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.width();
}

}  // namespace qm
