#include "layout/ui/page_thumbnail_widget.h"

#include "layout/gui/page_thumbnail.h"

namespace qm {

void drawThumbnail(QPainter& painter, const QRect& area, const PageLayoutRecord& layout, const QColor& buttonFace)
{
    DrawTheBox(painter, area, layout, buttonFace);
}

}  // namespace qm
