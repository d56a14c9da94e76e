// The program's preferences and remembered paths, as kept in QMAZE3.INI.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "book/book_settings.h"
#include "common/file_faults.h"
#include "common/result.h"
#include "common/user_font_settings.h"
#include "generate/generation_settings.h"
#include "layout/layout_settings.h"
#include "lexicon/lexicon_settings.h"
#include "output/page/output_settings.h"

namespace qm {

// Texts are UTF-8 here; the settings file is read in UTF-8 or, when a value is not valid
// UTF-8, in Windows-1252 as a file written on Windows would be. Each part of the program declares
// the settings it reads; this structure composes them for the one settings file.

// The main window's own values.
struct MiscSettings {
    std::string LastImportPuzzleFile;
    std::string LastExportPuzzleFile;
    std::string LastGroup;                 // path of the current collection file
    std::array<std::string, 5> LastFiles;  // recent collection files, [0] the most recent
    int WindowSize = 640;                  // 640, 800, 1024 or 1280
    bool BackgroundBitmap = true;
    bool ShowTips = true;
    int NextTip = 0;  // our own: the tip the Tip of the Day starts with
};

struct Settings {
    MiscSettings Misc;
    WordListSettings WordList;
    ShapeSettings Shapes;
    PageLayoutSettings PageLayout;
    ReportSettings Reports;
    HtmlSettings Html;
    ExportFileSettings Exports;
    BookSettings Book;
    LexiconSettings Lexicon;
    UiFontSettings EditFont;
    UiFontSettings LabelFont;
    UiFontSettings ButtonFont;
};

inline constexpr const char* kSettingsFileName = "QMAZE3.INI";

// Reads workingDirectory/QMAZE3.INI; a missing file or key gives its default.
Settings LoadSettings(const std::filesystem::path& workingDirectory);

// The text SaveSettings writes: the file as it is, with every key of the settings set, in CRLF.
std::string settingsFileText(const Settings& settings, const std::filesystem::path& workingDirectory);

// Writes every key back, replacing the file whole through a temporary file.
Status SaveSettings(const Settings& settings, const std::filesystem::path& workingDirectory,
                    const FileFaults& faults = noFileFaults());

}  // namespace qm
