// The hand-over from the layout list to the designer that edits one layout.
#pragma once

#include <optional>

#include "collection/page_layout_record.h"
#include "layout/page_designer.h"

class QWidget;

namespace qm {

struct PageLayoutListContext;

struct PageLayoutEditRequest {
    LayoutEditMode mode = LayoutEditMode::New;
    PageLayoutRecord layout;  // Modify, Copy: the record to start from
    int recordIndex = -1;     // Modify: the record to overwrite
};

// Runs the designer on the request. It appends (New, Copy) or overwrites the record (Modify)
// itself and gives the index of the record it saved, or nothing when it did not save.
std::optional<int> runPageLayoutDesigner(QWidget* parent, PageLayoutListContext& context,
                                         const PageLayoutEditRequest& request);

}  // namespace qm
