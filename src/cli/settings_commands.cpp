#include "cli/settings_commands.h"

#include <iostream>
#include <memory>

#include "app/settings.h"
#include "cli/cli_support.h"

namespace qm::cli {

void addSettingsCommands(CLI::App& app)
{
    auto directory = std::make_shared<std::string>();
    auto* settings = app.add_subcommand(
        "settings", "Load DIR/QMAZE3.INI as the program does at start-up and print what saving would write");
    settings->add_option("DIR", *directory, "Working directory holding QMAZE3.INI")->required();
    settings->callback([directory] {
        std::error_code error;
        const std::filesystem::path workingDirectory = std::filesystem::absolute(*directory, error).lexically_normal();
        if (directory->empty() || error || !std::filesystem::is_directory(workingDirectory, error))
            failIo(Failure{FailureKind::CannotOpen, *directory, "not a directory"});
        std::cout << settingsFileText(LoadSettings(workingDirectory), workingDirectory);
    });
}

}  // namespace qm::cli
