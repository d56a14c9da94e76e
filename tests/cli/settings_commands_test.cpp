#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::runCommand;
using test::TempDir;
using test::writeFile;

std::string settingsOf(const std::filesystem::path& dir)
{
    const auto result = runCommand(std::string("'") + QM_CLI + "' settings '" + dir.string() + "'");
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
}

TEST(SettingsCommand, PrintsWhatSavingWouldWrite)
{
    TempDir dir;
    writeFile(dir / "QMAZE3.INI", "[create options]\nsep char=\n[Misc]\nShow Tips=True\n");
    const std::string text = settingsOf(dir.path());
    EXPECT_TRUE(text.starts_with("[create options]\r\nSep Char=:\r\nUse Clues=Yes\r\n"));
    EXPECT_NE(text.find("[Misc]\r\nShow Tips=No\r\nLast Import Puzzle File="), std::string::npos);
    EXPECT_NE(text.find("Last Group=" + (dir / "DEFAULT.QZ3").string() + "\r\n"), std::string::npos);
    // Printing does not save.
    EXPECT_EQ(test::readFile(dir / "QMAZE3.INI"), "[create options]\nsep char=\n[Misc]\nShow Tips=True\n");
}

TEST(SettingsCommand, AFirstStartWithOnlyTheSampleOpensIt)
{
    TempDir dir;
    writeFile(dir / "SAMPLE.QZ3", "");
    EXPECT_NE(settingsOf(dir.path()).find("Last Group=" + (dir / "SAMPLE.QZ3").string() + "\r\n"), std::string::npos);
}

TEST(SettingsCommand, AMissingDirectoryIsReported)
{
    TempDir dir;
    const auto result = runCommand(std::string("'") + QM_CLI + "' settings '" + (dir / "none").string() + "'");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("none"), std::string::npos);
}

}  // namespace
}  // namespace qm
