#include "common/replacement_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "common/file_faults.h"

namespace qm {
namespace {

// The error a FileFault plants for step, else the system's error of the operation (which runs
// only when nothing is planted), else 0.
template <typename Operation>
int attempt(FileStep step, Operation operation)
{
    if (const int planted = takeFileFault(step); planted != 0) return planted;
    return operation() ? 0 : errno;
}

}  // namespace

Result<ReplacementFile> ReplacementFile::create(const std::filesystem::path& target)
{
    std::string pattern = target.string() + ".XXXXXX";
    const int planted = takeFileFault(FileStep::Open);
    const int descriptor = planted != 0 ? -1 : ::mkstemp(pattern.data());
    if (descriptor < 0) return Failure{FailureKind::CannotOpen, target, std::strerror(planted != 0 ? planted : errno)};
    ReplacementFile file(descriptor, pattern, target);
    // mkstemp creates the file for its owner only; the new file is as readable as any other.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(descriptor, 0666 & ~mask) != 0) return file.failure(errno);
    return file;
}

ReplacementFile::ReplacementFile(ReplacementFile&& other) noexcept
    : m_descriptor(other.m_descriptor),
      m_temporary(std::move(other.m_temporary)),
      m_target(std::move(other.m_target))
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
    if (const int error = attempt(FileStep::Sync, [&] { return m_descriptor >= 0 && ::fsync(m_descriptor) == 0; })) {
        discard();
        return failure(error);
    }
    // The descriptor is closed whatever a planted fault says.
    const bool closed = ::close(m_descriptor) == 0;
    m_descriptor = -1;
    int error = attempt(FileStep::Close, [&] { return closed; });
    if (error == 0)
        error = attempt(FileStep::Rename, [&] { return ::rename(m_temporary.c_str(), m_target.c_str()) == 0; });
    if (error != 0) {
        ::unlink(m_temporary.c_str());
        return failure(error);
    }
    return {};
}

}  // namespace qm
