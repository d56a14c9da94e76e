// Subcommands on word and clue text files: words export.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addWordsCommands(CLI::App& app);

}  // namespace qm::cli
