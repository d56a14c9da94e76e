// A headerless file of one record type in the program directory (the shape file, the page
// layout file). Kind says what is the type's own: its record and heading, the file name, the
// codec and the most records a list takes.
//
// A Kind gives:
//   Record, Heading; Facts (RecordFileFacts);
//   Heading readHeading(span of Facts.headingSize); Record decode(span of Facts.recordSize);
//   void encode(const Record&, span of Facts.recordSize).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "common/binary_file.h"
#include "common/record_file.h"
#include "common/result.h"
#include "common/text_rules.h"
#include "layout/record_kind.h"

namespace qm {

template <class Kind>
class TypedRecordFile {
public:
    using Record = typename Kind::Record;
    using Heading = typename Kind::Heading;

    // Every file step of a read or a change asks faults first.
    explicit TypedRecordFile(std::filesystem::path path, const FileFaults& faults = noFileFaults())
        : m_path(std::move(path)),
          m_faults(&faults)
    {
    }
    static TypedRecordFile inDirectory(const std::filesystem::path& directory,
                                       const FileFaults& faults = noFileFaults())
    {
        return TypedRecordFile(directory / Kind::Facts.fileName, faults);
    }

    const std::filesystem::path& path() const { return m_path; }
    const FileFaults& faults() const { return *m_faults; }

    // The headings of the complete records in file order (at most Facts.maxRecords), reading only
    // the first bytes of each. A file that cannot be opened gives the failure; a read that
    // fails part way ends the list with what was read.
    Result<std::vector<Heading>> ListRecords() const;
    Result<int> recordCount() const { return records().count(); }

    Result<Record> ReadRecord(int index) const;
    // Writes behind the last complete record, creating the file when it is missing; gives the
    // new index.
    Result<int> AppendRecord(const Record& record);
    Status ReplaceRecord(int index, const Record& record);
    // Every later record moves down one place.
    Status DeleteRecord(int index) { return records().remove(index); }

private:
    using Image = std::array<std::uint8_t, Kind::Facts.recordSize>;
    static constexpr std::int64_t kRecordSize = static_cast<std::int64_t>(Kind::Facts.recordSize);

    FixedRecordFile records() const { return FixedRecordFile(m_path, Kind::Facts.recordSize, {}, *m_faults); }

    std::filesystem::path m_path;
    const FileFaults* m_faults;
};

template <class Kind>
Result<std::vector<typename Kind::Heading>> TypedRecordFile<Kind>::ListRecords() const
{
    // Under the shared lock, with a change that died finished first, so no heading is torn.
    auto file = records().openForReading();
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    const std::int64_t count = std::min<std::int64_t>(*size / kRecordSize, Kind::Facts.maxRecords);

    std::vector<Heading> headings;
    headings.reserve(static_cast<std::size_t>(count));
    std::array<std::uint8_t, Kind::Facts.headingSize> heading{};
    for (std::int64_t i = 0; i < count && file->readExact(i * kRecordSize, heading); ++i)
        headings.push_back(Kind::readHeading(heading));
    return headings;
}

template <class Kind>
Result<typename Kind::Record> TypedRecordFile<Kind>::ReadRecord(int index) const
{
    Image image{};
    if (auto read = records().read(index, image); !read) return read.failure();
    return Kind::decode(image);
}

template <class Kind>
Result<int> TypedRecordFile<Kind>::AppendRecord(const Record& record)
{
    auto count = records().count();
    if (count && *count >= Kind::Facts.maxRecords)
        return Failure{FailureKind::Io, m_path,
                       std::string("a ") + Kind::Facts.fileTitle + " holds at most " +
                           groupedNumber(Kind::Facts.maxRecords) + " " + Kind::Facts.plural};
    Image image{};
    Kind::encode(record, image);
    return records().append(image);
}

template <class Kind>
Status TypedRecordFile<Kind>::ReplaceRecord(int index, const Record& record)
{
    Image image{};
    Kind::encode(record, image);
    return records().replace(index, image);
}

}  // namespace qm
