#include "layout/shape_file.h"

#include <array>

#include "common/binary_file.h"
#include "common/byte_codec.h"
#include "common/text_rules.h"

namespace qm {
namespace {

using ShapeImage = std::array<std::uint8_t, ShapeRecord::kSize>;
constexpr std::int64_t kRecordSize = ShapeRecord::kSize;

}  // namespace

Result<std::vector<ShapeHeading>> ShapeFile::ListShapes() const
{
    auto file = BinaryFile::open(m_path, BinaryFile::Mode::ReadOnly);
    if (!file) return file.failure();
    auto size = file->size();
    if (!size) return size.failure();
    const std::int64_t count = std::min<std::int64_t>(*size / kRecordSize, kMaxShapes);

    std::vector<ShapeHeading> headings;
    headings.reserve(static_cast<std::size_t>(count));
    std::array<std::uint8_t, ShapeRecordOffsets::Mask> heading{};
    StoredText<50> name;
    for (std::int64_t i = 0; i < count; ++i) {
        if (!file->readExact(i * kRecordSize, heading)) break;
        const ByteReader in(heading);
        in.text(ShapeRecordOffsets::Name, name);
        headings.push_back(ShapeHeading{name.text(), usedShapeSize(in.i16(ShapeRecordOffsets::Width)),
                                        usedShapeSize(in.i16(ShapeRecordOffsets::Height))});
    }
    return headings;
}

Result<ShapeRecord> ShapeFile::ReadShape(int index) const
{
    ShapeImage image{};
    if (auto read = records().read(index, image); !read) return read.failure();
    ShapeRecord shape;
    decodeShapeRecord(image, shape);
    return shape;
}

Result<int> ShapeFile::AppendShape(const ShapeRecord& shape)
{
    auto count = records().count();
    if (count && *count >= kMaxShapes)
        return Failure{FailureKind::Io, m_path, "a shape file holds at most " + groupedNumber(kMaxShapes) + " shapes"};
    ShapeImage image{};
    encodeShapeRecord(shape, image);
    return records().append(image);
}

Status ShapeFile::ReplaceShape(int index, const ShapeRecord& shape)
{
    ShapeImage image{};
    encodeShapeRecord(shape, image);
    return records().replace(index, image);
}

Status ShapeFile::DeleteShape(int index) { return records().remove(index); }

}  // namespace qm
