// The rules of the editor's word and clue export: the lines the grid gives in each mode, and the
// file they are written to.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/command_outcome.h"
#include "common/file_faults.h"
#include "generate/word_list_form.h"
#include "generate/word_text_mode.h"

namespace qm {

// A word and its clue share a line with the word padded to this width, so the separators line up.
inline constexpr std::size_t kExportWordWidth = 31;

// The separator of an export whose edit is blank.
inline constexpr char kDefaultSeparator = ':';

struct ExportLine {
    std::string text;   // Windows-1252 bytes
    bool used = false;  // its row is marked as placed in the stored grid
};

// The lines of rows 1..329 in list order: the trimmed words, the trimmed clues, or for every row
// with a word or a clue the word padded to 31 characters, the separator, a blank and the clue.
std::vector<ExportLine> exportLines(const WordListRows& rows, WordTextMode mode, char separator);

// The file's bytes: every line followed by CR LF, so it reads back on Windows unchanged.
std::string exportFileText(const std::vector<std::string>& lines);

// Writes the lines to the file, replacing it whole; refused with
// GenerateMessages::CannotCreateExport when the file cannot be created.
CommandOutcome writeExportFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                               const FileFaults& faults = noFileFaults());

}  // namespace qm
