// Program entry of Quillmaze 98: the program directory is the executable's, the working
// directory the current one at start-up.
#include <filesystem>

#include <QApplication>

#include "app/collection_naming.h"
#include "app/ui/main_window.h"
#include "common/ui/qt_user_dialogs.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(qm::kApplicationTitle);

    qm::QtUserDialogs dialogs;
    qm::MainWindowEnvironment environment;
    environment.programDirectory = QCoreApplication::applicationDirPath().toStdString();
    environment.workingDirectory = std::filesystem::current_path();
    environment.dialogs = &dialogs;

    qm::TMainWin window(std::move(environment), qm::programLinks());
    dialogs.setFallbackParent(&window);
    window.show();
    return QApplication::exec();
}
