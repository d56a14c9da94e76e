#include "layout/page_layout_exchange_file.h"

#include <array>

#include "common/exchange_file.h"

namespace qm {
namespace {

constexpr ExchangeFormat kPageLayoutExchange{"PAG", "1.0", kPageLayoutSize};

}  // namespace

Status writePageLayoutExchangeFile(const std::filesystem::path& path, const PageLayoutRecord& layout,
                                   const FileFaults& faults)
{
    std::array<std::uint8_t, kPageLayoutSize> image{};
    encodePageLayout(layout, image);
    return writeExchangeFile(path, kPageLayoutExchange, image, faults);
}

Result<PageLayoutRecord> readPageLayoutExchangeFile(const std::filesystem::path& path, const FileFaults& faults)
{
    auto image = readExchangeFile(path, kPageLayoutExchange, faults);
    if (!image) return image.failure();
    return decodePageLayout(PageLayoutImage(image->data(), kPageLayoutSize));
}

}  // namespace qm
