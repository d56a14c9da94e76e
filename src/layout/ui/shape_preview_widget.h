// The preview image of a shape list (LayoutImage): shows a shape, or only the button face.
#pragma once

#include "layout/shape_record.h"
#include "layout/ui/record_thumbnail_widget.h"

namespace qm {

// The shape drawn in the top left of area, its cells as large as fit.
void drawThumbnail(QPainter& painter, const QRect& area, const ShapeRecord& shape, const QColor& buttonFace);

class ShapePreviewWidget : public TypedThumbnailWidget<ShapeRecord> {
public:
    using TypedThumbnailWidget::TypedThumbnailWidget;
};

}  // namespace qm
