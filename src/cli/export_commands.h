// The export subcommand: one puzzle page as a metafile, a picture, an SVG drawing, a web page
// with its picture, or the puzzle as plain text, as the preview's exports write them.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addExportCommands(CLI::App& app);

}  // namespace qm::cli
