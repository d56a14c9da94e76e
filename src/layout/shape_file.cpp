#include "layout/shape_file.h"

#include "common/byte_codec.h"
#include "common/text_rules.h"

namespace qm {

ShapeHeading ShapeKind::readHeading(std::span<const std::uint8_t, Facts.headingSize> heading)
{
    const ByteReader in(heading);
    StoredText<50> name;
    in.text(ShapeRecordOffsets::Name, name);
    return ShapeHeading{name.text(), usedShapeSize(in.i16(ShapeRecordOffsets::Width)),
                        usedShapeSize(in.i16(ShapeRecordOffsets::Height))};
}

ShapeRecord ShapeKind::decode(std::span<const std::uint8_t, Facts.recordSize> image)
{
    ShapeRecord shape;
    decodeShapeRecord(image, shape);
    return shape;
}

ShapeHeading ShapeKind::headingOf(const ShapeRecord& shape)
{
    return ShapeHeading{shape.Name.text(), shape.usedWidth(), shape.usedHeight()};
}

std::string ShapeKind::entryText(const ShapeHeading& heading)
{
    return std::to_string(heading.Width) + "x" + std::to_string(heading.Height) + " " + heading.Name;
}

template class TypedRecordFile<ShapeKind>;

}  // namespace qm
