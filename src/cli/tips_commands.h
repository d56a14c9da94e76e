// Subcommand on the tips of the Tip of the Day: tips [--file FILE].
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addTipsCommands(CLI::App& app);

}  // namespace qm::cli
