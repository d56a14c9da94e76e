#include "layout/default_page_layout.h"

namespace qm {

std::array<std::uint8_t, kPageLayoutSize> loadDefaultPageLayout(const std::filesystem::path& /*programDirectory*/,
                                                                int /*defaultPage*/)
{
    // The page layout file and the built-in layout do not exist yet: until they do, a new
    // puzzle gets an all-zero layout block (no page objects).
    return {};
}

}  // namespace qm
