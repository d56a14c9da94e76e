// The JSON form of a page file: the sheet and every drawing operation in order, with its
// coordinates in inches, its font and its colours, for inspection and tests.
#pragma once

#include "cli/cli_support.h"
#include "output/page/page_file.h"

namespace qm::cli {

// {"paper_code", "orientation", "width_in", "height_in", "operations": [{"op": ..., ...}]};
// colours are "#RRGGBB", texts UTF-8, boxes {"left", "top", "right", "bottom"}.
Json pageFileJson(const PageFile& page);

}  // namespace qm::cli
