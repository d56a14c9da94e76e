// The play page as one self-contained HTML file: the page's own style and script inline, a
// Content-Security-Policy that lets nothing else run or load, and every text of the puzzle
// escaped so that it reaches the reader as text.
#pragma once

#include <string>
#include <string_view>

#include "output/play/play_page.h"

namespace qm {

struct PlayPageOptions {
    bool showAnswersButton = true;  // the teacher may leave out "Show answers"
};

// Text for an HTML element or a quoted attribute: & < > " ' as character references.
std::string HtmlEscaped(std::string_view text);

std::string PlayPageHtml(const PlayPage& page, const PlayPageOptions& options);

}  // namespace qm
