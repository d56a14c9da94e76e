#include "layout/ui/record_thumbnail_widget.h"

#include <QPainter>

namespace qm {

void RecordThumbnailWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor face = palette().color(QPalette::Button);
    if (showsRecord())
        drawRecord(painter, face);
    else
        painter.fillRect(rect(), face);
}

}  // namespace qm
