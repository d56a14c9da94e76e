// The page layout file QZFPAGE.DAT: a headerless sequence of PageLayoutRecords in the program
// directory, and what the layout list, its transfers and its commands need to know of a layout.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "collection/page_layout_record.h"
#include "layout/record_kind.h"
#include "common/result.h"
#include "layout/page_layout_exchange_file.h"
#include "layout/page_layout_messages.h"
#include "layout/typed_record_file.h"

namespace qm {

inline constexpr const char* kPageLayoutFileName = "QZFPAGE.DAT";

// What a list shows of one record, read from its header alone.
struct PageLayoutHeading {
    std::string Name;       // Windows-1252 bytes
    std::string PaperName;  // Windows-1252 bytes
    double PageWidth = 0;
    double PageHeight = 0;
};

// The page layout as one record type of a typed record file and its list.
struct PageLayoutKind {
    using Record = PageLayoutRecord;
    using Heading = PageLayoutHeading;

    // A file holding more than 10,000 records is listed only up to there.
    static constexpr RecordFileFacts Facts{kPageLayoutFileName, "page layout file", "layouts", kPageLayoutSize,
                                           kPageLayoutHeaderSize, 10000, 20};

    static Heading readHeading(std::span<const std::uint8_t, Facts.headingSize> header);
    // The record, and the .PAG exchange file.
    static constexpr auto decode = &decodePageLayout;
    static constexpr auto encode = &encodePageLayout;
    static constexpr auto writeExchangeFile = &writePageLayoutExchangeFile;
    static constexpr auto readExchangeFile = &readPageLayoutExchangeFile;
    static Heading headingOf(const Record& layout);
    // "Worksheet (Letter)", "Poster (Custom 22" x 34")"; the list adds the default mark.
    static std::string entryText(const Heading& heading);

    static constexpr const RecordMessages& Messages = PageLayoutMessages::List;
};

using PageLayoutFile = TypedRecordFile<PageLayoutKind>;
extern template class TypedRecordFile<PageLayoutKind>;

// The layout a new puzzle gets: record index of QZFPAGE.DAT in the program directory, record 0
// when index is negative or not below the record count, the built-in layout when the file
// cannot be opened or read or holds no record.
PageLayoutRecord LoadPageLayout(const std::filesystem::path& programDirectory, int index);

}  // namespace qm
