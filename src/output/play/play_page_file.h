// Writing play pages: one page to its file, and the index page of a folder of them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/command_outcome.h"
#include "common/file_faults.h"
#include "output/play/play_page_html.h"

namespace qm {

// Writes the page whole; a file that cannot be created is refused with CannotCreatePage.
CommandOutcome SavePlayPage(const PlayPage& page, const PlayPageOptions& options, const std::filesystem::path& file,
                            const FileFaults& faults = noFileFaults());

struct PlayIndexEntry {
    std::string title;     // UTF-8
    std::string fileName;  // beside the index
};

// The page that links every play page of a folder, in the given order, under heading (UTF-8).
std::string PlayIndexHtml(const std::string& heading, const std::vector<PlayIndexEntry>& entries);

// A file name for a page that stands for nothing else in the folder: "001-" and the title's
// letters and digits, lowered, with "-" for every run of others, and ".html".
std::string PlayPageFileName(int number, const std::string& title);

}  // namespace qm
