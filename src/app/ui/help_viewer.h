// The help window: the manual's pages (the help folder beside the program) with their contents
// beside the page, a search over all pages, Back and Forward.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "app/help_pages.h"

class QLineEdit;
class QListWidget;
class QStackedWidget;
class QTextBrowser;
class QTreeWidget;

namespace qm {

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    HelpViewer(std::filesystem::path helpFolder, QWidget* parent = nullptr);

    // "page.html" or "page.html#id"; false when the page is not there.
    bool showPage(const QString& page);
    // The page shown, as showPage names it.
    QString currentPage() const;
    // Lists the pages holding every word of the query in place of the contents; an empty query
    // brings the contents back.
    void search(const QString& query);

    const std::vector<HelpPage>& pages() const { return m_pages; }
    const std::filesystem::path& folder() const { return m_folder; }

private:
    void buildContents();
    void openHit(int row);
    void markSearchWords();
    void followContents();

    std::filesystem::path m_folder;
    std::vector<HelpPage> m_pages;
    std::vector<std::string> m_hitFiles;
    QString m_markedQuery;
    QLineEdit* m_search = nullptr;
    QStackedWidget* m_beside = nullptr;
    QTreeWidget* m_contents = nullptr;
    QListWidget* m_hits = nullptr;
    QTextBrowser* m_browser = nullptr;
};

}  // namespace qm
