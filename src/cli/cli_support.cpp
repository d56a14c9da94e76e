#include "cli/cli_support.h"

#include <algorithm>
#include <cctype>
#include <iostream>

#include "app/program_folders.h"
#include "common/cp1252.h"

namespace qm::cli {

void refuse(const std::string& message) { throw CommandError(kRefused, message); }

void failIo(const Failure& failure) { throw CommandError(kIoFailure, failure.describe()); }

void finish(const Ending& outcome)
{
    if (outcome.kind == CommandOutcome::Kind::Refused) refuse(outcome.refusal.message);
    if (outcome.kind == CommandOutcome::Kind::Failed) failIo(outcome.failure);
}

Json recordText(std::string_view bytes) { return cp1252ToUtf8(bytes); }

void printJson(const Json& value) { std::cout << value.dump(2) << '\n'; }

std::filesystem::path programDirectory()
{
    // Settled once, by the first command that needs it: an installed tool copies what it lacks
    // into the user's data folder then.
    static const Result<std::filesystem::path> settled = settleProgramDirectory(FolderEnvironment::ofThisProcess());
    if (!settled) failIo(settled.failure());
    return *settled;
}

std::filesystem::path workingDirectory()
{
    std::error_code error;
    auto directory = std::filesystem::current_path(error);
    if (error) failIo(Failure{FailureKind::Io, ".", error.message()});
    return directory;
}

const CLI::Validator DecimalDigits(
    [](const std::string& text) -> std::string {
        const bool digits =
            !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
        return digits ? std::string() : "\"" + text + "\" is not a number written in decimal digits";
    },
    "DECIMAL", "DecimalDigits");

}  // namespace qm::cli
