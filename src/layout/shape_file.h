// The shape file QZFLAY.DAT: a headerless sequence of ShapeRecords in the program directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/record_file.h"
#include "common/result.h"
#include "layout/shape_record.h"

namespace qm {

inline constexpr const char* kShapeFileName = "QZFLAY.DAT";

// A record index at or above this would be taken for the <Current Puzzle> entry of a list.
inline constexpr int kMaxShapes = 100000;

// What a list shows of one record.
struct ShapeHeading {
    std::string Name;  // Windows-1252 bytes
    int Width = 0;     // clamped to 0..50
    int Height = 0;
};

class ShapeFile {
public:
    explicit ShapeFile(std::filesystem::path path) : m_path(std::move(path)) {}
    static ShapeFile inDirectory(const std::filesystem::path& directory)
    {
        return ShapeFile(directory / kShapeFileName);
    }

    const std::filesystem::path& path() const { return m_path; }

    // The headings of the complete records in file order, reading only the first bytes of
    // each. A file that cannot be opened gives the failure; a read that fails part way ends
    // the list with what was read.
    Result<std::vector<ShapeHeading>> ListShapes() const;
    Result<int> recordCount() const { return records().count(); }

    Result<ShapeRecord> ReadShape(int index) const;
    // Writes behind the last complete record, creating the file when it is missing; gives the
    // new index.
    Result<int> AppendShape(const ShapeRecord& shape);
    Status ReplaceShape(int index, const ShapeRecord& shape);
    // Every later record moves down one place.
    Status DeleteShape(int index);

private:
    FixedRecordFile records() const { return FixedRecordFile(m_path, ShapeRecord::kSize); }

    std::filesystem::path m_path;
};

}  // namespace qm
