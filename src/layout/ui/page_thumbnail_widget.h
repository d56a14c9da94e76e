// A page layout thumbnail as a control (the Img of the layout list, the layout panel of the
// word list editor and of the print options): shows a layout, or only the button face.
#pragma once

#include "collection/page_layout_record.h"
#include "layout/ui/record_thumbnail_widget.h"

namespace qm {

void drawThumbnail(QPainter& painter, const QRect& area, const PageLayoutRecord& layout, const QColor& buttonFace);

class PageThumbnailWidget : public TypedThumbnailWidget<PageLayoutRecord> {
public:
    using TypedThumbnailWidget::TypedThumbnailWidget;
};

}  // namespace qm
