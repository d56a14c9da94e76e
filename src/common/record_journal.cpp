#include "common/record_journal.h"

#include <algorithm>
#include <array>
#include <string>

namespace qm {
namespace {

// "QMJOURN1", kind, record size, index, count, progress (little-endian 64-bit), then the record.
constexpr std::array<std::uint8_t, 8> kSignature = {'Q', 'M', 'J', 'O', 'U', 'R', 'N', '1'};
constexpr std::size_t kKindOffset = 8;
constexpr std::size_t kRecordSizeOffset = 16;
constexpr std::size_t kIndexOffset = 24;
constexpr std::size_t kCountOffset = 32;
constexpr std::size_t kProgressOffset = 40;
constexpr std::size_t kHeaderSize = 48;

void putU64(std::span<std::uint8_t> bytes, std::size_t offset, std::uint64_t value)
{
    for (int i = 0; i < 8; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint64_t getU64(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | bytes[offset + i];
    return value;
}

bool isWhole(const JournalEntry& entry, std::size_t recordSize)
{
    const bool kindKnown = entry.kind == JournalEntry::Kind::Replace || entry.kind == JournalEntry::Kind::Remove;
    return kindKnown && entry.index >= 0 && entry.index < entry.count && entry.progress >= entry.index &&
           entry.progress < entry.count &&
           entry.record.size() == (entry.kind == JournalEntry::Kind::Replace ? recordSize : 0);
}

}  // namespace

RecordJournal::RecordJournal(const std::filesystem::path& recordFile, std::size_t recordSize, const FileFaults& faults)
    : m_recordFile(recordFile),
      m_path(recordFile.string() + ".journal"),
      m_recordSize(recordSize),
      m_faults(faults)
{
}

Status RecordJournal::begin(const JournalEntry& entry)
{
    std::string image(kHeaderSize + entry.record.size(), '\0');
    const std::span<std::uint8_t> bytes(reinterpret_cast<std::uint8_t*>(image.data()), image.size());
    std::copy(kSignature.begin(), kSignature.end(), bytes.begin());
    putU64(bytes, kKindOffset, static_cast<std::uint64_t>(entry.kind));
    putU64(bytes, kRecordSizeOffset, m_recordSize);
    putU64(bytes, kIndexOffset, static_cast<std::uint64_t>(entry.index));
    putU64(bytes, kCountOffset, static_cast<std::uint64_t>(entry.count));
    putU64(bytes, kProgressOffset, static_cast<std::uint64_t>(entry.progress));
    std::copy(entry.record.begin(), entry.record.end(), bytes.begin() + kHeaderSize);
    if (auto written = writeFileAtomically(m_path, image, m_faults); !written) {
        // A journal whose folder could not be flushed may be in place all the same.
        end();
        return ofRecordFile(written.failure());
    }
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadWrite, m_faults);
    if (!file) {
        end();
        return ofRecordFile(file.failure());
    }
    m_file = std::move(*file);
    return {};
}

bool RecordJournal::isLeft() const
{
    std::error_code missing;
    return std::filesystem::exists(m_path, missing);
}

Result<std::optional<JournalEntry>> RecordJournal::readLeftOver()
{
    if (!isLeft()) return std::optional<JournalEntry>();
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadWrite, m_faults);
    if (!file) return ofRecordFile(file.failure());
    auto size = file->size();
    if (!size) return ofRecordFile(size.failure());
    std::vector<std::uint8_t> image(
        static_cast<std::size_t>(std::min<std::int64_t>(*size, kHeaderSize + m_recordSize)));
    if (auto read = file->readExact(0, image); !read) return ofRecordFile(read.failure());
    if (image.size() < kHeaderSize || !std::equal(kSignature.begin(), kSignature.end(), image.begin()) ||
        getU64(image, kRecordSizeOffset) != m_recordSize) {
        end();
        return std::optional<JournalEntry>();
    }
    JournalEntry entry;
    entry.kind = static_cast<JournalEntry::Kind>(getU64(image, kKindOffset));
    entry.index = static_cast<std::int64_t>(getU64(image, kIndexOffset));
    entry.count = static_cast<std::int64_t>(getU64(image, kCountOffset));
    entry.progress = static_cast<std::int64_t>(getU64(image, kProgressOffset));
    entry.record.assign(image.begin() + kHeaderSize, image.end());
    if (!isWhole(entry, m_recordSize)) {
        end();
        return std::optional<JournalEntry>();
    }
    m_file = std::move(*file);
    return std::optional<JournalEntry>(std::move(entry));
}

Status RecordJournal::markProgress(std::int64_t position)
{
    m_progress = position;
    std::array<std::uint8_t, 8> bytes{};
    putU64(bytes, 0, static_cast<std::uint64_t>(position));
    if (auto written = m_file->writeAll(kProgressOffset, bytes); !written) return ofRecordFile(written.failure());
    return {};
}

Failure RecordJournal::ofRecordFile(Failure failure) const
{
    failure.path = m_recordFile;
    return failure;
}

void RecordJournal::end()
{
    m_file.reset();
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
}

}  // namespace qm
