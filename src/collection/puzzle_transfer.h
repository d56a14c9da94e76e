// Moving puzzles between collection files: importing chosen puzzles of another collection into
// the current one, exporting chosen puzzles of the current one into a new file, and importing a
// puzzle of the previous version from its .QZV file. Records are copied byte for byte.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "collection/collection_file.h"
#include "collection/working_copy.h"
#include "common/command_outcome.h"
#include "common/refusal.h"

namespace qm {

namespace PuzzleTransferMessages {
inline const Refusal NotQuillmazeFile{"The file selected is not a valid Quillmaze file."};
inline const Refusal ImportOfOpenFile{"Import File cannot be the same as the currently open file."};
inline const Refusal ExportOntoOpenFile{"Export File cannot be the same as the currently open file."};
inline const Refusal NoneSelectedForImport{"No puzzles have been selected for import."};
inline const Refusal NoneSelectedForExport{"No puzzles have been selected for export."};
inline const Refusal CannotImport{"Unable to import puzzles."};
inline const Refusal CannotExport{"Unable to export puzzles."};
inline const Refusal OldPuzzleCannotOpen{"Puzzle could not be imported."};
inline const Refusal OldPuzzleCorrupt{"Puzzle file is corrupt or incompatible.  Import aborted."};
}  // namespace PuzzleTransferMessages

enum class ImportFileKind { Collection, OldPuzzle };

// What the name of a chosen file says it is (.QZ3 or .QZV, in any letter case); nothing for any
// other name.
std::optional<ImportFileKind> importFileKind(const std::filesystem::path& path);

// True when both paths name the open collection: equal apart from letter case, as on Windows, or
// the same file reached through a link or another spelling of its folder.
bool sameCollectionFile(const std::filesystem::path& a, const std::filesystem::path& b);

// One puzzle of a transfer list: its title and record index.
struct TransferEntry {
    std::string title;  // Windows-1252 bytes
    int recordIndex = 0;
};

// Every puzzle of the file, sorted by title as the lists show them; empty when the file cannot
// be read.
std::vector<TransferEntry> puzzlesByTitle(const CollectionFile& collection);

// Appends the records of from, in the order given, to into, which is created when missing.
// Refused with ImportOfOpenFile when from is into itself, with CannotImport when either file
// cannot be opened; nothing is written then. A later failure keeps the records already appended.
CommandOutcome importPuzzles(const CollectionFile& from, const std::vector<int>& recordIndexes, CollectionFile& into);

// Writes the records of from, in the order given, as the whole new content of the file to, through
// the file faults of from. The file is replaced at once, so a failure leaves it as it was. Refused
// with ExportOntoOpenFile when to is the collection itself, with CannotExport when a file cannot be
// opened or created.
CommandOutcome exportPuzzles(const CollectionFile& from, const std::vector<int>& recordIndexes,
                             const std::filesystem::path& to);

// Reads a .QZV file (through the file faults of the collection), converts its puzzle through the
// given page layout into the working copy and appends it to the collection, which is created when
// missing. On success the working copy's reselect request names the new puzzle; recordIndex is
// where it lies.
struct OldPuzzleImport {
    CommandOutcome outcome;
    int recordIndex = -1;
};
OldPuzzleImport importOldPuzzle(const std::filesystem::path& qzvFile, const PageLayoutRecord& layout,
                                WorkingCopy& working, CollectionFile& collection);

}  // namespace qm
