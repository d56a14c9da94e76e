// The book command on the shipped sample collection: page counts, titles on their pages and
// above their keys, the sheets of mixed layouts, the JSON report, and its refusals.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <set>

#include "book/book_composer.h"
#include "collection/collection_file.h"
#include "support/cli_command.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::runCommand;
using test::shellQuoted;
using test::TempDir;

const std::filesystem::path kSample = std::filesystem::path(QM_PROGRAM_DIR) / "SAMPLE.QZ3";

class BookCommandTest : public ::testing::Test {
protected:
    test::CommandOutput book(const std::filesystem::path& collection, const std::string& arguments)
    {
        return runCommand("cd " + shellQuoted(dir.path()) + " && '" + QM_CLI + "' book " + shellQuoted(collection) +
                          " --out " + shellQuoted(out) + " " + arguments);
    }
    std::string pageText(int page)
    {
        const std::string p = std::to_string(page);
        return runCommand("pdftotext -f " + p + " -l " + p + " " + shellQuoted(out) + " -").out;
    }
    std::string pageSize(int page)
    {
        const std::string p = std::to_string(page);
        const std::string info = runCommand("pdfinfo -f " + p + " -l " + p + " " + shellQuoted(out)).out;
        std::smatch match;
        std::regex_search(info, match, std::regex("size: *([0-9.]+ x [0-9.]+)"));
        return match[1];
    }
    int pdfPages()
    {
        std::smatch match;
        const std::string info = runCommand("pdfinfo " + shellQuoted(out)).out;
        std::regex_search(info, match, std::regex("Pages: *([0-9]+)"));
        return std::stoi(match[1]);
    }

    TempDir dir;
    std::filesystem::path out = dir / "book.pdf";
};

TEST_F(BookCommandTest, TheSampleBookHoldsEveryPuzzleAndItsKey)
{
    const auto made = book(kSample, "--keys-per-page 4 --page-numbers --seed 7");
    ASSERT_EQ(made.status, 0) << made.err;
    const json report = json::parse(made.out);
    const int puzzles = static_cast<int>(CollectionFile(kSample).ListPuzzles().PuzzleEntries.size());
    ASSERT_EQ(puzzles, 7);
    EXPECT_EQ(report["pages"], 9);
    EXPECT_EQ(pdfPages(), 9);
    EXPECT_TRUE(report["left_out"].empty());
    EXPECT_TRUE(report["warnings"].empty()) << report["warnings"];
    ASSERT_EQ(report["puzzles"].size(), 7u);
    for (const json& puzzle : report["puzzles"]) {
        const std::string title = puzzle["title"];
        const int page = puzzle["page"];
        const int keyPage = puzzle["key_page"];
        EXPECT_NE(pageText(page).find(title), std::string::npos) << title;
        const std::string keys = pageText(keyPage);
        EXPECT_NE(keys.find(title), std::string::npos) << title << "\n" << keys;
        EXPECT_NE(keys.find("Page " + std::to_string(page) + "\n"), std::string::npos) << title << "\n" << keys;
        EXPECT_EQ(keyPage, page <= 4 ? 8 : 9);
    }
    EXPECT_NE(pageText(9).find("\n9\n"), std::string::npos) << "the number at the foot";

    ASSERT_EQ(book(kSample, "--contents").status, 0);
    EXPECT_EQ(pdfPages(), 10);
    const std::string contents = pageText(1);
    EXPECT_NE(contents.find("Contents"), std::string::npos);
    EXPECT_NE(contents.find("Answers"), std::string::npos);
}

// The sample holds Letter and A4 worksheets and a landscape page: each keeps its sheet.
TEST_F(BookCommandTest, PagesKeepTheirLayoutsSheets)
{
    const auto made = book(kSample, "--order file");
    ASSERT_EQ(made.status, 0) << made.err;
    const json report = json::parse(made.out);
    std::set<std::string> sizes;
    for (int page = 1; page <= 7; ++page) sizes.insert(pageSize(page));
    EXPECT_TRUE(sizes.count("612 x 792")) << "Letter";
    EXPECT_TRUE(sizes.count("595.276 x 841.89") || sizes.count("595 x 842")) << "A4";
    EXPECT_TRUE(sizes.count("792 x 612")) << "landscape Letter";
    EXPECT_EQ(report["puzzles"][0]["index"], 0);
    EXPECT_EQ(report["puzzles"][6]["index"], 6);
}

TEST_F(BookCommandTest, RefusalsAndFailuresWriteNoFile)
{
    EXPECT_EQ(book(kSample, "--category 'No Such Thing'").status, 1);
    EXPECT_EQ(book(kSample, "--keys-per-page 3").status, 1);
    EXPECT_EQ(book(kSample, "--order title").status, 1);
    EXPECT_EQ(book(dir / "missing.QZ3", "").status, 2);
    EXPECT_FALSE(std::filesystem::exists(out));

    const auto empty = dir / "empty.QZ3";
    ASSERT_TRUE(CollectionFile(empty).CreateCollection());
    const auto refused = book(empty, "");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(kEmptyBook), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(out));
}

}  // namespace
}  // namespace qm
