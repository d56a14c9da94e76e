// The hand-over from the layout list to the designer that edits one layout.
#pragma once

#include <optional>

#include "collection/page_layout_record.h"
#include "layout/layout_settings.h"
#include "layout/page_designer.h"

class QWidget;

namespace qm {

struct PageLayoutListContext;

struct PageLayoutEditRequest {
    LayoutEditMode mode = LayoutEditMode::New;
    PageLayoutRecord layout;  // Modify, Copy: the record to start from
    int recordIndex = -1;     // Modify: the record to overwrite
};

// What the designer leaves for the layout list.
struct PageLayoutDesignResult {
    std::optional<int> savedIndex;  // the record it saved; nothing when it did not save
    PageLayoutSettings settings;    // the list's settings with the zoom and the window place it was left at
};

// Runs the designer on the request. It appends (New, Copy) or overwrites the record (Modify)
// itself; the settings of the context are where it opens.
PageLayoutDesignResult runPageLayoutDesigner(QWidget* parent, const PageLayoutListContext& context,
                                             const PageLayoutEditRequest& request);

}  // namespace qm
