#include "common/record_file.h"

#include <vector>

#include "common/binary_file.h"

namespace qm {
namespace {

Failure noSuchRecord(const std::filesystem::path& path, int index)
{
    return Failure{FailureKind::NoSuchRecord, path, "there is no record number " + std::to_string(index) + " in it"};
}

}  // namespace

Result<int> FixedRecordFile::count() const
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadOnly);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    return static_cast<int>(*size / m_recordSize);
}

Status FixedRecordFile::read(int index, std::span<std::uint8_t> out) const
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadOnly);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    if (index < 0 || index >= *size / m_recordSize) return noSuchRecord(m_path, index);
    return file->readExact(index * m_recordSize, out.first(recordSize()));
}

Result<int> FixedRecordFile::append(std::span<const std::uint8_t> record)
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadWriteCreate);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    const std::int64_t count = *size / m_recordSize;
    if (auto written = file->writeAll(count * m_recordSize, record.first(recordSize())); !written) {
        (void)file->truncate(*size);
        return written.failure();
    }
    if (auto closed = file->close(); !closed) return closed.failure();
    return static_cast<int>(count);
}

Status FixedRecordFile::replace(int index, std::span<const std::uint8_t> record)
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadWrite);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    if (index < 0 || index >= *size / m_recordSize) return noSuchRecord(m_path, index);
    if (auto written = file->writeAll(index * m_recordSize, record.first(recordSize())); !written) return written;
    return file->close();
}

Status FixedRecordFile::remove(int index)
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadWrite);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    const std::int64_t count = *size / m_recordSize;
    if (index < 0 || index >= count) return noSuchRecord(m_path, index);
    std::vector<std::uint8_t> buffer(recordSize());
    for (std::int64_t j = index + 1; j < count; ++j) {
        if (auto read = file->readExact(j * m_recordSize, buffer); !read) return read;
        if (auto written = file->writeAll((j - 1) * m_recordSize, buffer); !written) return written;
    }
    if (auto cut = file->truncate((count - 1) * m_recordSize); !cut) return cut;
    return file->close();
}

Status FixedRecordFile::create()
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::CreateTruncate);
    if (!file) return file.failure();
    return file->close();
}

}  // namespace qm
