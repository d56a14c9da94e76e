// The data files of the previous program version, offered for conversion once at start-up: its
// puzzles (QZFUPUZZ.DAT) become the collection OLDPUZZ.QZ3 and its shapes (QZFULAY.DAT) join the
// shape file. Each old file is deleted once converted, so the offer does not come again.
#pragma once

#include <filesystem>

#include "collection/page_layout_record.h"
#include "common/command_outcome.h"
#include "common/file_faults.h"
#include "common/refusal.h"

namespace qm {

inline constexpr const char* kOldPuzzleFileName = "QZFUPUZZ.DAT";
inline constexpr const char* kOldShapeFileName = "QZFULAY.DAT";
inline constexpr const char* kConvertedCollectionName = "OLDPUZZ.QZ3";

namespace OldDataMessages {
inline constexpr const char* QuestionCaption = "Notice";
inline constexpr const char* PuzzlesQuestion =
    "User generated puzzles from a previous version of Quillmaze have been detected.  Would you like to convert "
    "them to a puzzle group?";
inline constexpr const char* ShapesQuestion =
    "User generated shapes from a previous version of Quillmaze have been detected.  Would you like to add them to "
    "the current list of puzzle shapes?";
inline const Refusal CannotReadOldFile{"Puzzles could not be imported."};
inline const Refusal CannotSavePuzzles{"Unable to save puzzles."};
inline const Refusal CannotAddShapes{"Unable to add shapes."};
inline const Refusal PuzzlesConverted{"A new puzzle group named \"OLDPUZZ.QZ3\" has been created.", "Ok"};
inline const Refusal ShapesAdded{"Puzzle shapes have been added.", "Ok"};
}  // namespace OldDataMessages

// Where the files lie: the old files in the working directory, the converted collection and the
// shape file in the program directory.
struct OldDataFolders {
    std::filesystem::path workingDirectory;
    std::filesystem::path programDirectory;

    std::filesystem::path oldPuzzleFile() const { return workingDirectory / kOldPuzzleFileName; }
    std::filesystem::path oldShapeFile() const { return workingDirectory / kOldShapeFileName; }
    std::filesystem::path convertedCollection() const { return programDirectory / kConvertedCollectionName; }
};

struct OldDataConversion {
    CommandOutcome outcome;
    int converted = 0;  // records appended, also when a later one failed
};

// Every old puzzle, in file order, converted through the given page layout and appended to
// OLDPUZZ.QZ3 (created when missing); then QZFUPUZZ.DAT is deleted. Refused with
// CannotReadOldFile or CannotSavePuzzles when a file cannot be opened; nothing is written then.
// After any failure the old file stays.
OldDataConversion convertOldPuzzles(const OldDataFolders& folders, const PageLayoutRecord& layout,
                                    const FileFaults& faults = noFileFaults());

// Every old shape, in file order and unchanged, appended to the shape file (created when
// missing); then QZFULAY.DAT is deleted. Refused with CannotReadOldFile or CannotAddShapes when
// a file cannot be opened. After any failure the old file stays.
OldDataConversion convertOldShapes(const OldDataFolders& folders);

}  // namespace qm
