// The pictures of the windows in docs/, each group made by its own function on scratch files.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include <QImage>
#include <QString>
#include <QWidget>

namespace qm::screenshots {

// A maker stops with this when the windows are not in the state its pictures should show. Never
// thrown from inside a window's event loop: a failure there is noted by the folder instead.
struct ShotFailed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline void require(bool holds, const std::string& what)
{
    if (!holds) throw ShotFailed(what);
}

// The folder the pictures go to; remembers the pictures it could not write.
class ScreenshotFolder {
public:
    explicit ScreenshotFolder(QString path) : m_path(std::move(path)) {}

    void save(const QImage& picture, const QString& name)
    {
        const QString file = m_path + "/" + name;
        if (!picture.save(file)) m_failures.push_back("cannot write " + file.toStdString());
    }
    void save(QWidget& window, const QString& name) { save(window.grab().toImage(), name); }

    const std::vector<std::string>& failures() const { return m_failures; }

private:
    QString m_path;
    std::vector<std::string> m_failures;
};

void takeShapeScreenshots(ScreenshotFolder& folder);
void takePageLayoutScreenshots(ScreenshotFolder& folder);
void takePageDesignerScreenshots(ScreenshotFolder& folder);
void takeWordListScreenshots(ScreenshotFolder& folder);
void takeCreationAttemptsScreenshots(ScreenshotFolder& folder);
void takePrintScreenshots(ScreenshotFolder& folder);
void takeTransferScreenshots(ScreenshotFolder& folder);
void takeExportScreenshots(ScreenshotFolder& folder);
void takeLexiconScreenshots(ScreenshotFolder& folder);
void takeBookScreenshots(ScreenshotFolder& folder);
void takeProductInfoScreenshots(ScreenshotFolder& folder);
void takeFontChoiceScreenshots(ScreenshotFolder& folder);

}  // namespace qm::screenshots
