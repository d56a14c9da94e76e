// Subcommands on collection files: list, dump, delete.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addCollectionCommands(CLI::App& app);

}  // namespace qm::cli
