// The texts of the report status window and the warnings of a page rendering, for every window
// and tool that renders a page.
#pragma once

#include <string>
#include <vector>

#include "common/command_outcome.h"
#include "output/page/rendered_page.h"

namespace qm {

namespace RenderMessages {

inline constexpr const char* ReportStatusCaption = "Report Status Screen";
// The first status line while the page is made; %p stands for the page number.
inline constexpr const char* PrintingPageStatus = "Printing Page %p";
inline constexpr const char* PuzzleGeneratedStatus = "Puzzle Generated!";
inline constexpr const char* PuzzleGenerationCanceledStatus = "Puzzle Generation Canceled!";
inline constexpr const char* WarningCaption = "Warning";

inline constexpr const char* BitmapMissingWarning = "One or more bitmaps in the layout design could not be located.";
inline constexpr const char* CluesOverflowWarning =
    "Puzzle Clues would not fit in allocated space.  You will need to change the alotted clue space on the page "
    "layout, change the font size for the clues or select the \"Make It Fit\" attribute for the clue fonts.";
inline constexpr const char* WordsOverflowWarning =
    "Puzzle Words would not fit in allocated space.  You will need to change the alotted word space on the page "
    "layout, change the font size for the words or select the \"Make It Fit\" attribute for the puzzle words.";
inline constexpr const char* TextOverflowWarning =
    "Text would not fit in allocated space.  You will need to change the alotted text space on the page layout, "
    "change the font size for the text or select the \"Make It Fit\" attribute for the text object.";

}  // namespace RenderMessages

// The status text when the report has ended: a line break, then whether the page was made.
std::string reportEndStatus(const Outcome<RenderedPage>& outcome);

// The warnings of a rendering in the order they are shown, each with the caption WarningCaption:
// the missing bitmaps first (found before drawing), then, unless the report was cancelled, the
// clues, the words and the text that did not fit.
std::vector<std::string> renderWarnings(const Outcome<RenderedPage>& outcome);

}  // namespace qm
