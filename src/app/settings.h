// The program's preferences and remembered paths, as kept in QMAZE3.INI.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

#include "common/result.h"

namespace qm {

// Texts are UTF-8 here; the settings file is read in UTF-8 or, when a value is not valid
// UTF-8, in Windows-1252 as a file written on Windows would be.

struct MiscSettings {
    std::string LastImportPuzzleFile;
    std::string LastExportPuzzleFile;
    std::string LastImportShapeFile;
    std::string LastExportShapeFile;
    std::string LastImportLayoutFile;
    std::string LastExportLayoutFile;
    std::string LastImportWordFile;
    std::string LastExportWordFile;
    std::string LastExportBitmapFile;
    std::string LastExportJpegFile;
    std::string LastExportEmfFile;
    std::string LastExportWmfFile;
    std::string LastExportHtmlFile;
    std::string LastExportTextFile;
    std::string LastGroup;                 // path of the current collection file
    std::array<std::string, 5> LastFiles;  // recent collection files, [0] the most recent
    int WindowSize = 640;                  // 640, 800, 1024 or 1280
    bool BackgroundBitmap = true;
    int Dictionary = 1;      // 0 none, 1..8 a language, 9 choose at spell check time
    int UserDictionary = 1;  // 1..8
    int Thesaurus = 1;       // 0 none, 1 American, 2 British, 3 choose at use time
    int UserThesaurus = 1;   // 1..2
    bool ShowTips = true;
};

struct HtmlHeading {
    std::string Text;
    bool Bold = false;
    bool Italic = false;
    bool Center = false;
    int Font = 3;
};

struct HtmlSettings {
    HtmlHeading FirstHeader{"My Puzzle", true, false, true, 4};
    HtmlHeading SecondHeader;
    HtmlHeading FirstFooter;
    HtmlHeading SecondFooter;
    bool HorizontalUpper = false;
    bool HorizontalLower = false;
    std::string WebTitle = "Word Search Puzzle";  // at most 100 characters
};

inline constexpr int kInternationalKeys = 12;

struct CreateOptionSettings {
    bool UseClues = true;
    bool Shrink = false;
    int Attempts = 1;
    int Integration = 6;
    char SepChar = ':';  // one byte of the word and clue text files
    int ImportOption = 1;
    int ExportOption = 3;
    int LastShape = 1;
    // Character codes such as "0225", at most 4 characters each.
    std::array<std::string, kInternationalKeys> IntKeys{"0225", "0233", "0237", "0243", "0241", "0246",
                                                        "0250", "0228", "0229", "0224", "0232", "0242"};
};

// The allowed word directions, indexed by direction code - 1: Up, Up Right, Right, Down Right,
// Down, Down Left, Left, Up Left.
struct DirectionSettings {
    std::array<bool, 8> Allowed{true, true, true, true, true, true, true, true};
};

struct PageLayoutSettings {
    int Zoom = 2;
    int DesignerWindowLeft = 0;
    int DesignerWindowTop = 0;
    int DesignerWindowWidth = 640;
    int DesignerWindowHeight = 480;
    int DefaultPage = 0;  // record of QZFPAGE.DAT that new puzzles get
};

// What a page shows and how; read by every renderer and exporter.
struct PrintOptions {
    bool UseGrid = false;
    bool LowerCase = false;
    bool AnswerKey = false;
    bool PrintTitle = true;
    bool PrintBody = true;
    bool PrintWords = true;
    bool PrintBonus = true;
    bool ClueUnderscore = false;
    bool PartialUnderscore = false;
    int NumColumns = 3;
    int WordOption = 1;
    int FirstLetters = 1;
    int LastLetters = 1;
    int LetterSpacing = 2;
    int LineSpacing = 1;
};

struct ReportSettings {
    bool DefaultPrinter = true;
    int PrinterIndex = 0;
    int ViewingWindowLeft = 0;
    int ViewingWindowTop = 0;
    int ViewingWindowWidth = 640;
    int ViewingWindowHeight = 480;
    int PixelWidth = 640;
    int JpegCompressionQuality = 50;
    int PixelFormat = 1;  // 1 = 16 million colours, 2 = 256 colours
    PrintOptions Print;
};

struct UiFontSettings {
    std::string FontName = "Arial";
    bool Bold = false;
    bool Italic = false;
    std::int32_t Color = 0;  // 0x00BBGGRR
};

struct Settings {
    MiscSettings Misc;
    HtmlSettings Html;
    CreateOptionSettings CreateOptions;
    DirectionSettings Create;
    PageLayoutSettings PageLayout;
    ReportSettings Reports;
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
Status SaveSettings(const Settings& settings, const std::filesystem::path& workingDirectory);

}  // namespace qm
