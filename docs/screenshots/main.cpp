// Writes the pictures of the windows shown in the README into the folder it is given, on the
// offscreen platform unless another is asked for.
#include <cstdio>

#include <QApplication>

#include "screenshots.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qm_screenshots <output folder>\n");
        return 2;
    }
    qm::screenshots::ScreenshotFolder folder(QString::fromLocal8Bit(argv[1]));
    try {
        qm::screenshots::takeShapeScreenshots(folder);
        qm::screenshots::takePageLayoutScreenshots(folder);
        qm::screenshots::takePageDesignerScreenshots(folder);
        qm::screenshots::takeWordListScreenshots(folder);
        qm::screenshots::takeCreationAttemptsScreenshots(folder);
        qm::screenshots::takePrintScreenshots(folder);
        qm::screenshots::takeTransferScreenshots(folder);
        qm::screenshots::takeExportScreenshots(folder);
        qm::screenshots::takeLexiconScreenshots(folder);
        qm::screenshots::takeBookScreenshots(folder);
        qm::screenshots::takeProductInfoScreenshots(folder);
        qm::screenshots::takeFontChoiceScreenshots(folder);
    } catch (const qm::screenshots::ShotFailed& failure) {
        std::fprintf(stderr, "qm_screenshots: %s\n", failure.what());
        return 1;
    }
    for (const std::string& failure : folder.failures()) std::fprintf(stderr, "qm_screenshots: %s\n", failure.c_str());
    return folder.failures().empty() ? 0 : 1;
}
