// The render subcommand: one puzzle page through its layout and the print options, written as a
// PDF, a picture or the page file itself.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addRenderCommands(CLI::App& app);

}  // namespace qm::cli
