// The generate subcommand: a generation run over a words file, printed as the four candidates.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addGenerateCommands(CLI::App& app);

}  // namespace qm::cli
