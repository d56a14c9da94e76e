// Runs a program of the build and captures what it prints and its exit status.
#pragma once

#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "support/temp_dir.h"

namespace qm::test {

struct CommandOutput {
    int status = -1;
    std::string out;
    std::string err;
};

// The command line is given to the shell as it is: quote arguments with spaces yourself.
inline CommandOutput runCommand(const std::string& commandLine)
{
    TempDir scratch;
    const auto errPath = scratch / "stderr.txt";
    CommandOutput result;
    FILE* pipe = ::popen((commandLine + " 2>'" + errPath.string() + "'").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, got);
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readFile(errPath);
    return result;
}

}  // namespace qm::test
