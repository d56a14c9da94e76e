// How the windows of other parts choose a puzzle's page layout: through a function the program's
// links hand them, which opens the layout list and stores what it changed in the settings.
#pragma once

#include <functional>
#include <optional>

#include "collection/page_layout_record.h"

class QWidget;

namespace qm {

// Shows the page of a sample puzzle on a layout in the designer, before it is saved.
using LayoutPreview = std::function<void(QWidget* parent, const PageLayoutRecord& layout)>;

// Opens the layout list on the layout the puzzle has now; gives the layout Select chose, or
// nothing when the list was closed. preview is the designer's Preview; it may be empty.
using PageLayoutChooser = std::function<std::optional<PageLayoutRecord>(
    QWidget* parent, const PageLayoutRecord& current, const LayoutPreview& preview)>;

}  // namespace qm
