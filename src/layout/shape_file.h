// The shape file QZFLAY.DAT: a headerless sequence of ShapeRecords in the program directory,
// and what the shape list, its transfers and its commands need to know of a shape.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "layout/record_kind.h"
#include "common/result.h"
#include "layout/shape_exchange_file.h"
#include "layout/shape_messages.h"
#include "layout/shape_record.h"
#include "layout/typed_record_file.h"

namespace qm {

inline constexpr const char* kShapeFileName = "QZFLAY.DAT";

// What a list shows of one record.
struct ShapeHeading {
    std::string Name;  // Windows-1252 bytes
    int Width = 0;     // clamped to 0..50
    int Height = 0;
};

// The shape as one record type of a typed record file and its list.
struct ShapeKind {
    using Record = ShapeRecord;
    using Heading = ShapeHeading;

    // At most 100,000 records: an index at or above would be taken for the <Current Puzzle>
    // entry of a list (CurrentPuzzleTag).
    static constexpr RecordFileFacts Facts{kShapeFileName, "shape file", "shapes", ShapeRecord::kSize,
                                           ShapeRecordOffsets::Mask, 100000, 50};

    static Heading readHeading(std::span<const std::uint8_t, Facts.headingSize> heading);
    static Record decode(std::span<const std::uint8_t, Facts.recordSize> image);
    static constexpr auto encode = &encodeShapeRecord;
    static Heading headingOf(const Record& shape);
    // "30x30 New Layout": width, "x", height, a blank and the name.
    static std::string entryText(const Heading& heading);

    static constexpr const RecordMessages& Messages = ShapeMessages::List;
    // The .LAY exchange file.
    static constexpr auto writeExchangeFile = &writeShapeExchangeFile;
    static constexpr auto readExchangeFile = &readShapeExchangeFile;
};

using ShapeFile = TypedRecordFile<ShapeKind>;
extern template class TypedRecordFile<ShapeKind>;

}  // namespace qm
