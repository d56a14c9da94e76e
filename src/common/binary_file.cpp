#include "common/binary_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {
namespace {

std::string systemReason(int error) { return std::strerror(error); }

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

Result<BinaryFile> BinaryFile::open(const std::filesystem::path& path, Mode mode)
{
    const int descriptor = ::open(path.c_str(), openFlags(mode) | O_CLOEXEC, 0666);
    if (descriptor < 0) return Failure{FailureKind::CannotOpen, path, systemReason(errno)};
    struct stat info {};
    if (::fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(descriptor);
        return Failure{FailureKind::CannotOpen, path, systemReason(EISDIR)};
    }
    return BinaryFile(descriptor, path);
}

BinaryFile::BinaryFile(BinaryFile&& other) noexcept
    : m_descriptor(std::exchange(other.m_descriptor, -1)),
      m_path(std::move(other.m_path))
{
}

BinaryFile& BinaryFile::operator=(BinaryFile&& other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0) ::close(m_descriptor);
        m_descriptor = std::exchange(other.m_descriptor, -1);
        m_path = std::move(other.m_path);
    }
    return *this;
}

BinaryFile::~BinaryFile()
{
    if (m_descriptor >= 0) ::close(m_descriptor);
}

Failure BinaryFile::systemFailure(int error) const { return Failure{FailureKind::Io, m_path, systemReason(error)}; }

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
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t put = ::pwrite(m_descriptor, data.data() + done, data.size() - done, offset + done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return systemFailure(errno);
        }
        done += static_cast<std::size_t>(put);
    }
    return {};
}

Status BinaryFile::truncate(std::int64_t size)
{
    if (::ftruncate(m_descriptor, size) != 0) return systemFailure(errno);
    return {};
}

Status BinaryFile::close()
{
    const int descriptor = std::exchange(m_descriptor, -1);
    if (descriptor >= 0 && ::close(descriptor) != 0) return systemFailure(errno);
    return {};
}

Result<std::string> readWholeFile(const std::filesystem::path& path)
{
    auto file = BinaryFile::open(path, BinaryFile::Mode::ReadOnly);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    std::string contents(static_cast<std::size_t>(*size), '\0');
    auto got = file->readSome(0, {reinterpret_cast<std::uint8_t*>(contents.data()), contents.size()});
    if (!got) return got.failure();
    contents.resize(*got);
    return contents;
}

Status writeFileAtomically(const std::filesystem::path& path, std::string_view contents)
{
    std::string pattern = path.string() + ".XXXXXX";
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0) return Failure{FailureKind::CannotOpen, path, systemReason(errno)};
    const std::filesystem::path temporary = pattern;
    auto fail = [&](int error) -> Status {
        ::close(descriptor);
        ::unlink(temporary.c_str());
        return Failure{FailureKind::Io, path, systemReason(error)};
    };
    // mkstemp creates the file for its owner only; a settings file is as readable as any other.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::fchmod(descriptor, 0666 & ~mask) != 0) return fail(errno);
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t put = ::write(descriptor, contents.data() + done, contents.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        done += static_cast<std::size_t>(put);
    }
    if (::fsync(descriptor) != 0) return fail(errno);
    if (::close(descriptor) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure{FailureKind::Io, path, systemReason(error)};
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Failure{FailureKind::Io, path, systemReason(error)};
    }
    return {};
}

}  // namespace qm
