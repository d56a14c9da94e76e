// quillmaze-cli sample: writes the sample collection the program ships.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addSampleCommands(CLI::App& app);

}  // namespace qm::cli
