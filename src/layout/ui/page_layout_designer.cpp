#include "layout/ui/page_layout_designer.h"

#include "layout/ui/page_designer_window.h"

namespace qm {

std::optional<int> runPageLayoutDesigner(QWidget* parent, PageLayoutListContext& context,
                                         const PageLayoutEditRequest& request)
{
    TDoPages designer(context, request, parent);
    designer.exec();
    return designer.savedIndex();
}

}  // namespace qm
