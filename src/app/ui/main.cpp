// Program entry of Quillmaze 98: answers --help and --version, settles the program and working
// directories (app/program_folders.h), and opens the main window, on the file named on the
// command line when there is one.
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>

#include "app/collection_naming.h"
#include "app/program_command_line.h"
#include "app/program_folders.h"
#include "app/ui/main_window.h"
#include "common/ui/qt_user_dialogs.h"

namespace {

std::vector<std::string> argumentsOf(int argc, char** argv) { return {argv + std::min(argc, 1), argv + argc}; }

}  // namespace

int main(int argc, char** argv)
{
    // Before Qt starts, so that no display is needed for them.
    if (const qm::ProgramCommandLine early = qm::readProgramCommandLine(argumentsOf(argc, argv));
        early.action == qm::ProgramCommandLine::Action::Help ||
        early.action == qm::ProgramCommandLine::Action::Version) {
        std::cout << early.text;
        return 0;
    }
    QApplication application(argc, argv);  // takes Qt's own options out of argv
    QApplication::setApplicationName(qm::kApplicationTitle);
    // Ties the windows to the desktop entry, for the icon a desktop shows beside them.
    QGuiApplication::setDesktopFileName("org.quillmaze.Quillmaze");
    const qm::ProgramCommandLine line = qm::readProgramCommandLine(argumentsOf(argc, argv));
    if (line.action == qm::ProgramCommandLine::Action::Refuse) {
        std::cerr << line.text;
        return 1;
    }

    qm::QtUserDialogs dialogs;
    const qm::FolderEnvironment folders = qm::FolderEnvironment::ofThisProcess();
    const auto places = qm::locateProgramData(folders);
    if (!places) {
        dialogs.reportIoFailure(places.failure());
        return 2;
    }
    // A file that could not be copied is missed where it is used; the rest of the program works.
    if (const qm::Status seeded = qm::seedProgramDirectory(*places); !seeded) dialogs.reportIoFailure(seeded.failure());
    const auto working = qm::settleWorkingDirectory(folders, places->programDirectory);
    if (!working) {
        dialogs.reportIoFailure(working.failure());
        return 2;
    }
    // A file named on the command line is found from where the program was started.
    std::error_code ignored;
    const std::optional<std::filesystem::path> file =
        line.file ? std::optional(std::filesystem::absolute(*line.file, ignored)) : std::nullopt;
    std::filesystem::current_path(*working, ignored);

    qm::MainWindowEnvironment environment;
    environment.programDirectory = places->programDirectory;
    environment.workingDirectory = *working;
    environment.dialogs = &dialogs;
    qm::TMainWin window(std::move(environment), qm::programLinks());
    dialogs.setFallbackParent(&window);
    window.show();
    if (file) window.openNamedFile(*file);
    return QApplication::exec();
}
