#include "output/page/bitmap_object.h"

#include <algorithm>
#include <cmath>

#include "output/page/object_box.h"

namespace qm {
namespace {

// Tiles are made larger when the sheet would need more than this many across or down.
constexpr double kMaxTilesAlong = 100;

void drawTiles(ReportTarget& target, const std::string& path, const PageBox& box)
{
    const double sheetWidth = target.pageWidth();
    const double sheetHeight = target.pageHeight();
    const double tileWidth = std::max(box.width(), sheetWidth / kMaxTilesAlong);
    const double tileHeight = std::max(box.height(), sheetHeight / kMaxTilesAlong);
    const int columns = static_cast<int>(std::ceil(sheetWidth / tileWidth));
    const int rows = static_cast<int>(std::ceil(sheetHeight / tileHeight));
    for (int r = 0; r < rows; ++r)
        for (int t = 0; t < columns; ++t)
            target.drawBitmap(path, {t * tileWidth, r * tileHeight, (t + 1) * tileWidth, (r + 1) * tileHeight});
}

}  // namespace

void DoBitmap(ReportTarget& target, const PageObject& object, const PageBox& box,
              const std::optional<std::filesystem::path>& picture)
{
    if (picture) {
        if (object.TileBitmap())
            drawTiles(target, picture->string(), box);
        else
            target.drawBitmap(picture->string(), box);
    }
    drawBorder(target, object, box);
}

}  // namespace qm
