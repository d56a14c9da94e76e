#include "layout/default_page_layout.h"

#include "layout/page_layout_file.h"

namespace qm {

PageLayoutRecord loadDefaultPageLayout(const std::filesystem::path& programDirectory, int defaultPage)
{
    return LoadPageLayout(programDirectory, defaultPage);
}

}  // namespace qm
