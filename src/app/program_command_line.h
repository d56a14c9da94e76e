// The command line of the program (not of quillmaze-cli): one file to open, --help, --version.
// Qt's own options are taken out before this reads what is left.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace qm {

struct ProgramCommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    std::optional<std::filesystem::path> file;  // Run: the file to open, as given
    std::string text;                           // Help, Version: what to print; Refuse: the reason
};

// The arguments after the program's name. --help (-h) and --version answer wherever they stand,
// so they need no display; "--" ends the options.
ProgramCommandLine readProgramCommandLine(const std::vector<std::string>& arguments);

// What --help prints.
std::string programHelpText();

}  // namespace qm
