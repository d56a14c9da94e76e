// Saving the metafile of a page, either kind.
#pragma once

#include <filesystem>

#include "collection/page_layout_record.h"
#include "common/file_faults.h"
#include "common/result.h"
#include "output/page/page_file.h"

namespace qm {

enum class MetafileKind { Wmf, Emf };

// Writes the file whole (the old file stays until the new one is complete). Pictures of the page
// are left out: ask layoutHasBitmaps first to warn.
Status SaveMetafile(const PageFile& page, MetafileKind kind, const std::filesystem::path& path,
                    const FileFaults& faults = noFileFaults());

// True when the layout of the page holds a Bitmap object, whether its picture can be found or
// not: a metafile of the page leaves every one of them out.
bool layoutHasBitmaps(const PageLayoutRecord& layout);

}  // namespace qm
