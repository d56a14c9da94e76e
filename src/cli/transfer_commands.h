// Subcommands that move puzzles between collections and take in the files of the previous
// version: transfer, convert-qzv, convert-old.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addTransferCommands(CLI::App& app);

}  // namespace qm::cli
