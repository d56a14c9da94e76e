// The settings of the page output: the print options every renderer and exporter reads, the
// preview and printer, the HTML page and the last files of each export.
#pragma once

#include <string>

namespace qm {

// What a page shows and how.
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
    std::string LastPdfFile;  // where the preview last saved a page as PDF
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
    // Our own: the interactive page's last file, the last index of a collection's web puzzles,
    // and whether the pages offer "Show answers".
    std::string LastPlayPageFile;
    std::string LastWebPuzzlesIndex;
    bool PlayShowAnswers = true;
};

struct ExportFileSettings {
    std::string LastExportBitmapFile;
    std::string LastExportJpegFile;
    std::string LastExportEmfFile;
    std::string LastExportWmfFile;
    std::string LastExportHtmlFile;
    std::string LastExportTextFile;
    std::string LastExportPngFile;
    std::string LastExportSvgFile;
};

}  // namespace qm
