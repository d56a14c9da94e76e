// The main window of an installed program on its settled folders, and the file named on the
// program's command line.
#include <gtest/gtest.h>

#include <QListWidget>

#include "app/program_folders.h"
#include "app/recent_files.h"
#include "app/ui/main_window.h"
#include "app/ui/main_window_links.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/scripted_dialogs.h"

namespace qm {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

constexpr std::size_t kShapeSize = 2555;
constexpr std::size_t kPageLayoutSize = 28868;
const QString kNotACollection = "The file selected is not a valid Word Search file.";

class ProgramFilesTest : public ::testing::Test {
protected:
    // The program installed under usr/ with the files this build ships, started by a user whose
    // home is home/.
    void SetUp() override
    {
        fs::create_directories(root / "usr" / "bin");
        fs::create_directories(shared);
        writeFile(root / "usr" / "bin" / "quillmaze", "program");
        for (const char* name : {"SAMPLE.QZ3", "QZFLAY.DAT", "QZFPAGE.DAT"})
            fs::copy_file(fs::path(QM_PROGRAM_DIR) / name, shared / name);
        environment.executable = root / "usr" / "bin" / "quillmaze";
        environment.home = home;
        sharedBefore = contentsOf(shared);
    }

    static std::map<std::string, std::string> contentsOf(const fs::path& folder)
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file()) files[entry.path().filename().string()] = readFile(entry.path());
        return files;
    }

    TMainWin& start()
    {
        const auto program = settleProgramDirectory(environment);
        EXPECT_TRUE(program);
        const auto working = settleWorkingDirectory(environment, *program);
        EXPECT_TRUE(working);
        window = std::make_unique<TMainWin>(MainWindowEnvironment{*program, *working, &dialogs, QSize(1024, 768)},
                                            MainWindowLinks{});
        return *window;
    }

    TempDir root;
    fs::path shared = root / "usr" / "share" / "quillmaze";
    fs::path home = root / "home" / "ann";
    fs::path userData = home / ".local" / "share" / "quillmaze";
    FolderEnvironment environment;
    std::map<std::string, std::string> sharedBefore;
    test::ScriptedDialogs dialogs;
    std::unique_ptr<TMainWin> window;  // destroyed before the dialogs it uses
};

TEST_F(ProgramFilesTest, AFirstStartOfTheInstalledProgramOpensTheSampleInTheNewWorkingFolder)
{
    TMainWin& w = start();
    EXPECT_EQ(w.programDirectory(), userData);
    EXPECT_EQ(w.workingDirectory(), home / "Quillmaze");
    EXPECT_EQ(w.collectionPath(), home / "Quillmaze" / "SAMPLE.QZ3");
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SAMPLE)");
    EXPECT_GT(w.puzzleList()->count(), 0);
    EXPECT_TRUE(dialogs.log().empty());
    w.close();
    // The settings land in the working folder, the shipped files are untouched.
    EXPECT_TRUE(fs::exists(home / "Quillmaze" / "QMAZE3.INI"));
    EXPECT_EQ(contentsOf(shared), sharedBefore);
}

TEST_F(ProgramFilesTest, ACollectionNamedOnTheCommandLineOpensAsOpenDoes)
{
    writeFile(root / "SCHOOL.qz3", test::collectionImage({{"Animals", "Cat"}, {"Animals", "Ape"}}));
    TMainWin& w = start();
    w.openNamedFile(root / "SCHOOL.qz3");
    EXPECT_EQ(w.collectionPath(), root / "SCHOOL.qz3");
    EXPECT_EQ(w.windowTitle(), "Quillmaze 98 (SCHOOL)");
    EXPECT_EQ(w.puzzleList()->count(), 2);
    EXPECT_EQ(w.settings().Misc.LastFiles, (RecentFiles{(home / "Quillmaze" / "SAMPLE.QZ3").string(), "", "", "", ""}));
    EXPECT_TRUE(w.actions().recentFiles[0]->isVisible());
    EXPECT_TRUE(dialogs.log().empty());
}

TEST_F(ProgramFilesTest, AFileThatCannotBeOpenedGetsTheOpenCommandsRefusal)
{
    writeFile(root / "notes.txt", "words");
    fs::create_directories(root / "FOLDER.QZ3");
    TMainWin& w = start();
    for (const fs::path& file : {root / "MISSING.QZ3", root / "notes.txt", root / "FOLDER.QZ3"}) {
        w.openNamedFile(file);
        EXPECT_EQ(w.collectionPath(), home / "Quillmaze" / "SAMPLE.QZ3") << file;
    }
    EXPECT_EQ(dialogs.messageTexts(), (std::vector<QString>{kNotACollection, kNotACollection, kNotACollection}));
    EXPECT_EQ(w.settings().Misc.LastFiles, RecentFiles{});
}

TEST_F(ProgramFilesTest, AShapeNamedOnTheCommandLineIsAddedToTheUsersShapesWhenTheUserAgrees)
{
    writeFile(root / "Heart.lay", "LAY1.0" + test::shapeImage("Big Heart", {"#.#", "###", ".#."}).str());
    TMainWin& w = start();
    const std::string before = readFile(userData / "QZFLAY.DAT");

    dialogs.answerMessage(MessageButton::No);
    w.openNamedFile(root / "Heart.lay");
    EXPECT_EQ(readFile(userData / "QZFLAY.DAT"), before);

    dialogs.answerMessage(MessageButton::Yes);
    w.openNamedFile(root / "Heart.lay");
    const std::string after = readFile(userData / "QZFLAY.DAT");
    ASSERT_EQ(after.size(), before.size() + kShapeSize);
    EXPECT_EQ(after.substr(before.size()), test::shapeImage("Big Heart", {"#.#", "###", ".#."}).str());
    EXPECT_EQ(w.currentShape().Name.text(), "Big Heart");
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].caption, "Import Puzzle Shape");
    EXPECT_EQ(dialogs.messages()[1].text, "Add the puzzle shape in Heart.lay to the puzzle shapes?");
    EXPECT_EQ(contentsOf(shared), sharedBefore);

    writeFile(root / "Broken.LAY", "LA");
    dialogs.answerMessage(MessageButton::Yes);
    w.openNamedFile(root / "Broken.LAY");
    EXPECT_EQ(dialogs.messageTexts().back(), "Puzzle shape file is corrupt or incompatible.  Import aborted.");
    EXPECT_EQ(readFile(userData / "QZFLAY.DAT"), after);
}

TEST_F(ProgramFilesTest, APageLayoutNamedOnTheCommandLineIsAddedToTheUsersLayouts)
{
    const std::string starter = readFile(shared / "QZFPAGE.DAT");
    writeFile(root / "Worksheet.PAG", "PAG1.0" + starter.substr(0, kPageLayoutSize));
    TMainWin& w = start();
    dialogs.answerMessage(MessageButton::Yes);
    w.openNamedFile(root / "Worksheet.PAG");
    EXPECT_EQ(dialogs.messages().at(0).caption, "Import Page Layouts");
    EXPECT_EQ(dialogs.messages().at(0).text, "Add the page layout in Worksheet.PAG to the page layouts?");
    EXPECT_EQ(readFile(userData / "QZFPAGE.DAT"), starter + starter.substr(0, kPageLayoutSize));
    EXPECT_EQ(readFile(shared / "QZFPAGE.DAT"), starter);
}

}  // namespace
}  // namespace qm
