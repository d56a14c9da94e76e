// The play pages of the command-line tool: one puzzle as a page to play in the browser, and a
// collection as a folder of them with their index, on the shipped sample collection.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "collection/collection_file.h"
#include "output/play/play_messages.h"
#include "support/cli_command.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::readFile;
using test::runCommand;
using test::shellQuoted;

const std::filesystem::path kSample = std::filesystem::path(QM_PROGRAM_DIR) / "SAMPLE.QZ3";

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

class PlayCommandTest : public ::testing::Test {
protected:
    test::CommandOutput run(const std::string& arguments)
    {
        return runCommand("cd " + shellQuoted(dir.path()) + " && '" + QM_CLI + "' " + arguments);
    }

    test::TempDir dir;
};

TEST_F(PlayCommandTest, ExportWritesOnePageWithEveryCellAndWord)
{
    const auto record = CollectionFile(kSample).ReadPuzzle(0);
    ASSERT_TRUE(record);
    const auto page = dir / "farm.html";
    const auto result = run("export " + shellQuoted(kSample) + " 0 --format play --out " + shellQuoted(page));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["files"], json::array({page.string()}));
    const std::string html = readFile(page);
    int cells = 0;
    for (int cell = 0; cell < kGridCells; ++cell) cells += (*record)->Letters[cell] != 0;
    EXPECT_EQ(static_cast<int>(occurrences(html, "data-col=")), cells);
    EXPECT_EQ(occurrences(html, "data-found=\"false\""), json::parse(result.out)["words"].get<std::size_t>());
    EXPECT_NE(html.find(">Show answers</button>"), std::string::npos);

    ASSERT_EQ(run("export " + shellQuoted(kSample) + " 0 --format play --no-answers --word-option clues --out " +
                  shellQuoted(page))
                  .status,
              0);
    const std::string clues = readFile(page);
    EXPECT_EQ(clues.find("id=\"show-answers\""), std::string::npos);
    EXPECT_NE(clues.find("<h2>Clues</h2>"), std::string::npos);
}

TEST_F(PlayCommandTest, ExportRefusals)
{
    const auto noAnswersElsewhere =
        run("export " + shellQuoted(kSample) + " 0 --format png --no-answers --out " + shellQuoted(dir / "a.png"));
    EXPECT_EQ(noAnswersElsewhere.status, 1);
    const auto missingFolder =
        run("export " + shellQuoted(kSample) + " 0 --format play --out " + shellQuoted(dir / "no" / "a.html"));
    EXPECT_EQ(missingFolder.status, 1);
    EXPECT_NE(missingFolder.err.find(PlayMessages::CannotCreatePage.message), std::string::npos);
    const auto missingCollection =
        run("export " + shellQuoted(dir / "none.QZ3") + " 0 --format play --out " + shellQuoted(dir / "a.html"));
    EXPECT_NE(missingCollection.status, 0);
}

TEST_F(PlayCommandTest, BookWritesAPageForEveryGeneratedPuzzleAndTheirIndex)
{
    const auto folder = dir / "web" / "class";
    const auto result = run("book " + shellQuoted(kSample) + " --web " + shellQuoted(folder));
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    const std::string index = readFile(folder / "index.html");
    const auto listing = CollectionFile(kSample).ListPuzzles();
    ASSERT_FALSE(out["puzzles"].empty());
    EXPECT_EQ(out["puzzles"].size() + out["left_out"].size(), listing.PuzzleEntries.size());
    for (const json& puzzle : out["puzzles"]) {
        const std::filesystem::path file = puzzle["file"].get<std::string>();
        EXPECT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_NE(index.find("href=\"" + file.filename().string() + "\""), std::string::npos) << file;
        EXPECT_NE(readFile(file).find("data-solved=\"false\""), std::string::npos);
    }

    EXPECT_EQ(run("book " + shellQuoted(kSample) + " --web " + shellQuoted(folder) + " --out x.pdf").status, 1);
    EXPECT_EQ(run("book " + shellQuoted(kSample)).status, 1);
    EXPECT_EQ(run("book " + shellQuoted(kSample) + " --web w --category 'No Such Category'").status, 1);
    EXPECT_EQ(run("book " + shellQuoted(kSample) + " --out x.pdf --no-answers").status, 1);
}

}  // namespace
}  // namespace qm
