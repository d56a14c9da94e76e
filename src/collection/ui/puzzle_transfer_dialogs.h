// TImportPuzzles ("Import Word Search Puzzles") lists the puzzles of another collection and
// appends the picked ones to the open collection; TExportPuzzles ("Export Word Search Puzzles")
// lists the open collection's puzzles and writes the picked ones to a new collection file.
#pragma once

#include <filesystem>
#include <string>

#include "collection/ui/puzzle_picker_dialog.h"
#include "common/ui/user_dialogs.h"

namespace qm {

class TImportPuzzles : public PuzzlePickerDialog {
    Q_OBJECT
public:
    TImportPuzzles(UserDialogs& dialogs, const UiStyle& style, std::filesystem::path importFile,
                   std::filesystem::path collectionPath, QWidget* parent = nullptr);

    // True once puzzles were appended, also when a failure stopped the copy part way.
    bool collectionChanged() const { return m_changed; }

    void OkClick();

private:
    UserDialogs& m_dialogs;
    std::filesystem::path m_importFile;
    std::filesystem::path m_collectionPath;
    bool m_changed = false;
};

class TExportPuzzles : public PuzzlePickerDialog {
    Q_OBJECT
public:
    // lastExportFile starts the save dialog and keeps the file chosen.
    TExportPuzzles(UserDialogs& dialogs, const UiStyle& style, std::filesystem::path collectionPath,
                   std::string& lastExportFile, QWidget* parent = nullptr);

    void SaveFileClick();

private:
    UserDialogs& m_dialogs;
    std::filesystem::path m_collectionPath;
    std::string& m_lastExportFile;
};

}  // namespace qm
