// The main window on scratch files, with links that record what the editor and the print
// options were handed: the fixture of the main window's tests.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <QListWidget>

#include "app/ui/main_window.h"
#include "app/ui/main_window_links.h"
#include "collection/puzzle_record_codec.h"
#include "support/record_images.h"
#include "support/temp_dir.h"
#include "support/ui/list_widgets.h"
#include "support/ui/scripted_dialogs.h"

namespace qm::test {

inline int recordCount(const std::filesystem::path& path)
{
    return static_cast<int>(std::filesystem::file_size(path) / 95830);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        links.editPuzzle = [this](TMainWin& window, const QString& caption) {
            editorCaptions.push_back(caption);
            editedTitles.push_back(QString::fromStdString(window.workingCopy().record->Title.text()));
        };
        links.printOptions = [this](TMainWin&, std::unique_ptr<PuzzleRecord> puzzle) {
            printedTitles.push_back(QString::fromStdString(puzzle->Title.text()));
        };
    }

    std::string pathOf(const char* name) const { return (dir / name).string(); }

    void writeCollection(const char* name, std::initializer_list<std::pair<const char*, const char*>> puzzles)
    {
        writeFile(dir / name, collectionImage(puzzles));
    }

    // The Tip of the Day stays away unless the settings of a test ask for it.
    void writeSettings(const std::string& misc, const std::string& otherSections = "")
    {
        const std::string tips = misc.find("Show Tips=") == std::string::npos ? "Show Tips=No\r\n" : "";
        writeFile(dir / "QMAZE3.INI", "[Misc]\r\n" + tips + misc + otherSections);
    }

    // Starts the window on the collection SCHOOL.QZ3 unless the settings say otherwise.
    TMainWin& start(QSize screen = QSize(1024, 768))
    {
        if (!std::filesystem::exists(dir / "QMAZE3.INI")) writeSettings("Last Group=" + pathOf("SCHOOL.QZ3") + "\r\n");
        MainWindowEnvironment environment;
        environment.programDirectory = programDirectory;
        environment.workingDirectory = dir.path();
        environment.dialogs = &dialogs;
        environment.screenSize = screen;
        window = std::make_unique<TMainWin>(std::move(environment), links);
        return *window;
    }

    // The window with the program's own links on SCHOOL.QZ3 holding one generated puzzle,
    // "Done" in "Animals", ready to print.
    TMainWin& startWithTheProgramsLinksOnAGeneratedPuzzle()
    {
        ImageBuilder generated = puzzleImage("Animals", "Done");
        generated.byte(PuzzleRecordOffsets::Generated, 1);
        writeFile(dir / "SCHOOL.QZ3", generated.str());
        links = programLinks();
        return start();
    }

    void selectPuzzle(const QString& title)
    {
        const auto found = window->puzzleList()->findItems(title, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << title.toStdString();
        window->puzzleList()->setCurrentItem(found.front());
    }

    TempDir dir;
    std::filesystem::path programDirectory = QM_PROGRAM_DIR;
    ScriptedDialogs dialogs;
    MainWindowLinks links;
    std::vector<QString> editorCaptions;
    std::vector<QString> editedTitles;
    std::vector<QString> printedTitles;
    std::unique_ptr<TMainWin> window;  // destroyed before the dialogs it uses
};

}  // namespace qm::test
