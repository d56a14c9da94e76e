#include "app/program_folders.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

#include "collection/sample_puzzle.h"
#include "common/binary_file.h"
#include "layout/page_layout_file.h"
#include "layout/shape_file.h"

namespace qm {
namespace {

namespace fs = std::filesystem;

std::string environmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

fs::path accountHome()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !found->pw_dir)
        return {};
    return found->pw_dir;
}

// The files the user changes through the program: copied once, never refreshed.
bool isUsersOwnFile(const fs::path& relative) { return relative == kShapeFileName || relative == kPageLayoutFileName; }

// Any of them beside the executable makes its folder a program directory, as in a build.
bool holdsShippedFiles(const fs::path& folder)
{
    std::error_code ignored;
    for (const char* name : {kSampleCollectionName, kShapeFileName, kPageLayoutFileName})
        if (fs::exists(folder / name, ignored)) return true;
    return false;
}

Failure folderFailure(const fs::path& folder, const std::error_code& error)
{
    return Failure{FailureKind::Io, folder, error.message()};
}

Status makeFolder(const fs::path& folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return folderFailure(folder, error);
    if (!fs::is_directory(folder, error))
        return folderFailure(folder, std::make_error_code(std::errc::not_a_directory));
    return {};
}

// Copies source over target unless target holds the same bytes (or, with onlyWhenMissing, exists
// at all); the target is either its old self or the whole copy.
Status copyFile(const fs::path& source, const fs::path& target, bool onlyWhenMissing, const FileFaults& faults)
{
    std::error_code error;
    const bool present = fs::exists(target, error);
    if (present && onlyWhenMissing) return {};
    const auto contents = readWholeFile(source, faults);
    if (!contents) return Failure{FailureKind::Io, source, contents.failure().reason};
    if (present) {
        const auto current = readWholeFile(target, faults);
        if (current && *current == *contents) return {};
    }
    if (const Status made = makeFolder(target.parent_path()); !made) return made;
    return writeFileAtomically(target, *contents, faults);
}

}  // namespace

FolderEnvironment FolderEnvironment::ofThisProcess()
{
    FolderEnvironment environment;
    std::error_code error;
    environment.executable = fs::read_symlink("/proc/self/exe", error);
    if (error) environment.executable.clear();
    const std::string home = environmentValue("HOME");
    environment.home = home.empty() ? accountHome() : fs::path(home);
    environment.xdgDataHome = environmentValue("XDG_DATA_HOME");
    environment.quillmazeHome = environmentValue("QUILLMAZE_HOME");
    environment.currentDirectory = fs::current_path(error);
    if (error) environment.currentDirectory.clear();
    return environment;
}

Result<ProgramDataPlaces> locateProgramData(const FolderEnvironment& environment)
{
    // Without a known executable the current folder stands in for its folder.
    const fs::path beside =
        environment.executable.empty() ? environment.currentDirectory : environment.executable.parent_path();
    const fs::path shared = beside.parent_path() / "share" / kProgramDataFolderName;
    std::error_code ignored;
    if (holdsShippedFiles(beside) || !fs::is_directory(shared, ignored))
        return ProgramDataPlaces{false, beside, beside};

    // A relative XDG_DATA_HOME is ignored, as freedesktop.org's XDG base directory rules require.
    fs::path dataHome = environment.xdgDataHome;
    if (dataHome.empty() || !dataHome.is_absolute()) {
        if (environment.home.empty())
            return Failure{FailureKind::Io, "~/.local/share", "the home folder of this user is not known"};
        dataHome = environment.home / ".local" / "share";
    }
    return ProgramDataPlaces{true, shared, dataHome / kProgramDataFolderName};
}

Status seedProgramDirectory(const ProgramDataPlaces& places, const FileFaults& faults)
{
    if (!places.installed) return {};
    if (const Status made = makeFolder(places.programDirectory); !made) return made;
    Status first;
    const auto keep = [&first](Status status) {
        if (first && !status) first = std::move(status);
    };
    std::error_code error;
    fs::recursive_directory_iterator entries(places.shippedFiles, error);
    if (error) return folderFailure(places.shippedFiles, error);
    for (; entries != fs::recursive_directory_iterator(); entries.increment(error)) {
        if (error) return folderFailure(places.shippedFiles, error);
        if (!entries->is_regular_file(error)) continue;
        const fs::path relative = entries->path().lexically_relative(places.shippedFiles);
        keep(copyFile(entries->path(), places.programDirectory / relative, isUsersOwnFile(relative), faults));
    }
    if (error) return folderFailure(places.shippedFiles, error);
    return first;
}

Result<fs::path> settleProgramDirectory(const FolderEnvironment& environment, const FileFaults& faults)
{
    const auto places = locateProgramData(environment);
    if (!places) return places.failure();
    if (const Status seeded = seedProgramDirectory(*places, faults); !seeded) return seeded.failure();
    return places->programDirectory;
}

Result<fs::path> settleWorkingDirectory(const FolderEnvironment& environment, const fs::path& programDirectory)
{
    fs::path folder;
    if (!environment.quillmazeHome.empty()) {
        folder = (environment.currentDirectory / environment.quillmazeHome).lexically_normal();
        if (!folder.has_filename()) folder = folder.parent_path();  // a trailing slash
    } else if (!environment.home.empty()) {
        folder = environment.home / kWorkingFolderName;
    } else {
        return Failure{FailureKind::Io, std::string("~/") + kWorkingFolderName,
                       "the home folder of this user is not known"};
    }
    if (const Status made = makeFolder(folder); !made) return made.failure();

    const fs::path sample = programDirectory / kSampleCollectionName;
    std::error_code ignored;
    if (fs::is_regular_file(sample, ignored))
        if (const Status copied = copyFile(sample, folder / kSampleCollectionName, true, noFileFaults()); !copied)
            return copied.failure();
    return folder;
}

}  // namespace qm
