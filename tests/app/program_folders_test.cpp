#include "app/program_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

#include "support/planned_file_faults.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

// Every file and folder under a folder with its contents and time of change: a snapshot two
// moments can be compared by, whatever the permissions (the tests run as root).
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).string();
        const auto changed = fs::last_write_time(entry.path()).time_since_epoch().count();
        entries[name] = std::to_string(changed) + (entry.is_regular_file() ? " " + readFile(entry.path()) : "/");
    }
    return entries;
}

// The regular files under a folder with their contents.
std::map<std::string, std::string> contents(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[entry.path().lexically_relative(folder).string()] = readFile(entry.path());
    return files;
}

std::vector<std::string> names(const fs::path& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(folder)) found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
}

class ProgramFoldersTest : public ::testing::Test {
protected:
    // An installed program: prefix/bin/quillmaze with its files in prefix/share/quillmaze.
    void install()
    {
        fs::create_directories(prefix / "bin");
        fs::create_directories(shared / "help");
        writeFile(prefix / "bin" / "quillmaze", "program");
        writeFile(shared / "QZFLAY.DAT", "starter shapes");
        writeFile(shared / "QZFPAGE.DAT", "starter layouts");
        writeFile(shared / "SAMPLE.QZ3", "sample collection");
        writeFile(shared / "help" / "index.html", "contents");
        environment.executable = prefix / "bin" / "quillmaze";
    }

    TempDir root;
    fs::path prefix = root / "usr";
    fs::path shared = prefix / "share" / "quillmaze";
    fs::path home = root / "home";
    fs::path userData = home / ".local" / "share" / "quillmaze";
    FolderEnvironment environment{{}, home, "", "", root / "started-here"};
};

TEST_F(ProgramFoldersTest, ABuildFolderIsItsOwnProgramDirectory)
{
    install();
    // Shipped files beside the executable win over an installed tree above it.
    writeFile(prefix / "bin" / "QZFPAGE.DAT", "layouts beside the program");
    const auto places = locateProgramData(environment);
    ASSERT_TRUE(places);
    EXPECT_FALSE(places->installed);
    EXPECT_EQ(places->programDirectory, prefix / "bin");
    EXPECT_EQ(places->shippedFiles, prefix / "bin");
    const auto settled = settleProgramDirectory(environment);
    ASSERT_TRUE(settled);
    EXPECT_EQ(*settled, prefix / "bin");
    EXPECT_FALSE(fs::exists(home));
}

TEST_F(ProgramFoldersTest, AFolderWithoutDataAndWithoutAnInstalledTreeStaysTheProgramDirectory)
{
    fs::create_directories(root / "copied");
    environment.executable = root / "copied" / "quillmaze-cli";
    const auto places = locateProgramData(environment);
    ASSERT_TRUE(places);
    EXPECT_FALSE(places->installed);
    EXPECT_EQ(places->programDirectory, root / "copied");
    // An executable that cannot be found: the current folder, as before.
    environment.executable.clear();
    EXPECT_EQ(locateProgramData(environment)->programDirectory, root / "started-here");
}

TEST_F(ProgramFoldersTest, AnInstalledProgramCopiesEveryShippedFileIntoTheUsersDataFolder)
{
    install();
    const auto before = snapshot(prefix);
    const auto settled = settleProgramDirectory(environment);
    ASSERT_TRUE(settled) << settled.failure().describe();
    EXPECT_EQ(*settled, userData);
    EXPECT_EQ(readFile(userData / "QZFLAY.DAT"), "starter shapes");
    EXPECT_EQ(readFile(userData / "QZFPAGE.DAT"), "starter layouts");
    EXPECT_EQ(readFile(userData / "SAMPLE.QZ3"), "sample collection");
    EXPECT_EQ(readFile(userData / "help" / "index.html"), "contents");
    EXPECT_EQ(snapshot(prefix), before);
}

TEST_F(ProgramFoldersTest, LaterStartsKeepTheUsersShapesAndLayoutsAndFollowTheProgramsOwnFiles)
{
    install();
    ASSERT_TRUE(settleProgramDirectory(environment));
    writeFile(userData / "QZFLAY.DAT", "starter shapes and a heart");
    fs::remove(userData / "QZFPAGE.DAT");
    writeFile(userData / "BADLIST.TXT", "the user's own list");
    // An upgrade brings new help, a new sample and new starter shapes.
    writeFile(shared / "QZFLAY.DAT", "new starter shapes");
    writeFile(shared / "SAMPLE.QZ3", "new sample collection");
    writeFile(shared / "help" / "index.html", "new contents");
    writeFile(shared / "help" / "tips.txt", "a new page");
    const auto before = snapshot(prefix);

    ASSERT_TRUE(settleProgramDirectory(environment));
    EXPECT_EQ(readFile(userData / "QZFLAY.DAT"), "starter shapes and a heart");
    EXPECT_EQ(readFile(userData / "QZFPAGE.DAT"), "starter layouts");  // copied again when missing
    EXPECT_EQ(readFile(userData / "BADLIST.TXT"), "the user's own list");
    EXPECT_EQ(readFile(userData / "SAMPLE.QZ3"), "new sample collection");
    EXPECT_EQ(readFile(userData / "help" / "index.html"), "new contents");
    EXPECT_EQ(readFile(userData / "help" / "tips.txt"), "a new page");
    EXPECT_EQ(snapshot(prefix), before);
}

TEST_F(ProgramFoldersTest, AFileAlreadyUpToDateIsNotWrittenAgain)
{
    install();
    ASSERT_TRUE(settleProgramDirectory(environment));
    const auto before = snapshot(userData);
    ASSERT_TRUE(settleProgramDirectory(environment));
    EXPECT_EQ(snapshot(userData), before);
}

TEST_F(ProgramFoldersTest, TheUsersDataFolderFollowsXdgDataHome)
{
    install();
    environment.xdgDataHome = (root / "data").string();
    EXPECT_EQ(locateProgramData(environment)->programDirectory, root / "data" / "quillmaze");
    // A relative value is ignored, as freedesktop.org's XDG base directory rules require.
    environment.xdgDataHome = "relative/data";
    EXPECT_EQ(locateProgramData(environment)->programDirectory, userData);
    environment.xdgDataHome.clear();
    environment.home.clear();
    const auto refused = locateProgramData(environment);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.failure().reason, "the home folder of this user is not known");
}

TEST_F(ProgramFoldersTest, ACopyThatFailsLeavesNoHalfFileAndTheOthersAreStillCopied)
{
    install();
    {
        test::PlannedFileFaults faults;
        const test::FileFault fault(faults, FileStep::Rename, ENOSPC);
        const auto settled = settleProgramDirectory(environment, faults);
        ASSERT_FALSE(settled);
        EXPECT_TRUE(fault.fired());
        EXPECT_EQ(settled.failure().reason, std::strerror(ENOSPC));
        EXPECT_EQ(settled.failure().path.string().rfind(userData.string(), 0), 0u) << settled.failure().describe();
    }
    // Three of the four files arrived whole, and no temporary file is left behind.
    const auto shippedFiles = contents(shared);
    const auto copied = contents(userData);
    EXPECT_EQ(copied.size(), 3u);
    for (const auto& [name, text] : copied) {
        ASSERT_TRUE(shippedFiles.count(name)) << name;
        EXPECT_EQ(text, shippedFiles.at(name)) << name;
    }
    // The next start brings the missing one.
    ASSERT_TRUE(settleProgramDirectory(environment));
    EXPECT_EQ(contents(userData), shippedFiles);
}

TEST_F(ProgramFoldersTest, AUsersDataFolderThatIsAFileIsAFailureNamingIt)
{
    install();
    fs::create_directories(userData.parent_path());
    writeFile(userData, "not a folder");
    const auto settled = settleProgramDirectory(environment);
    ASSERT_FALSE(settled);
    EXPECT_EQ(settled.failure().path, userData);
    EXPECT_EQ(readFile(userData), "not a folder");
}

TEST_F(ProgramFoldersTest, TheWorkingFolderIsQuillmazeInTheHomeFolderMadeWithTheSample)
{
    install();
    const auto program = settleProgramDirectory(environment);
    ASSERT_TRUE(program);
    const auto working = settleWorkingDirectory(environment, *program);
    ASSERT_TRUE(working) << working.failure().describe();
    EXPECT_EQ(*working, home / "Quillmaze");
    EXPECT_EQ(readFile(home / "Quillmaze" / "SAMPLE.QZ3"), "sample collection");
    // Nothing but the two folders lands in the home folder.
    EXPECT_EQ(names(home), (std::vector<std::string>{".local", "Quillmaze"}));
    EXPECT_EQ(names(home / "Quillmaze"), std::vector<std::string>{"SAMPLE.QZ3"});
}

TEST_F(ProgramFoldersTest, TheSampleOfTheWorkingFolderIsTheUsersOnceThere)
{
    install();
    const auto program = settleProgramDirectory(environment);
    ASSERT_TRUE(settleWorkingDirectory(environment, *program));
    writeFile(home / "Quillmaze" / "SAMPLE.QZ3", "sample with a puzzle of mine");
    writeFile(shared / "SAMPLE.QZ3", "new sample collection");
    ASSERT_TRUE(settleWorkingDirectory(environment, *settleProgramDirectory(environment)));
    EXPECT_EQ(readFile(home / "Quillmaze" / "SAMPLE.QZ3"), "sample with a puzzle of mine");
    // A sample the user deleted comes back, as it always has.
    fs::remove(home / "Quillmaze" / "SAMPLE.QZ3");
    ASSERT_TRUE(settleWorkingDirectory(environment, *program));
    EXPECT_EQ(readFile(home / "Quillmaze" / "SAMPLE.QZ3"), "new sample collection");
}

TEST_F(ProgramFoldersTest, QuillmazeHomeNamesTheWorkingFolder)
{
    fs::create_directories(root / "build");
    writeFile(root / "build" / "SAMPLE.QZ3", "built sample");
    environment.quillmazeHome = (root / "classes" / "2026").string() + "/";
    auto working = settleWorkingDirectory(environment, root / "build");
    ASSERT_TRUE(working);
    EXPECT_EQ(*working, root / "classes" / "2026");
    EXPECT_EQ(readFile(root / "classes" / "2026" / "SAMPLE.QZ3"), "built sample");
    // A relative one starts where the program was started.
    environment.quillmazeHome = "puzzles";
    working = settleWorkingDirectory(environment, root / "build");
    ASSERT_TRUE(working);
    EXPECT_EQ(*working, root / "started-here" / "puzzles");
    EXPECT_FALSE(fs::exists(home));
}

TEST_F(ProgramFoldersTest, AWorkingFolderThatCannotBeMadeIsAFailureNamingIt)
{
    writeFile(root / "taken", "a file");
    environment.quillmazeHome = (root / "taken").string();
    const auto working = settleWorkingDirectory(environment, root.path());
    ASSERT_FALSE(working);
    EXPECT_EQ(working.failure().path, root / "taken");
    EXPECT_EQ(readFile(root / "taken"), "a file");
}

}  // namespace
}  // namespace qm
