#include "cli/cli_support.h"

#include <iostream>

#include "common/cp1252.h"

namespace qm::cli {

void refuse(const std::string& message) { throw CommandError(kRefused, message); }

void failIo(const Failure& failure) { throw CommandError(kIoFailure, failure.describe()); }

void finish(const CommandOutcome& outcome)
{
    if (outcome.kind == CommandOutcome::Kind::Refused) refuse(outcome.refusal.message);
    if (outcome.kind == CommandOutcome::Kind::Failed) failIo(outcome.failure);
}

Json recordText(std::string_view bytes) { return cp1252ToUtf8(bytes); }

void printJson(const Json& value) { std::cout << value.dump(2) << '\n'; }

std::filesystem::path programDirectory()
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : executable.parent_path();
}

}  // namespace qm::cli
