#include "output/metafile/ui/metafile_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "common/ui/command_outcome_report.h"

namespace qm {
namespace {

constexpr QSize kDesignClientSize(280, 92);
constexpr int kDesignFontPixels = 13;

}  // namespace

TDoMeta::TDoMeta(UserDialogs& dialogs, const UiStyle& style, const PageFile& page, MetafileKind kind,
                 std::filesystem::path path, QWidget* parent)
    : StyledDialog(style, parent),
      m_dialogs(dialogs),
      m_page(page),
      m_kind(kind),
      m_path(std::move(path))
{
    setWindowTitle("Metafile Creation");
    QFont font("Arial");
    font.setPixelSize(kDesignFontPixels);
    setFont(font);
    setFixedSize(kDesignClientSize);

    m_label = new QLabel("Creating Metafile...  Please Wait.", this);
    m_label->setObjectName("Label1");
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setGeometry(12, 16, 256, 20);
    m_ok = new QPushButton("&Ok", this);
    m_ok->setObjectName("OkButton");
    m_ok->setGeometry(98, 54, 84, 25);
    m_ok->setDefault(true);
    m_ok->hide();
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TDoMeta::showEvent(QShowEvent* event)
{
    StyledDialog::showEvent(event);
    if (!m_created) QTimer::singleShot(0, this, &TDoMeta::FormShow);
}

void TDoMeta::FormShow()
{
    if (m_created) return;
    if (!reportCommandStatus(m_dialogs, SaveMetafile(m_page, m_kind, m_path))) {
        reject();
        return;
    }
    m_created = true;
    m_label->setText("Metafile Created");
    m_ok->show();
    m_ok->setFocus();
}

bool createMetafile(QWidget* parent, UserDialogs& dialogs, const UiStyle& style, const PageFile& page,
                    MetafileKind kind, const std::filesystem::path& path)
{
    TDoMeta window(dialogs, style, page, kind, path, parent);
    window.exec();
    return window.created();
}

}  // namespace qm
