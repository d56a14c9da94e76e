#include "layout/ui/page_layout_designer.h"

#include "layout/ui/page_designer_window.h"

namespace qm {

PageLayoutDesignResult runPageLayoutDesigner(QWidget* parent, const PageLayoutListContext& context,
                                             const PageLayoutEditRequest& request)
{
    TDoPages designer(context, request, parent);
    designer.exec();
    return {designer.savedIndex(), designer.settings()};
}

}  // namespace qm
