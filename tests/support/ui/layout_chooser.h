// The layout list opened to choose a puzzle's layout as the program's links open it, over
// settings a test holds, for the windows that choose a layout through such a function.
#pragma once

#include <filesystem>

#include "layout/layout_settings.h"
#include "layout/ui/page_layout_choice.h"
#include "layout/ui/page_layout_list_window.h"

namespace qm::test {

// settings take what the list changed, as the program's settings do.
PageLayoutChooser layoutChooser(UserDialogs& dialogs, const UiStyle& style, PageLayoutSettings& settings,
                                std::filesystem::path programDirectory, std::filesystem::path collectionPath,
                                PageListMode mode);

}  // namespace qm::test
