#include "common/replacement_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {

// The error the faults plant for step, else the system's error of the operation (which runs
// only when nothing is planted), else 0.
template <typename Operation>
int attempt(const FileFaults& faults, FileStep step, Operation operation)
{
    if (const int planted = faults.fault(step); planted != 0) return planted;
    return operation() ? 0 : errno;
}

// Creates a temporary file of a fresh name beside target, with the permissions open() gives any
// new file (0666 less the umask, or the folder's default access list); gives the descriptor or -1.
int createTemporary(const std::filesystem::path& target, std::string& name)
{
    std::random_device seed;
    std::uniform_int_distribution<int> letter(0, 35);
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        name = target.string() + ".";
        for (int i = 0; i < 6; ++i) {
            const int k = letter(seed);
            name += static_cast<char>(k < 10 ? '0' + k : 'a' + k - 10);
        }
        const int descriptor = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) return descriptor;
    }
    return -1;
}

// Flushes the folder holding path; a file system that cannot flush folders has nothing to flush.
bool syncFolderOf(const std::filesystem::path& path)
{
    const std::filesystem::path parent = path.has_parent_path() ? path.parent_path() : ".";
    const int folder = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return true;
    const bool synced = ::fsync(folder) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(folder);
    errno = error;
    return synced;
}

}  // namespace

Result<ReplacementFile> ReplacementFile::create(const std::filesystem::path& target, const FileFaults& faults)
{
    std::string temporary;
    const int planted = faults.fault(FileStep::Open);
    const int descriptor = planted != 0 ? -1 : createTemporary(target, temporary);
    if (descriptor < 0) return Failure{FailureKind::CannotOpen, target, std::strerror(planted != 0 ? planted : errno)};
    ReplacementFile file(descriptor, temporary, target, faults);
    // A file that is replaced keeps its permissions.
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fchmod(descriptor, old.st_mode & 07777) != 0)
        return file.failure(errno);
    return file;
}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : m_descriptor(other.m_descriptor),
      m_temporary(std::move(other.m_temporary)),
      m_target(std::move(other.m_target)),
      m_faults(other.m_faults)
{
    other.m_descriptor = -1;
}

ReplacementFile& ReplacementFile::operator=(ReplacementFile&& other) noexcept
{
    if (this != &other) {
        discard();
        m_descriptor = other.m_descriptor;
        m_temporary = std::move(other.m_temporary);
        m_target = std::move(other.m_target);
        m_faults = other.m_faults;
        other.m_descriptor = -1;
    }
    return *this;
}

ReplacementFile::~ReplacementFile() { discard(); }

void ReplacementFile::discard()
{
    if (m_descriptor < 0) return;
    ::close(m_descriptor);
    ::unlink(m_temporary.c_str());
    m_descriptor = -1;
}

Failure ReplacementFile::failure(int error) const { return Failure{FailureKind::Io, m_target, std::strerror(error)}; }

Status ReplacementFile::commit()
{
    if (const int error =
            attempt(*m_faults, FileStep::Sync, [&] { return m_descriptor >= 0 && ::fsync(m_descriptor) == 0; })) {
        discard();
        return failure(error);
    }
    // The descriptor is closed whatever a planted fault says.
    const bool closed = ::close(m_descriptor) == 0;
    m_descriptor = -1;
    int error = attempt(*m_faults, FileStep::Close, [&] { return closed; });
    if (error == 0)
        error =
            attempt(*m_faults, FileStep::Rename, [&] { return ::rename(m_temporary.c_str(), m_target.c_str()) == 0; });
    if (error != 0) {
        ::unlink(m_temporary.c_str());
        return failure(error);
    }
    // The rename lasts only once the folder that records it is on the disk too.
    error = attempt(*m_faults, FileStep::Sync, [&] { return syncFolderOf(m_target); });
    if (error != 0) return failure(error);
    return {};
}

}  // namespace qm
