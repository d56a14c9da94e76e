// Numbers and paths the command line cannot use end in a refusal or an input/output failure,
// never in a crash, and never act on a record nobody named.
#include <gtest/gtest.h>

#include "support/cli_command.h"
#include "support/record_images.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::cli;
using test::collectionImage;
using test::readFile;
using test::runCommand;
using test::TempDir;
using test::writeFile;

struct BadNumber {
    const char* arguments;  // FILE stands for the collection, DIR for the data folder
    const char* named;      // the argument the message names
};

class StrictNumbersTest : public ::testing::TestWithParam<BadNumber> {};

TEST_P(StrictNumbersTest, IsRefusedAndChangesNothing)
{
    TempDir dir;
    const std::string collection = collectionImage({{"A", "First"}, {"A", "Second"}});
    writeFile(dir / "C.QZ3", collection);
    std::string arguments = GetParam().arguments;
    for (const auto& [mark, value] : {std::pair{"FILE", (dir / "C.QZ3").string()}, {"DIR", dir.path().string()}})
        if (auto at = arguments.find(mark); at != std::string::npos)
            arguments.replace(at, std::string(mark).size(), "'" + value + "'");
    const auto result = runCommand("cd '" + dir.path().string() + "' && " + cli(arguments));
    EXPECT_EQ(result.status, 1) << arguments << "\n" << result.err;
    EXPECT_NE(result.err.find(GetParam().named), std::string::npos) << result.err;
    EXPECT_EQ(readFile(dir / "C.QZ3"), collection);
}

INSTANTIATE_TEST_SUITE_P(
    EveryNumberArgument, StrictNumbersTest,
    ::testing::Values(BadNumber{"delete FILE ''", "INDEX"}, BadNumber{"delete FILE 0x1", "INDEX"},
                      BadNumber{"delete FILE 1abc", "INDEX"}, BadNumber{"delete FILE ' 1'", "INDEX"},
                      BadNumber{"delete FILE +1", "INDEX"}, BadNumber{"delete FILE 99999999999", "INDEX"},
                      BadNumber{"dump FILE ''", "INDEX"}, BadNumber{"shapes --dir DIR delete ''", "INDEX"},
                      BadNumber{"shapes --dir DIR export '' out.LAY", "INDEX"},
                      BadNumber{"layouts --dir DIR export 0x0 out.PAG", "INDEX"},
                      BadNumber{"layouts --dir DIR default ''", "INDEX"},
                      BadNumber{"words export FILE '' out.txt", "INDEX"},
                      BadNumber{"transfer --from FILE --to DIR/B.QZ3 --index ''", "--index"},
                      BadNumber{"create --collection FILE --words w.txt --seed 1e3", "--seed"},
                      BadNumber{"create --collection FILE --words w.txt --integration 0x2", "--integration"},
                      BadNumber{"create --collection FILE --words w.txt --shape ''", "--shape"},
                      BadNumber{"render FILE '' --out page.pdf", "INDEX"},
                      BadNumber{"export FILE 0 --format png --out page.png --width 0x10", "--width"},
                      BadNumber{"book FILE --out book.pdf --keys-per-page 4.0", "--keys-per-page"},
                      BadNumber{"layouts --dir DIR change '' --zoom 2", "INDEX"}));

// A working folder removed under the tool, or an empty folder name, is a failure of the file
// system: reported with status 2 before anything is written.
TEST(FileSystemStates, AreInputOutputFailuresNotCrashes)
{
    TempDir dir;
    const std::string gone = (dir / "gone").string();
    for (const std::string& arguments :
         {std::string("settings ''"), "layouts --dir '" + dir.path().string() + "' list",
          "layouts --dir '" + dir.path().string() + "' import '" + dir.path().string() + "/x.PAG'"}) {
        std::filesystem::create_directory(gone);
        const auto result = runCommand("cd '" + gone + "' && rmdir '" + gone + "' && " + cli(arguments));
        EXPECT_EQ(result.status, 2) << arguments << "\n" << result.err;
    }
}

}  // namespace
}  // namespace qm
