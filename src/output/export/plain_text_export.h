// The puzzle as a plain text file for a word processor: title, letter grid and word list.
#pragma once

#include <filesystem>
#include <string>

#include "collection/puzzle_record.h"
#include "common/command_outcome.h"
#include "common/file_faults.h"
#include "output/page/output_settings.h"

namespace qm {

// The file's bytes, Windows-1252 with CR LF line ends. Of the print options it reads the letter
// spacing (1 to 4: none to three spaces before each letter), the line spacing (2 doubles every
// line of the grid) and lower case; the page layout and the word option play no part.
std::string PlainTextPuzzle(const PuzzleRecord& record, const PrintOptions& options);

// Writes the file whole; a file that cannot be created is refused with "Unable to save puzzle.".
CommandOutcome SavePlainTextPuzzle(const PuzzleRecord& record, const PrintOptions& options,
                                   const std::filesystem::path& path, const FileFaults& faults = noFileFaults());

}  // namespace qm
