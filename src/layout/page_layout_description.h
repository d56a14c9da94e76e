// Page layouts written as readable text, from which the build makes the starter layout file.
#pragma once

#include <filesystem>
#include <string_view>

#include "collection/page_layout_record.h"
#include "common/result.h"

namespace qm {

// Reads one layout from lines of "Key: value" (blank lines and lines starting with ';' are
// skipped). The page comes first:
//   Name: Worksheet        Paper: Letter          Size: 8.5 x 11 (width x height as printed)
//   Unit: inches | centimetres                    Orientation: portrait | landscape
//   Zoom: 1..3 (the pixel space of the bounds)
// then each object, starting with "Object: Title | Puzzle | Words | Bonus | Text | Bitmap |
// Rectangle | Circle" and taking the designer's defaults for what it does not give:
//   Name: ...              Bounds: left top right bottom (inside the page)
//   Font: Arial            Size: 12               Style: bold italic underline strikeout
//   Color: RRGGBB          Align: left | centre | right                 Columns: 3
//   Border: none | 1..9    Background: transparent | RRGGBB             Grid: yes | no
//   Text: a line of the text of a Text object (repeat the key for more lines)
// Anything else gives BadContent with the line at fault; source names the text in that message.
Result<PageLayoutRecord> parsePageLayoutDescription(std::string_view text, const std::filesystem::path& source);

}  // namespace qm
