// Subcommands of the spelling checker and the thesaurus: spell, thesaurus, and dictionary for the
// personal word lists.
#pragma once

#include <CLI/CLI.hpp>

namespace qm::cli {

void addLexiconCommands(CLI::App& app);

}  // namespace qm::cli
