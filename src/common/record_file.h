// A headerless file of fixed-size records: identity is the 0-based index, records are appended,
// rewritten in place, and deleted by moving every later record down one place. Every change holds
// an exclusive lock on the file and keeps a journal beside it (record_journal.h), so two programs
// never interleave their changes, and a change that fails is undone while one that dies is finished
// by the next, be it a change or a read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "common/binary_file.h"
#include "common/record_journal.h"
#include "common/result.h"

namespace qm {

class FixedRecordFile {
public:
    // Every file step of a read or a change asks faults first.
    FixedRecordFile(std::filesystem::path path, std::size_t recordSize, LockWait wait = {},
                    const FileFaults& faults = noFileFaults())
        : m_path(std::move(path)),
          m_recordSize(static_cast<std::int64_t>(recordSize)),
          m_wait(std::move(wait)),
          m_faults(&faults)
    {
    }

    const std::filesystem::path& path() const { return m_path; }
    std::size_t recordSize() const { return static_cast<std::size_t>(m_recordSize); }

    // The file opened for reading under a shared lock, with a change a dead process left
    // finished first, so that no read sees a record half written.
    Result<BinaryFile> openForReading() const;
    // Complete records only; the bytes of an incomplete last record never count.
    Result<int> count() const;
    // Every span of a record below holds exactly one record (expected may also be empty); any
    // other size is refused as an input/output failure before the file is touched.
    // Fills out from the record at index.
    Status read(int index, std::span<std::uint8_t> out) const;
    // Writes behind the last complete record, creating the file when it is missing; gives the
    // new index. A failed write leaves the file at its old size.
    Result<int> append(std::span<const std::uint8_t> record);
    // With expected bytes, replace and remove refuse (FailureKind::ChangedElsewhere) when the
    // record at index is no longer those bytes: another program moved or changed it since.
    Status replace(int index, std::span<const std::uint8_t> record, std::span<const std::uint8_t> expected = {});
    // Moves every later record down one place and truncates, without a temporary file.
    Status remove(int index, std::span<const std::uint8_t> expected = {});
    // Creates the file, or empties an existing one.
    Status create();

private:
    // Refuses spans that do not hold one record; an empty one passes when it may be empty.
    Status checkRecordSize(std::span<const std::uint8_t> record, bool mayBeEmpty = false) const;
    // The file opened for a change, locked, with any change a dead process left finished.
    Result<BinaryFile> openForChange(BinaryFile::Mode mode) const;
    Result<std::vector<std::uint8_t>> readExpected(const BinaryFile& file, int index,
                                                   std::span<const std::uint8_t> expected) const;
    // Moves records from the journal's progress on down one place and truncates.
    Status moveDown(BinaryFile& file, RecordJournal& journal, const JournalEntry& entry) const;
    // Undoes a remove that stopped at position progress, putting removed back at its index.
    Status moveBack(BinaryFile& file, RecordJournal& journal, const JournalEntry& entry, std::int64_t progress,
                    std::span<const std::uint8_t> removed) const;
    std::int64_t offsetOf(std::int64_t index) const { return index * m_recordSize; }
    RecordJournal changeJournal() const { return RecordJournal(m_path, recordSize(), *m_faults); }
    Result<BinaryFile> openLocked(BinaryFile::Mode mode, bool exclusive) const;

    std::filesystem::path m_path;
    std::int64_t m_recordSize;
    LockWait m_wait;
    const FileFaults* m_faults;
};

}  // namespace qm
