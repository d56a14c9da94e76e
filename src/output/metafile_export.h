// Saving the metafile of a page, either kind.
#pragma once

#include <filesystem>

#include "common/result.h"
#include "output/page_file.h"

namespace qm {

enum class MetafileKind { Wmf, Emf };

// Writes the file whole (the old file stays until the new one is complete). Pictures of the page
// are left out: ask pageHasBitmaps first to warn.
Status SaveMetafile(const PageFile& page, MetafileKind kind, const std::filesystem::path& path);

}  // namespace qm
