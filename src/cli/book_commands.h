// quillmaze-cli book: a whole collection as one print-ready PDF book.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addBookCommands(CLI::App& app);

}  // namespace qm::cli
