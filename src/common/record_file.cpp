#include "common/record_file.h"

#include <algorithm>

namespace qm {
namespace {

Failure noSuchRecord(const std::filesystem::path& path, int index)
{
    return Failure{FailureKind::NoSuchRecord, path, "there is no record number " + std::to_string(index) + " in it"};
}

Result<std::int64_t> recordCount(const BinaryFile& file, std::int64_t recordSize)
{
    auto size = file.size();
    if (!size) return size.failure();
    return *size / recordSize;
}

// Whether the file is in a state the journal's change can have left: a replace needs its record,
// a remove the records it counted (or one fewer once the last step, the cut, has begun).
bool fitsTheFile(const JournalEntry& entry, std::int64_t count)
{
    if (entry.kind == JournalEntry::Kind::Replace) return entry.index < count;
    return count == entry.count || (count == entry.count - 1 && entry.progress == entry.count - 1);
}

}  // namespace

Result<BinaryFile> FixedRecordFile::openLocked(BinaryFile::Mode mode, bool exclusive) const
{
    auto file = BinaryFile::open(m_path, mode, *m_faults);
    if (!file) return file.failure();
    if (auto locked = file->lock(exclusive, m_wait); !locked) return locked.failure();
    return file;
}

Status FixedRecordFile::checkRecordSize(std::span<const std::uint8_t> record, bool mayBeEmpty) const
{
    if (record.size() == recordSize() || (mayBeEmpty && record.empty())) return {};
    return Failure{FailureKind::Io, m_path,
                   "a record of " + std::to_string(record.size()) + " bytes does not fit its records of " +
                       std::to_string(recordSize())};
}

Result<BinaryFile> FixedRecordFile::openForReading() const
{
    {
        auto file = openLocked(BinaryFile::Mode::ReadOnly, false);
        if (!file) return file.failure();
        // Changes keep their journal only while they hold the exclusive lock: one seen under the
        // shared lock was left by a change that died. The shared lock goes before the exclusive
        // one is asked for, or this program would wait for itself.
        if (!changeJournal().isLeft()) return file;
    }
    auto finished = openForChange(BinaryFile::Mode::ReadWrite);
    if (!finished) return finished.failure();
    if (auto closed = finished->close(); !closed) return closed.failure();
    return openLocked(BinaryFile::Mode::ReadOnly, false);
}

Result<int> FixedRecordFile::count() const
{
    auto file = openForReading();
    if (!file) return file.failure();
    auto count = recordCount(*file, m_recordSize);
    if (!count) return count.failure();
    return static_cast<int>(*count);
}

Status FixedRecordFile::read(int index, std::span<std::uint8_t> out) const
{
    if (auto fits = checkRecordSize(out); !fits) return fits;
    auto file = openForReading();
    if (!file) return file.failure();
    auto count = recordCount(*file, m_recordSize);
    if (!count) return count.failure();
    if (index < 0 || index >= *count) return noSuchRecord(m_path, index);
    return file->readExact(offsetOf(index), out);
}

Result<BinaryFile> FixedRecordFile::openForChange(BinaryFile::Mode mode) const
{
    auto file = openLocked(mode, true);
    if (!file) return file.failure();
    RecordJournal journal = changeJournal();
    auto left = journal.readLeftOver();
    if (!left) return left.failure();
    if (!*left) return file;
    const JournalEntry& entry = **left;
    auto count = recordCount(*file, m_recordSize);
    if (!count) return count.failure();
    if (!fitsTheFile(entry, *count)) {
        // A journal left beside another state of the file (a copy put back, say) is not followed:
        // it would move records that are not the ones it describes, or fail every change.
        journal.end();
        return file;
    }
    Status finished;
    if (entry.kind == JournalEntry::Kind::Replace) {
        finished = file->writeAll(offsetOf(entry.index), entry.record);
        if (finished) finished = file->sync();
    } else {
        finished = moveDown(*file, journal, entry);
    }
    if (!finished) return finished.failure();
    journal.end();
    return file;
}

Result<std::vector<std::uint8_t>> FixedRecordFile::readExpected(const BinaryFile& file, int index,
                                                                std::span<const std::uint8_t> expected) const
{
    auto count = recordCount(file, m_recordSize);
    if (!count) return count.failure();
    const Failure changed{FailureKind::ChangedElsewhere, m_path, "the record was changed by another program"};
    // A record that was read before and is now past the end was moved by another program.
    if (index < 0 || index >= *count) return expected.empty() ? noSuchRecord(m_path, index) : changed;
    std::vector<std::uint8_t> current(recordSize());
    if (auto read = file.readExact(offsetOf(index), current); !read) return read.failure();
    if (!expected.empty() && !std::equal(current.begin(), current.end(), expected.begin(), expected.end()))
        return changed;
    return current;
}

Result<int> FixedRecordFile::append(std::span<const std::uint8_t> record)
{
    if (auto fits = checkRecordSize(record); !fits) return fits.failure();
    auto file = openForChange(BinaryFile::Mode::ReadWriteCreate);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    const std::int64_t count = *size / m_recordSize;
    Status written = file->writeAll(offsetOf(count), record);
    if (written) written = file->sync();
    if (!written) {
        // Even when the cut fails too, a partial last record is never read and the next append overwrites it.
        (void)file->truncate(*size);
        return written.failure();
    }
    if (auto closed = file->close(); !closed) return closed.failure();
    return static_cast<int>(count);
}

Status FixedRecordFile::replace(int index, std::span<const std::uint8_t> record, std::span<const std::uint8_t> expected)
{
    if (auto fits = checkRecordSize(record); !fits) return fits;
    if (auto fits = checkRecordSize(expected, true); !fits) return fits;
    auto file = openForChange(BinaryFile::Mode::ReadWrite);
    if (!file) return file.failure();
    auto old = readExpected(*file, index, expected);
    if (!old) return old.failure();
    RecordJournal journal = changeJournal();
    const JournalEntry entry{JournalEntry::Kind::Replace, index, *recordCount(*file, m_recordSize), index,
                             std::vector<std::uint8_t>(record.begin(), record.end())};
    if (auto begun = journal.begin(entry); !begun) return begun;
    Status written = file->writeAll(offsetOf(index), record);
    if (written) written = file->sync();
    if (!written) {
        // Put the old record back; should that fail too, the journal finishes the new one later.
        if (file->writeAll(offsetOf(index), *old) && file->sync()) journal.end();
        return written;
    }
    journal.end();
    return file->close();
}

Status FixedRecordFile::remove(int index, std::span<const std::uint8_t> expected)
{
    if (auto fits = checkRecordSize(expected, true); !fits) return fits;
    auto file = openForChange(BinaryFile::Mode::ReadWrite);
    if (!file) return file.failure();
    auto removed = readExpected(*file, index, expected);
    if (!removed) return removed.failure();
    RecordJournal journal = changeJournal();
    JournalEntry entry{JournalEntry::Kind::Remove, index, *recordCount(*file, m_recordSize), index, {}};
    if (auto begun = journal.begin(entry); !begun) return begun;
    if (auto moved = moveDown(*file, journal, entry); !moved) {
        // Whatever moved goes back; should that fail too, the journal finishes the delete later.
        if (moveBack(*file, journal, entry, journal.progress(), *removed)) journal.end();
        return moved;
    }
    journal.end();
    return file->close();
}

Status FixedRecordFile::moveDown(BinaryFile& file, RecordJournal& journal, const JournalEntry& entry) const
{
    std::vector<std::uint8_t> buffer(recordSize());
    for (std::int64_t position = entry.progress; position < entry.count - 1; ++position) {
        if (auto marked = journal.markProgress(position); !marked) return marked;
        if (auto read = file.readExact(offsetOf(position + 1), buffer); !read) return read;
        if (auto written = file.writeAll(offsetOf(position), buffer); !written) return written;
    }
    if (auto marked = journal.markProgress(entry.count - 1); !marked) return marked;
    if (auto cut = file.truncate(offsetOf(entry.count - 1)); !cut) return cut;
    return file.sync();
}

Status FixedRecordFile::moveBack(BinaryFile& file, RecordJournal& journal, const JournalEntry& entry,
                                 std::int64_t progress, std::span<const std::uint8_t> removed) const
{
    // Records in front of progress have moved down, those behind it have not: going back from
    // progress to the index restores every one of them.
    std::vector<std::uint8_t> buffer(recordSize());
    for (std::int64_t position = progress; position > entry.index; --position) {
        if (auto marked = journal.markProgress(position); !marked) return marked;
        if (auto read = file.readExact(offsetOf(position - 1), buffer); !read) return read;
        if (auto written = file.writeAll(offsetOf(position), buffer); !written) return written;
    }
    if (auto marked = journal.markProgress(entry.index); !marked) return marked;
    if (auto written = file.writeAll(offsetOf(entry.index), removed); !written) return written;
    return file.sync();
}

Status FixedRecordFile::create()
{
    auto file = openLocked(BinaryFile::Mode::ReadWriteCreate, true);
    if (!file) return file.failure();
    changeJournal().end();
    if (auto emptied = file->truncate(0); !emptied) return emptied;
    return file->close();
}

}  // namespace qm
