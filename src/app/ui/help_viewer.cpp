#include "app/ui/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>
#include <QVBoxLayout>

namespace qm {
namespace {

QString inFolder(const std::filesystem::path& folder, const QString& page)
{
    return QString::fromStdString((folder / page.toStdString()).string());
}

}  // namespace

std::optional<QString> helpPageForKeyword(const std::filesystem::path& helpFolder, const QString& keyword)
{
    QFile index(inFolder(helpFolder, kHelpKeywords));
    if (!index.open(QIODevice::ReadOnly | QIODevice::Text)) return std::nullopt;
    QTextStream lines(&index);
    while (!lines.atEnd()) {
        const QString line = lines.readLine();
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) continue;
        if (line.left(equals).trimmed().compare(keyword.trimmed(), Qt::CaseInsensitive) == 0)
            return line.mid(equals + 1).trimmed();
    }
    return std::nullopt;
}

HelpViewer::HelpViewer(std::filesystem::path helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_folder(std::move(helpFolder))
{
    setWindowTitle("Quillmaze 98 Help");
    m_browser = new QTextBrowser(this);
    m_browser->setAccessibleName("Help Topic");
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QString::fromStdString(m_folder.string())});

    auto* contents = new QPushButton("&Contents", this);
    auto* back = new QPushButton("&Back", this);
    auto* forward = new QPushButton("&Forward", this);
    auto* close = new QPushButton("&Close", this);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(kHelpContents); });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {contents, back, forward}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
    resize(640, 520);
}

bool HelpViewer::showPage(const QString& page)
{
    // A page may name a place in it: "topic.html#section".
    const qsizetype hash = page.indexOf('#');
    const QString path = inFolder(m_folder, hash < 0 ? page : page.left(hash));
    if (!QFileInfo::exists(path)) return false;
    QUrl url = QUrl::fromLocalFile(path);
    if (hash >= 0) url.setFragment(page.mid(hash + 1));
    m_browser->setSource(url);
    return true;
}

}  // namespace qm
