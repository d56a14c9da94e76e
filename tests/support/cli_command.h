// Command lines of the command-line tool of the build, for the tests that run it through the shell.
#pragma once

#include <filesystem>
#include <string>

namespace qm::test {

// A path (or any argument) as one word of a shell command line.
inline std::string shellQuoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

#ifdef QM_CLI
// The tool of the build with the given arguments, already quoted as they need.
inline std::string cli(const std::string& arguments) { return shellQuoted(QM_CLI) + " " + arguments; }
#endif

}  // namespace qm::test
