#include "output/export/ui/jpeg_factor_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/gui/qt_text.h"
#include "common/ui/command_outcome_report.h"
#include "output/export/export_entries.h"
#include "output/export/export_messages.h"

namespace qm {
namespace {

// Wide enough for the whole range text in a bold label font too.
constexpr QSize kDesignClientSize(420, 144);
constexpr int kDesignFontPixels = 13;
constexpr int kQualityDigits = 3;

}  // namespace

TTheJPegFactor::TTheJPegFactor(UserDialogs& dialogs, const UiStyle& style, int quality, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_quality(quality)
{
    setWindowTitle("JPEG Factor");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    auto* range = new QLabel("JPEG Compression/Quality Factor (Range: 1 - 100)", this);
    range->setGeometry(12, 14, 340, 17);
    m_jpegNum = new QLineEdit(QString::number(quality), this);
    m_jpegNum->setObjectName("JPegNum");
    m_jpegNum->setMaxLength(kQualityDigits);
    m_jpegNum->setGeometry(356, 11, 52, 23);
    range->setBuddy(m_jpegNum);
    auto* explanation = new QLabel("When the Factor is high, the image will be sharper, but the file size will be "
                                   "larger.  If the factor is lower, then the file size will be smaller, but the "
                                   "image will not be as sharp.",
                                   this);
    explanation->setWordWrap(true);
    explanation->setGeometry(12, 42, 396, 52);

    auto* ok = new QPushButton("&Ok", this);
    ok->setObjectName("OkButton");
    ok->setGeometry(118, 106, 84, 25);
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", this);
    cancel->setObjectName("CancelButton");
    cancel->setGeometry(218, 106, 84, 25);
    connect(ok, &QPushButton::clicked, this, &TTheJPegFactor::OkClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TTheJPegFactor::OkClick()
{
    const auto quality = ParseJpegQuality(toRecordText(m_jpegNum->text()));
    if (!quality) {
        showRefusal(m_dialogs, ExportMessages::InvalidJpegFactor);
        m_jpegNum->setFocus();
        return;
    }
    m_quality = *quality;
    accept();
}

std::optional<int> askJpegQuality(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, int quality)
{
    TTheJPegFactor dialog(dialogs, style, quality, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.quality();
}

}  // namespace qm
