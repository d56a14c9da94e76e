#include "layout/ui/page_layout_designer.h"

#include "layout/ui/page_layout_list_window.h"

namespace qm {

// The designer window is not built yet: the user is told so, and nothing is saved.
std::optional<int> runPageLayoutDesigner(QWidget* /*parent*/, PageLayoutListContext& context,
                                         const PageLayoutEditRequest& /*request*/)
{
    context.dialogs.message("Notice", "The page layout designer is not available in this version yet.",
                            MessageButton::Ok, MessageIcon::Information);
    return std::nullopt;
}

}  // namespace qm
