#include "app/ui/help_viewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/help_contents.h"
#include "app/help_search.h"
#include "common/binary_file.h"

namespace qm {
namespace {

constexpr int kPageRole = Qt::UserRole;
// Pictures of the larger windows are narrowed to this, so a page reads without scrolling sideways.
constexpr int kWidestPicture = 560;

class HelpPageBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override
    {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource) return resource;
        QImage picture;
        if (resource.canConvert<QByteArray>()) picture.loadFromData(resource.toByteArray());
        if (picture.isNull() || picture.width() <= kWidestPicture) return resource;
        return picture.scaledToWidth(kWidestPicture, Qt::SmoothTransformation);
    }
};

QString inFolder(const std::filesystem::path& folder, const QString& page)
{
    return QString::fromStdString((folder / page.toStdString()).string());
}

QString pageOf(const QString& pageAndPlace) { return pageAndPlace.section('#', 0, 0); }

}  // namespace

HelpViewer::HelpViewer(std::filesystem::path helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_folder(std::move(helpFolder)),
      m_pages(readHelpPages(m_folder))
{
    setWindowTitle("Quillmaze 98 Help");
    m_browser = new HelpPageBrowser(this);
    m_browser->setAccessibleName("Help Page");
    m_browser->setOpenExternalLinks(true);
    m_browser->setSearchPaths({QString::fromStdString(m_folder.string())});

    m_search = new QLineEdit(this);
    m_search->setAccessibleName("Search");
    m_search->setPlaceholderText("Words to find");
    auto* searchLabel = new QLabel("&Search:", this);
    searchLabel->setBuddy(m_search);

    m_contents = new QTreeWidget(this);
    m_contents->setAccessibleName("Contents");
    m_contents->setHeaderHidden(true);
    m_hits = new QListWidget(this);
    m_hits->setAccessibleName("Pages Found");
    m_beside = new QStackedWidget(this);
    m_beside->addWidget(m_contents);
    m_beside->addWidget(m_hits);
    buildContents();

    auto* contents = new QPushButton("&Contents", this);
    auto* back = new QPushButton("&Back", this);
    auto* forward = new QPushButton("&Forward", this);
    auto* close = new QPushButton("C&lose", this);
    connect(contents, &QPushButton::clicked, this, [this] {
        m_search->clear();
        search({});
        showPage(kHelpContents);
    });
    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
        markSearchWords();
        followContents();
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    forward->setEnabled(false);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& query) { search(query); });
    // Enter takes the keyboard to the pages found, the first of them open.
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (m_beside->currentWidget() != m_hits || m_hits->count() == 0) return;
        m_hits->setCurrentRow(0);
        m_hits->setFocus();
    });
    connect(m_hits, &QListWidget::currentRowChanged, this, [this](int row) { openHit(row); });
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item) showPage(item->data(0, kPageRole).toString());
    });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {contents, back, forward}) buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* besidePanel = new QWidget(this);
    auto* beside = new QVBoxLayout(besidePanel);
    beside->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search);
    beside->addLayout(searchRow);
    beside->addWidget(m_beside);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(besidePanel);
    splitter->addWidget(m_browser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 620});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    // The keyboard goes from the search to what is listed beside the page, to the page, then to
    // the buttons; Escape closes the window as it does a dialog.
    QWidget* order[] = {m_search, m_contents, m_hits, m_browser, contents, back, forward, close};
    for (std::size_t k = 1; k < std::size(order); ++k) setTabOrder(order[k - 1], order[k]);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    resize(880, 600);
}

void HelpViewer::buildContents()
{
    const auto index = readWholeFile(m_folder / kHelpContents);
    if (!index) return;
    std::vector<QTreeWidgetItem*> parents;
    for (const HelpContentsEntry& entry : parseHelpContents(index.value())) {
        parents.resize(std::min<std::size_t>(parents.size(), static_cast<std::size_t>(entry.depth)));
        auto* item = parents.empty() ? new QTreeWidgetItem(m_contents) : new QTreeWidgetItem(parents.back());
        item->setText(0, QString::fromStdString(entry.title));
        item->setData(0, kPageRole, QString::fromStdString(entry.page));
        parents.push_back(item);
    }
    m_contents->expandAll();
}

bool HelpViewer::showPage(const QString& page)
{
    const QString path = inFolder(m_folder, pageOf(page));
    if (!QFileInfo::exists(path)) return false;
    QUrl url = QUrl::fromLocalFile(path);
    if (page.contains('#')) url.setFragment(page.section('#', 1));
    m_browser->setSource(url);
    followContents();
    return true;
}

QString HelpViewer::currentPage() const
{
    const QUrl source = m_browser->source();
    const QString file = QFileInfo(source.toLocalFile()).fileName();
    return source.hasFragment() ? file + "#" + source.fragment() : file;
}

void HelpViewer::search(const QString& query)
{
    m_hits->blockSignals(true);
    m_hits->clear();
    m_hitFiles.clear();
    for (const HelpSearchHit& hit : searchHelpPages(m_pages, query.toStdString())) {
        m_hits->addItem(QString::fromStdString(hit.title));
        m_hitFiles.push_back(hit.file);
    }
    m_hits->blockSignals(false);
    if (query.trimmed().isEmpty()) {
        m_beside->setCurrentWidget(m_contents);
    } else {
        m_beside->setCurrentWidget(m_hits);
        if (m_hits->count() == 0) m_hits->addItem("No page holds every word.");
    }
}

void HelpViewer::openHit(int row)
{
    if (row < 0 || row >= static_cast<int>(m_hitFiles.size())) return;
    m_markedQuery = m_search->text();
    showPage(QString::fromStdString(m_hitFiles[static_cast<std::size_t>(row)]));
    markSearchWords();
}

// The words searched for, marked on the page opened from the pages found.
void HelpViewer::markSearchWords()
{
    QList<QTextEdit::ExtraSelection> marks;
    if (!m_markedQuery.isEmpty() && m_beside->currentWidget() == m_hits) {
        QTextCharFormat marked;
        marked.setBackground(QColor(255, 236, 130));
        for (const std::string& word : helpSearchWords(m_markedQuery.toStdString())) {
            QTextCursor found(m_browser->document());
            while (!(found = m_browser->document()->find(QString::fromStdString(word), found)).isNull())
                marks.push_back({found, marked});
        }
    }
    m_browser->setExtraSelections(marks);
    if (!marks.isEmpty()) m_browser->setTextCursor(marks.front().cursor);
}

// The contents show where the page shown stands in them.
void HelpViewer::followContents()
{
    const QString page = pageOf(currentPage());
    for (QTreeWidgetItemIterator item(m_contents); *item; ++item) {
        if (pageOf((*item)->data(0, kPageRole).toString()) != page) continue;
        const QSignalBlocker quiet(m_contents);
        m_contents->setCurrentItem(*item);
        return;
    }
}

}  // namespace qm
