#include "output/metafile/metafile_export.h"

#include "common/binary_file.h"
#include "output/metafile/emf_writer.h"
#include "output/metafile/wmf_writer.h"

namespace qm {

Status SaveMetafile(const PageFile& page, MetafileKind kind, const std::filesystem::path& path,
                    const FileFaults& faults)
{
    return writeFileAtomically(path, kind == MetafileKind::Wmf ? WmfBytes(page) : EmfBytes(page), faults);
}

bool layoutHasBitmaps(const PageLayoutRecord& layout)
{
    for (int k = 0; k < usedObjectCount(layout); ++k)
        if (layout.Objects[k].kind() == PageObjectKind::Bitmap) return true;
    return false;
}

}  // namespace qm
