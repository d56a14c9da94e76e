// quillmaze-cli layouts: list, export, import and the default of the page layout file.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addLayoutsCommands(CLI::App& app);

}  // namespace qm::cli
