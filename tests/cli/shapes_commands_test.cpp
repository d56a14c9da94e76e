#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "support/record_images.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::readFile;
using test::runCommand;
using test::shapeImage;
using test::TempDir;
using test::writeFile;

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

class ShapesCommandsTest : public ::testing::Test {
protected:
    test::CommandOutput shapes(const std::string& arguments)
    {
        return runCommand(std::string("'") + QM_CLI + "' shapes --dir " + quoted(dir.path()) + " " + arguments);
    }

    TempDir dir;
    std::filesystem::path shapeFile = dir / "QZFLAY.DAT";
    std::string plus = shapeImage("Plus", {".#.", "###", ".#."}).str();
    std::string cafe = shapeImage("Caf\xE9", {"##", "#."}).str();
};

TEST_F(ShapesCommandsTest, ListGivesEveryRecordInFileOrder)
{
    writeFile(shapeFile, plus + cafe + shapeImage("Broken", {"#"}, -4, 60).str() + "partial");
    const auto result = shapes("list");
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], json({{"index", 0},
                            {"entry", "3x3 Plus"},
                            {"Name", "Plus"},
                            {"Width", 3},
                            {"Height", 3},
                            {"Mask", {"010", "111", "010"}}}));
    EXPECT_EQ(out[1]["entry"], "2x2 Caf\u00E9");
    EXPECT_EQ(out[1]["Mask"], json({"11", "10"}));
    EXPECT_EQ(out[2]["Width"], 0);
    EXPECT_EQ(out[2]["Height"], 50);
    EXPECT_EQ(out[2]["Mask"].size(), 50u);
    EXPECT_EQ(out[2]["Mask"][0], "");
}

TEST_F(ShapesCommandsTest, ListWithoutAShapeFileWarns)
{
    const auto result = shapes("list");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(json::parse(result.out), json::array());
    EXPECT_EQ(result.err, "No saved shape information could be found.\n");
}

TEST_F(ShapesCommandsTest, ExportThenImportCopiesTheShape)
{
    writeFile(shapeFile, plus + cafe);
    const auto lay = dir / "Caf\xE9.LAY";
    auto result = shapes("export 1 " + quoted(lay));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readFile(lay), "LAY1.0" + cafe);

    result = shapes("import " + quoted(lay));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(json::parse(result.out), json({{"index", 2}, {"entry", "2x2 Caf\u00E9"}}));
    EXPECT_EQ(readFile(shapeFile), plus + cafe + cafe);
}

TEST_F(ShapesCommandsTest, DeleteMovesLaterShapesDown)
{
    writeFile(shapeFile, plus + cafe + plus);
    ASSERT_EQ(shapes("delete 0").status, 0);
    EXPECT_EQ(readFile(shapeFile), cafe + plus);
}

TEST_F(ShapesCommandsTest, RefusalsPrintTheirMessage)
{
    writeFile(shapeFile, plus);
    const auto lay = dir / "X.LAY";
    struct Case {
        std::string arguments;
        std::string contents;  // of X.LAY, written first when not empty
        std::string message;
    };
    const Case cases[] = {
        {"export 5 " + quoted(lay), "", "No shape selected."},
        {"export 0 " + quoted(dir / "missing" / "X.LAY"), "", "Shape could not be exported."},
        {"import " + quoted(dir / "none.LAY"), "", "Puzzle shape could not be imported."},
        {"import " + quoted(lay), "lay1.0" + plus, "Puzzle shape file is corrupt or incompatible.  Import aborted."},
        {"import " + quoted(lay), ("LAY1.0" + plus).substr(0, 2560),
         "Puzzle shape file is corrupt or incompatible.  Import aborted."},
        {"delete 1", "", "No shape selected."},
    };
    for (const Case& c : cases) {
        if (!c.contents.empty()) writeFile(lay, c.contents);
        const auto result = shapes(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, c.message + "\n") << c.arguments;
    }
    EXPECT_EQ(readFile(shapeFile), plus);
}

TEST_F(ShapesCommandsTest, ImportIntoAFolderThatCannotTakeTheFileIsRefused)
{
    const auto lay = dir / "X.LAY";
    writeFile(lay, "LAY1.0" + plus);
    const auto result =
        runCommand(std::string("'") + QM_CLI + "' shapes import " + quoted(lay) + " --dir " + quoted(dir / "missing"));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Unable to add shape.\n");
}

TEST(ShapesCommands, DefaultDirectoryIsTheProgramDirectory)
{
    const auto result = runCommand(std::string("'") + QM_CLI + "' shapes list");
    ASSERT_EQ(result.status, 0) << result.err;
    const auto shipped = std::filesystem::path(QM_PROGRAM_DIR) / "QZFLAY.DAT";
    EXPECT_EQ(json::parse(result.out).size(), std::filesystem::file_size(shipped) / 2555);
}

}  // namespace
}  // namespace qm
