// The create subcommand: an empty collection file, or a whole new puzzle generated from a words
// file and stored in a collection the way the candidate chooser stores one.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addCreateCommands(CLI::App& app);

}  // namespace qm::cli
