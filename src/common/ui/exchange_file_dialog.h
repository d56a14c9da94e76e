// Asking for the files that carry shapes, layouts, puzzles and word lists between installations,
// starting from the file chosen last time.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "common/ui/user_dialogs.h"

namespace qm {

struct ExchangeFileDialog {
    QString title;
    QString filter;     // "Page Layouts (*.PAG)|*.PAG"
    QString extension;  // without the dot
};

// The save dialog, with the overwrite prompt; lastFile starts it and keeps the choice.
std::optional<std::filesystem::path> chooseExportFile(UserDialogs& dialogs, const ExchangeFileDialog& dialog,
                                                      std::string& lastFile);
// The open dialog for an existing file; lastFile starts it and keeps the choice.
std::optional<std::filesystem::path> chooseImportFile(UserDialogs& dialogs, const ExchangeFileDialog& dialog,
                                                      std::string& lastFile);

}  // namespace qm
