#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::runCommand;

nlohmann::json tipsOf(const std::string& arguments)
{
    const auto result = runCommand(std::string("'") + QM_CLI + "' tips" + arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    return nlohmann::json::parse(result.out);
}

TEST(TipsCommand, PrintsTheShippedTipsOrTheFallback)
{
    const nlohmann::json shipped = tipsOf("");
    EXPECT_FALSE(shipped["fallback"].get<bool>());
    EXPECT_GE(shipped["tips"].size(), 30u);
    EXPECT_TRUE(shipped["file"].get<std::string>().ends_with("tips.txt"));

    test::TempDir dir;
    test::writeFile(dir / "mine.txt", "# mine\n\nFirst.\nStill first.\n\nSecond.\n");
    const nlohmann::json mine = tipsOf(" --file '" + (dir / "mine.txt").string() + "'");
    EXPECT_EQ(mine["tips"], (nlohmann::json{"First.  Still first.", "Second."}));
    const nlohmann::json missing = tipsOf(" --file '" + (dir / "none.txt").string() + "'");
    EXPECT_TRUE(missing["fallback"].get<bool>());
    EXPECT_EQ(missing["tips"].size(), 1u);
}

}  // namespace
}  // namespace qm
