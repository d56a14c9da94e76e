#include "layout/shape_exchange_file.h"

#include <array>

#include "common/exchange_file.h"

namespace qm {
namespace {

constexpr ExchangeFormat kShapeExchange{"LAY", "1.0", ShapeRecord::kSize};

}  // namespace

Status writeShapeExchangeFile(const std::filesystem::path& path, const ShapeRecord& shape, const FileFaults& faults)
{
    std::array<std::uint8_t, ShapeRecord::kSize> image{};
    encodeShapeRecord(shape, image);
    return writeExchangeFile(path, kShapeExchange, image, faults);
}

Result<ShapeRecord> readShapeExchangeFile(const std::filesystem::path& path, const FileFaults& faults)
{
    auto image = readExchangeFile(path, kShapeExchange, faults);
    if (!image) return image.failure();
    ShapeRecord shape;
    decodeShapeRecord(std::span<const std::uint8_t, ShapeRecord::kSize>(image->data(), ShapeRecord::kSize), shape);
    return shape;
}

}  // namespace qm
