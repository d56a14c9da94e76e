// The program's two folders, decided in one place. The program directory holds the shapes, the
// page layouts, BADLIST.TXT, the personal word lists, the dictionaries of the user's own and
// the files the program ships (help pages, the sample collection); the working directory holds
// QMAZE3.INI and the collections.
//
// A program whose shipped files stand beside its executable (a build folder, a copied folder)
// uses that folder as its program directory. An installed program finds its shipped files in
// ../share/quillmaze, which it never writes, and uses the user's data folder
// $XDG_DATA_HOME/quillmaze instead, copying into it what it lacks.
#pragma once

#include <filesystem>
#include <string>

#include "common/file_faults.h"
#include "common/result.h"

namespace qm {

// Under share/ and under the user's data folder.
inline constexpr const char* kProgramDataFolderName = "quillmaze";
// In the home folder, unless QUILLMAZE_HOME names another.
inline constexpr const char* kWorkingFolderName = "Quillmaze";

// What the folders are decided from: the running program and its environment.
struct FolderEnvironment {
    std::filesystem::path executable;        // empty when unknown
    std::filesystem::path home;              // $HOME, else the home of the user's account
    std::string xdgDataHome;                 // $XDG_DATA_HOME as set
    std::string quillmazeHome;               // $QUILLMAZE_HOME as set
    std::filesystem::path currentDirectory;  // where a relative QUILLMAZE_HOME starts

    static FolderEnvironment ofThisProcess();
};

struct ProgramDataPlaces {
    bool installed = false;
    std::filesystem::path shippedFiles;      // what the program ships: beside it, or in share/quillmaze
    std::filesystem::path programDirectory;  // the same folder for a build; the user's data folder when installed
};

// Where the shipped files and the program directory are, without touching a file. Refused
// only for an installed program whose user has no home folder.
Result<ProgramDataPlaces> locateProgramData(const FolderEnvironment& environment);

// Brings the user's program directory of an installed program up to date, file by file: a
// shipped file it lacks is copied, and so is one of the program's own (everything but the shape
// and page layout files) whose shipped copy differs, as a build refreshes them. A shape or page
// layout file the user has is never replaced. Does nothing for a build. Every file is tried;
// the first failure is returned.
Status seedProgramDirectory(const ProgramDataPlaces& places, const FileFaults& faults = noFileFaults());

// locateProgramData and seedProgramDirectory: the program directory ready for use.
Result<std::filesystem::path> settleProgramDirectory(const FolderEnvironment& environment,
                                                     const FileFaults& faults = noFileFaults());

// $QUILLMAZE_HOME (relative to the current directory) or ~/Quillmaze, created when missing and
// given a copy of the program directory's sample collection when it has none.
Result<std::filesystem::path> settleWorkingDirectory(const FolderEnvironment& environment,
                                                     const std::filesystem::path& programDirectory);

}  // namespace qm
