#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::runCommand;

TEST(SampleCommand, WritesTheSampleCollection)
{
    test::TempDir dir;
    const auto path = dir / "SAMPLE.QZ3";
    test::writeFile(path, "old contents");
    const auto written = runCommand(std::string("'") + QM_CLI + "' sample '" + path.string() + "'");
    ASSERT_EQ(written.status, 0) << written.err;
    const auto listed = runCommand(std::string("'") + QM_CLI + "' list '" + path.string() + "'");
    EXPECT_NE(listed.out.find("\"Farm Animals\""), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size(path) % 95830, 0u);
}

TEST(SampleCommand, AFolderThatIsMissingIsReported)
{
    test::TempDir dir;
    const auto result = runCommand(std::string("'") + QM_CLI + "' sample '" + (dir / "none" / "S.QZ3").string() + "'");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("none"), std::string::npos);
}

}  // namespace
}  // namespace qm
