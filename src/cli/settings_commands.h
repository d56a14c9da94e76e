// Subcommand on the settings file: settings DIR.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addSettingsCommands(CLI::App& app);

}  // namespace qm::cli
