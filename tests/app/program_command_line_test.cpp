#include "app/program_command_line.h"

#include <gtest/gtest.h>

#include "app/program_version.h"

namespace qm {
namespace {

using Action = ProgramCommandLine::Action;

TEST(ProgramCommandLineTest, NothingOrOneFileRuns)
{
    EXPECT_EQ(readProgramCommandLine({}).action, Action::Run);
    EXPECT_FALSE(readProgramCommandLine({}).file);
    const ProgramCommandLine line = readProgramCommandLine({"Class 4/SCHOOL.QZ3"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.file, std::filesystem::path("Class 4/SCHOOL.QZ3"));
    // After "--" a name that starts with a dash is a file.
    EXPECT_EQ(readProgramCommandLine({"--", "-odd.QZ3"}).file, std::filesystem::path("-odd.QZ3"));
    EXPECT_EQ(readProgramCommandLine({"--", "--help"}).file, std::filesystem::path("--help"));
}

TEST(ProgramCommandLineTest, HelpAndVersionAnswerWhereverTheyStand)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {"SCHOOL.QZ3", "--help"}, {"-platform", "offscreen", "-h"}}) {
        const ProgramCommandLine line = readProgramCommandLine(arguments);
        EXPECT_EQ(line.action, Action::Help) << arguments.back();
        EXPECT_EQ(line.text, programHelpText());
    }
    const ProgramCommandLine version = readProgramCommandLine({"-platform", "offscreen", "--version"});
    EXPECT_EQ(version.action, Action::Version);
    EXPECT_EQ(version.text, "Quillmaze 98 " + std::string(programVersion()) + "\n");
    EXPECT_EQ(programVersionText(), "Quillmaze 98 3.0.0");
}

TEST(ProgramCommandLineTest, UnknownOptionsAndSecondFilesAreRefused)
{
    struct Case {
        std::vector<std::string> arguments;
        std::string reason;
    };
    for (const Case& c :
         {Case{{"--print", "A.QZ3"}, "unknown option --print"},
          Case{{"A.QZ3", "B.QZ3"}, "only one file can be opened at a time"}, Case{{""}, "an empty file name"}}) {
        const ProgramCommandLine line = readProgramCommandLine(c.arguments);
        EXPECT_EQ(line.action, Action::Refuse);
        EXPECT_EQ(line.text, "quillmaze: " + c.reason + "\nTry 'quillmaze --help' for more information.\n");
    }
}

}  // namespace
}  // namespace qm
