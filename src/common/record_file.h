// A headerless file of fixed-size records: identity is the 0-based index, records are appended,
// rewritten in place, and deleted by moving every later record down one place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

#include "common/result.h"

namespace qm {

class FixedRecordFile {
public:
    FixedRecordFile(std::filesystem::path path, std::size_t recordSize)
        : m_path(std::move(path)),
          m_recordSize(static_cast<std::int64_t>(recordSize))
    {
    }

    const std::filesystem::path& path() const { return m_path; }
    std::size_t recordSize() const { return static_cast<std::size_t>(m_recordSize); }

    // Complete records only; the bytes of an incomplete last record never count.
    Result<int> count() const;
    // Fills out (one record) from the record at index.
    Status read(int index, std::span<std::uint8_t> out) const;
    // Writes behind the last complete record, creating the file when it is missing; gives the
    // new index. A failed write leaves the file at its old size.
    Result<int> append(std::span<const std::uint8_t> record);
    Status replace(int index, std::span<const std::uint8_t> record);
    // Moves every later record down one place and truncates, without a temporary file.
    Status remove(int index);
    // Creates the file, or empties an existing one.
    Status create();

private:
    std::filesystem::path m_path;
    std::int64_t m_recordSize;
};

}  // namespace qm
