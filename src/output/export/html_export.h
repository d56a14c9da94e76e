// The web page that shows the puzzle page as a JPEG picture between two header and two footer
// blocks, with optional rules above and below the picture.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "common/command_outcome.h"
#include "common/file_faults.h"
#include "output/page/output_settings.h"

namespace qm {

inline constexpr std::size_t kWebTitleLimit = 100;

// The picture beside an HTML file: its name with the extension replaced by "JPG" ("PUZZLE.HTM"
// gives "PUZZLE.JPG", "page.html" gives "page.JPG"), in the same folder.
std::filesystem::path HtmlPicturePath(const std::filesystem::path& htmlFile);

// The page's lines with CR LF ends, in Windows-1252 (the settings' UTF-8 texts are converted);
// the title is trimmed and cut to 100 characters. The blocks are written as typed, so a user
// may put HTML in them. The picture is named by a relative URL.
std::string HtmlPageText(const HtmlSettings& settings, const std::filesystem::path& pictureName);

// Writes the page whole, naming the picture of HtmlPicturePath; a file that cannot be created is
// refused with "Unable to create html file.". The picture is the caller's to write.
CommandOutcome SaveHtmlPage(const HtmlSettings& settings, const std::filesystem::path& htmlFile,
                            const FileFaults& faults = noFileFaults());

}  // namespace qm
