// Subcommands on the shape file: shapes list, export, import and delete.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addShapesCommands(CLI::App& app);

}  // namespace qm::cli
