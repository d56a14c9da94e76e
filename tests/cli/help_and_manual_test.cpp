// What the tool says about itself: its version, its help, and the manual page that must keep up
// with every command and option the help lists.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/program_version.h"
#include "support/run_command.h"

namespace qm {
namespace {

using test::readFile;
using test::runCommand;

test::CommandOutput cli(const std::string& arguments)
{
    return runCommand(std::string("'") + QM_CLI + "' " + arguments);
}

// The section of a help text that a heading such as "Subcommands:" opens, up to the next blank line.
std::vector<std::string> sectionLines(const std::string& help, const std::string& heading)
{
    std::vector<std::string> lines;
    const std::size_t start = help.find("\n" + heading + "\n");
    if (start == std::string::npos) return lines;
    std::size_t at = start + heading.size() + 2;
    while (at < help.size()) {
        const std::size_t end = help.find('\n', at);
        const std::string line = help.substr(at, end == std::string::npos ? std::string::npos : end - at);
        if (line.empty()) break;
        lines.push_back(line);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return lines;
}

bool isNameCharacter(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'; }

// The names the "Subcommands:" section lists, each at the start of its line after two blanks.
std::vector<std::string> subcommandsIn(const std::string& help)
{
    std::vector<std::string> names;
    for (const std::string& line : sectionLines(help, "Subcommands:")) {
        if (line.size() < 3 || line.compare(0, 2, "  ") != 0 || line[2] < 'a' || line[2] > 'z') continue;
        std::size_t end = 2;
        while (end < line.size() && isNameCharacter(line[end])) ++end;
        names.push_back(line.substr(2, end - 2));
    }
    return names;
}

// Every "--name" the "Options:" section mentions.
std::set<std::string> optionsIn(const std::string& help)
{
    std::set<std::string> options;
    for (const std::string& line : sectionLines(help, "Options:"))
        for (std::size_t at = line.find("--"); at != std::string::npos; at = line.find("--", at + 2)) {
            std::size_t end = at + 2;
            while (end < line.size() && isNameCharacter(line[end])) ++end;
            if (end > at + 2) options.insert(line.substr(at, end - at));
        }
    return options;
}

// The manual page as it reads: roff writes a hyphen as "\-".
std::string manualPageText(const std::string& path)
{
    std::string page = readFile(path);
    for (std::size_t at = page.find("\\-"); at != std::string::npos; at = page.find("\\-", at)) page.erase(at, 1);
    return page;
}

// A section heading that starts with the command's words: ".SS "shapes import \fIFILE.LAY\fP"".
bool hasSection(const std::string& page, const std::string& command)
{
    const std::string heading = ".SS \"" + command;
    for (std::size_t at = page.find(heading); at != std::string::npos; at = page.find(heading, at + 1)) {
        const char next = page[at + heading.size()];
        if (next == ' ' || next == '"' || next == '\\') return true;
    }
    return false;
}

TEST(HelpAndManualTest, VersionNamesTheProgramAndItsVersion)
{
    const auto result = cli("--version");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, programVersionText() + "\n");
    EXPECT_EQ(result.out.rfind("Quillmaze 98 ", 0), 0u);
}

TEST(HelpAndManualTest, HelpListsTheCommandsAndWhereTheFilesAre)
{
    const auto result = cli("--help");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Usage: "), std::string::npos);
    EXPECT_NE(result.out.find("~/.local/share/quillmaze"), std::string::npos);
    const std::vector<std::string> commands = subcommandsIn(result.out);
    // Those every build has; render, export and book come with Qt.
    for (const char* command : {"list", "create", "shapes", "layouts", "generate", "transfer", "dictionary"})
        EXPECT_TRUE(std::find(commands.begin(), commands.end(), command) != commands.end()) << command;
}

TEST(HelpAndManualTest, TheManualPageDescribesEveryCommandAndOptionOfTheHelp)
{
    const std::string page = manualPageText(std::string(QM_SOURCE_DIR) + "/data/man/quillmaze-cli.1");
    ASSERT_FALSE(page.empty());

    std::vector<std::string> pending = {""};
    int commands = 0;
    while (!pending.empty()) {
        const std::string command = pending.back();
        pending.pop_back();
        const auto help = cli(command + " --help");
        ASSERT_EQ(help.status, 0) << command << ": " << help.err;
        if (!command.empty()) {
            ++commands;
            EXPECT_TRUE(hasSection(page, command)) << "no section for " << command;
        }
        for (const std::string& option : optionsIn(help.out))
            if (option != "--help") {
                EXPECT_NE(page.find(option), std::string::npos) << command << " " << option;
            }
        for (const std::string& sub : subcommandsIn(help.out))
            pending.push_back(command.empty() ? sub : command + " " + sub);
    }
    EXPECT_GE(commands, 25);  // the nested ones included
}

}  // namespace
}  // namespace qm
