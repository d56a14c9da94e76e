// What every subcommand of quillmaze-cli shares: exit codes, errors and JSON helpers.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "common/command_outcome.h"
#include "common/result.h"

namespace qm::cli {

using Json = nlohmann::ordered_json;

enum ExitCode { kSuccess = 0, kRefused = 1, kIoFailure = 2 };

// Ends a subcommand; main prints the message on stderr and exits with the code.
struct CommandError : std::runtime_error {
    CommandError(int exitCode, const std::string& message) : std::runtime_error(message), code(exitCode) {}
    int code;
};

// A refusal the user caused, with the program's own message.
[[noreturn]] void refuse(const std::string& message);
// An input/output failure, reported with the file and the system's reason.
[[noreturn]] void failIo(const Failure& failure);
inline void check(const Status& status)
{
    if (!status) failIo(status.failure());
}
// Ends the subcommand unless the command was done: a refusal with its message, a failure with
// the file and the reason.
void finish(const Ending& outcome);

// Text of a stored record (Windows-1252) as a JSON string (UTF-8).
Json recordText(std::string_view bytes);

void printJson(const Json& value);

// The program directory: the executable's folder for a build, the user's data folder for an
// installed tool (see app/program_folders.h).
std::filesystem::path programDirectory();
// The current directory, the tool's working directory; one that has been removed is an
// input/output failure.
std::filesystem::path workingDirectory();

// Every number of the command line is written in decimal digits and nothing else: left to
// itself the parser reads an empty argument as 0 and takes "0x1" as hexadecimal.
extern const CLI::Validator DecimalDigits;

}  // namespace qm::cli
