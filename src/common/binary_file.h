// A file opened for one operation, read and written at explicit offsets.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "common/file_faults.h"
#include "common/result.h"

namespace qm {

// How long a lock another program holds is waited for before the operation is refused, and how
// the caller shows that wait (a busy cursor, say): shown(true) as it begins, shown(false) as it ends.
struct LockWait {
    std::chrono::milliseconds patience = std::chrono::seconds(5);
    std::function<void(bool waiting)> shown;
};

class BinaryFile {
public:
    enum class Mode {
        ReadOnly,
        ReadWrite,        // the file must exist
        ReadWriteCreate,  // created empty when missing
        CreateTruncate,   // created, or emptied when it exists
    };

    // Every step on the file, from opening it to closing it, asks faults first.
    static Result<BinaryFile> open(const std::filesystem::path& path, Mode mode,
                                   const FileFaults& faults = noFileFaults());

    BinaryFile(BinaryFile&& other) noexcept;
    BinaryFile& operator=(BinaryFile&& other) noexcept;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    ~BinaryFile();

    const std::filesystem::path& path() const { return m_path; }

    Result<std::int64_t> size() const;
    // Fills the whole buffer or fails; a file that ends early is an input/output failure.
    Status readExact(std::int64_t offset, std::span<std::uint8_t> buffer) const;
    // Reads what there is, up to the buffer's size, and says how much that was.
    Result<std::size_t> readSome(std::int64_t offset, std::span<std::uint8_t> buffer) const;
    Status writeAll(std::int64_t offset, std::span<const std::uint8_t> data);
    Status truncate(std::int64_t size);
    // Puts what was written on the disk.
    Status sync();
    // Holds an advisory lock on the file until it closes: shared for readers, exclusive for one
    // writer. While another process holds a lock that excludes it, waits as wait says, then
    // refuses with FailureKind::ChangedElsewhere. On a file system without locks (some network
    // shares) the operation goes on unlocked, as it would on a system that never had them.
    Status lock(bool exclusive, const LockWait& wait = {});
    // Closes and reports a failure the system noticed only at closing.
    Status close();

private:
    BinaryFile(int descriptor, std::filesystem::path path, const FileFaults& faults)
        : m_descriptor(descriptor),
          m_path(std::move(path)),
          m_faults(&faults)
    {
    }
    Failure systemFailure(int error) const;
    // True, with errno set, when the faults make this call of step fail.
    bool faulted(FileStep step) const;

    int m_descriptor = -1;
    std::filesystem::path m_path;
    const FileFaults* m_faults;
};

// Opens and closes the file again: whether an operation could start on it. ReadWriteCreate and
// CreateTruncate leave the file created (and emptied) as opening would.
bool canOpen(const std::filesystem::path& path, BinaryFile::Mode mode, const FileFaults& faults = noFileFaults());

// Reads a whole file into memory.
Result<std::string> readWholeFile(const std::filesystem::path& path, const FileFaults& faults = noFileFaults());

// Replaces a file whole: writes a temporary file in the same folder, flushes it and renames
// it over the target, so the target is either the old file or the complete new one.
Status writeFileAtomically(const std::filesystem::path& path, std::string_view contents,
                           const FileFaults& faults = noFileFaults());

}  // namespace qm
