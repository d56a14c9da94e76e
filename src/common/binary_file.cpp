#include "common/binary_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "common/replacement_file.h"

namespace qm {
namespace {

std::string systemReason(int error) { return std::strerror(error); }

// True, with errno set, when faults make this call of step fail.
bool faultedStep(const FileFaults& faults, FileStep step)
{
    const int error = faults.fault(step);
    if (error != 0) errno = error;
    return error != 0;
}

// Writes all of data from offset on; gives 0 or the system's error.
int writeAllAt(const FileFaults& faults, int descriptor, std::int64_t offset, std::span<const std::uint8_t> data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const int fault = faults.fault(FileStep::Write);
        const std::size_t asked = data.size() - done;
        const ssize_t put = ::pwrite(descriptor, data.data() + done, fault != 0 ? asked / 2 : asked, offset + done);
        if (fault != 0) return fault;
        if (put < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(put);
    }
    return 0;
}

int openFlags(BinaryFile::Mode mode)
{
    switch (mode) {
    case BinaryFile::Mode::ReadOnly:
        return O_RDONLY;
    case BinaryFile::Mode::ReadWrite:
        return O_RDWR;
    case BinaryFile::Mode::ReadWriteCreate:
        return O_RDWR | O_CREAT;
    case BinaryFile::Mode::CreateTruncate:
        return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

}  // namespace

Result<BinaryFile> BinaryFile::open(const std::filesystem::path& path, Mode mode, const FileFaults& faults)
{
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    const int descriptor =
        faultedStep(faults, FileStep::Open) ? -1 : ::open(path.c_str(), openFlags(mode) | O_CLOEXEC | O_NONBLOCK, 0666);
    if (descriptor < 0) return Failure{FailureKind::CannotOpen, path, systemReason(errno)};
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        ::close(descriptor);
        return Failure{FailureKind::CannotOpen, path, error == EISDIR ? systemReason(EISDIR) : "not a regular file"};
    }
    return BinaryFile(descriptor, path, faults);
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1)),
      m_path(std::move(other.m_path)),
      m_faults(other.m_faults)
{
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0) ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_path = std::move(other.m_path);
        m_faults = other.m_faults;
    }
    return *this;
}

BinaryFile::~BinaryFile()
{
    if (m_descriptor >= 0) ::close(m_descriptor);
}

Failure BinaryFile::systemFailure(int error) const { return Failure{FailureKind::Io, m_path, systemReason(error)}; }

bool BinaryFile::faulted(FileStep step) const { return faultedStep(*m_faults, step); }

Result<std::int64_t> BinaryFile::size() const
{
    struct stat info {};
    if (::fstat(m_descriptor, &info) != 0) return systemFailure(errno);
    return static_cast<std::int64_t>(info.st_size);
}

Result<std::size_t> BinaryFile::readSome(std::int64_t offset, std::span<std::uint8_t> buffer) const
{
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::pread(m_descriptor, buffer.data() + done, buffer.size() - done, offset + done);
        if (got < 0) {
            if (errno == EINTR) continue;
            return systemFailure(errno);
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

Status BinaryFile::readExact(std::int64_t offset, std::span<std::uint8_t> buffer) const
{
    auto got = readSome(offset, buffer);
    if (!got) return got.failure();
    if (*got != buffer.size()) return Failure{FailureKind::Io, m_path, "the file ends before the data is complete"};
    return {};
}

Status BinaryFile::writeAll(std::int64_t offset, std::span<const std::uint8_t> data)
{
    if (const int error = writeAllAt(*m_faults, m_descriptor, offset, data); error != 0) return systemFailure(error);
    return {};
}

Status BinaryFile::truncate(std::int64_t size)
{
    if (faulted(FileStep::Truncate) || ::ftruncate(m_descriptor, size) != 0) return systemFailure(errno);
    return {};
}

Status BinaryFile::sync()
{
    if (faulted(FileStep::Sync) || ::fsync(m_descriptor) != 0) return systemFailure(errno);
    return {};
}

Status BinaryFile::lock(bool exclusive, const LockWait& wait)
{
    using Clock = std::chrono::steady_clock;
    constexpr auto kRetry = std::chrono::milliseconds(50);
    const Clock::time_point deadline = Clock::now() + wait.patience;
    bool waiting = false;
    const auto stopWaiting = [&] {
        if (waiting && wait.shown) wait.shown(false);
        waiting = false;
    };
    for (;;) {
        if (!faulted(FileStep::Lock) && ::flock(m_descriptor, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0) break;
        const int error = errno;
        if (error == EINTR) continue;
        if (error == ENOLCK || error == EOPNOTSUPP) break;
        if (error != EWOULDBLOCK) {
            stopWaiting();
            return systemFailure(error);
        }
        if (Clock::now() >= deadline) {
            stopWaiting();
            return Failure{FailureKind::ChangedElsewhere, m_path, "another program kept the file in use"};
        }
        if (!waiting && wait.shown) wait.shown(true);
        waiting = true;
        std::this_thread::sleep_for(std::min<Clock::duration>(kRetry, deadline - Clock::now()));
    }
    stopWaiting();
    return {};
}

Status BinaryFile::close()
{
    const int descriptor = std::exchange(m_descriptor, -1);
    if (descriptor >= 0 && (::close(descriptor) != 0 || faulted(FileStep::Close))) return systemFailure(errno);
    return {};
}

bool canOpen(const std::filesystem::path& path, BinaryFile::Mode mode, const FileFaults& faults)
{
    return BinaryFile::open(path, mode, faults).ok();
}

Result<std::string> readWholeFile(const std::filesystem::path& path, const FileFaults& faults)
{
    auto file = BinaryFile::open(path, BinaryFile::Mode::ReadOnly, faults);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    std::string contents(static_cast<std::size_t>(*size), '\0');
    auto got = file->readSome(0, {reinterpret_cast<std::uint8_t*>(contents.data()), contents.size()});
    if (!got) return got.failure();
    contents.resize(*got);
    return contents;
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view contents, const FileFaults& faults)
{
    auto file = ReplacementFile::create(path, faults);
    if (!file) return file.failure();
    if (const int error = writeAllAt(faults, file->descriptor(), 0,
                                     {reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size()});
        error != 0)
        return Failure{FailureKind::Io, path, systemReason(error)};
    return file->commit();
}

}  // namespace qm
