// The pages a book adds to the puzzle pages: the contents, the answer keys several to a page, and
// the page number at the foot of every page. Each draws on a sheet already set up.
#pragma once

#include <span>
#include <string>

#include "collection/puzzle_record.h"
#include "output/page/output_settings.h"
#include "output/page/report_target.h"

namespace qm {

inline constexpr const char* kContentsHeading = "Contents";
inline constexpr const char* kAnswersHeading = "Answers";

struct ContentsLine {
    std::string title;  // Windows-1252 bytes
    int page = 0;
};

// The lines one contents page holds on a sheet this high (inches): at least one.
int contentsLinesPerPage(double sheetHeight);

// The heading, then each title with dot leaders up to its page number.
void DrawContentsPage(ReportTarget& target, std::span<const ContentsLine> lines);

struct KeyOnPage {
    const PuzzleRecord* record = nullptr;
    PrintOptions options;  // the puzzle's own; the answer key is drawn whatever they say
    int puzzlePage = 0;
};

// Where the keys stand: in columns and rows over the sheet, the longer way down the longer side.
struct KeyGrid {
    int columns = 1;
    int rows = 1;
};
KeyGrid keyGrid(int keysPerPage, double sheetWidth, double sheetHeight);

// The heading, then in reading order each key's title, the page its puzzle stands on, and its
// letter grid with a capsule round every word, drawn with the puzzle's own grid object.
void DrawKeyPage(ReportTarget& target, std::span<const KeyOnPage> keys, int keysPerPage);

// The number centred at the foot of the sheet.
void DrawPageNumber(ReportTarget& target, int page);

}  // namespace qm
