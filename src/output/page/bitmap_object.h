// Bitmap objects: a picture stretched into its box, or tiled over the whole sheet.
#pragma once

#include <filesystem>
#include <optional>

#include "collection/page_layout_record.h"
#include "output/page/report_target.h"

namespace qm {

// The picture, when there is one, stretched into the box; with Tile Bitmap, tiles of the box's
// size from the sheet's top-left corner covering the whole sheet. Then the border.
void DoBitmap(ReportTarget& target, const PageObject& object, const PageBox& box,
              const std::optional<std::filesystem::path>& picture);

}  // namespace qm
