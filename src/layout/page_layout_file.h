// The page layout file QZFPAGE.DAT: a headerless sequence of PageLayoutRecords in the program
// directory.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "collection/page_layout_record.h"
#include "common/record_file.h"
#include "common/result.h"

namespace qm {

inline constexpr const char* kPageLayoutFileName = "QZFPAGE.DAT";

// A file holding more records than this is listed only up to here.
inline constexpr int kMaxPageLayouts = 10000;

// What a list shows of one record, read from its header alone.
struct PageLayoutHeading {
    std::string Name;       // Windows-1252 bytes
    std::string PaperName;  // Windows-1252 bytes
    double PageWidth = 0;
    double PageHeight = 0;
};

class PageLayoutFile {
public:
    explicit PageLayoutFile(std::filesystem::path path) : m_path(std::move(path)) {}
    static PageLayoutFile inDirectory(const std::filesystem::path& directory)
    {
        return PageLayoutFile(directory / kPageLayoutFileName);
    }

    const std::filesystem::path& path() const { return m_path; }

    // The headings of the complete records in file order. A file that cannot be opened gives
    // the failure; a read that fails part way ends the list with what was read.
    Result<std::vector<PageLayoutHeading>> ListLayouts() const;
    Result<int> recordCount() const { return records().count(); }

    Result<PageLayoutRecord> ReadLayout(int index) const;
    // Writes behind the last complete record, creating the file when it is missing; gives the
    // new index.
    Result<int> AppendLayout(const PageLayoutRecord& layout);
    Status ReplaceLayout(int index, const PageLayoutRecord& layout);
    // Every later record moves down one place.
    Status DeleteLayout(int index);

private:
    FixedRecordFile records() const { return FixedRecordFile(m_path, kPageLayoutSize); }

    std::filesystem::path m_path;
};

// The layout a new puzzle gets: record index of QZFPAGE.DAT in the program directory, record 0
// when index is negative or not below the record count, the built-in layout when the file
// cannot be opened or read or holds no record.
PageLayoutRecord LoadPageLayout(const std::filesystem::path& programDirectory, int index);

}  // namespace qm
