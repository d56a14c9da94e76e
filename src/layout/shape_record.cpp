#include "layout/shape_record.h"

#include "common/byte_codec.h"

namespace qm {

namespace O = ShapeRecordOffsets;
static_assert(O::Mask + kGridCells == ShapeRecord::kSize);

void decodeShapeRecord(std::span<const std::uint8_t, ShapeRecord::kSize> image, ShapeRecord& shape)
{
    const ByteReader in(image);
    in.text(O::Name, shape.Name);
    shape.Width = in.i16(O::Width);
    shape.Height = in.i16(O::Height);
    in.bytes(O::Mask, shape.Mask);
}

void encodeShapeRecord(const ShapeRecord& shape, std::span<std::uint8_t, ShapeRecord::kSize> image)
{
    ByteWriter out(image);
    out.text(O::Name, shape.Name);
    out.i16(O::Width, shape.Width);
    out.i16(O::Height, shape.Height);
    out.bytes(O::Mask, shape.Mask);
}

ShapeRecord makeNewShape()
{
    ShapeRecord shape;
    shape.Name.assign("New Layout");
    shape.Width = 30;
    shape.Height = 30;
    shape.Mask.fill(1);
    return shape;
}

ShapeRecord shapeOfPuzzle(const PuzzleRecord& puzzle)
{
    ShapeRecord shape;
    shape.Name.assign(kCurrentPuzzleShapeName);
    shape.Width = puzzle.Width;
    shape.Height = puzzle.Height;
    for (int i = 0; i < kGridCells; ++i) shape.Mask[i] = puzzle.Letters[i] != 0 ? 1 : 0;
    return shape;
}

}  // namespace qm
