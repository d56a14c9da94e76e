#include "layout/ui/shape_preview_widget.h"

#include "layout/gui/shape_drawing.h"

namespace qm {

void drawThumbnail(QPainter& painter, const QRect& area, const ShapeRecord& shape, const QColor& buttonFace)
{
    DrawTheBox(painter, area.size(), shape, buttonFace);
}

}  // namespace qm
