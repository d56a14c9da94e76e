// The help window: our HTML help (the help folder beside the program) at its contents or at
// the topic of a keyword.
#pragma once

#include <filesystem>
#include <optional>

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace qm {

inline constexpr const char* kHelpFolder = "help";
inline constexpr const char* kHelpContents = "index.html";
// Lines of "keyword=page.html"; keywords match in any letter case.
inline constexpr const char* kHelpKeywords = "keywords.txt";

// The page of a keyword in the help folder, from its keyword index.
std::optional<QString> helpPageForKeyword(const std::filesystem::path& helpFolder, const QString& keyword);

class HelpViewer : public QWidget {
public:
    HelpViewer(std::filesystem::path helpFolder, QWidget* parent = nullptr);

    // False when the page is not there.
    bool showPage(const QString& page);

private:
    std::filesystem::path m_folder;
    QTextBrowser* m_browser = nullptr;
};

}  // namespace qm
