#include "output/page/box_shape.h"

#include "output/page/object_box.h"

namespace qm {

void DoRect(ReportTarget& target, const PageObject& object, const PageBox& box)
{
    if (object.FillInShape) {
        const auto fill = static_cast<Color>(object.FillColor);
        target.setPenColor(fill);
        target.setBrushColor(fill);
        if (object.kind() == PageObjectKind::Circle)
            target.ellipse(box);
        else
            target.fillRectangle(box);
    }
    drawBorder(target, object, box);
}

}  // namespace qm
