#include "output/page/object_box.h"

#include <algorithm>

namespace qm {

PageBox objectBox(const PageObject& object, double scale)
{
    const PageBounds& b = object.Bounds;
    return {std::min(b.Left, b.Right) * scale, std::min(b.Top, b.Bottom) * scale, std::max(b.Left, b.Right) * scale,
            std::max(b.Top, b.Bottom) * scale};
}

double alignedX(const PageObject& object, const PageBox& box, double textWidth)
{
    switch (object.Alignment) {
    case 2:
        return box.left + (box.width() - textWidth) / 2;
    case 3:
        return box.left + box.width() - textWidth;
    default:
        return box.left;
    }
}

PageBox pixelInset(const ReportTarget& target, const PageBox& box, int pixels)
{
    return {target.fromPixels(target.toPixels(box.left) + pixels), target.fromPixels(target.toPixels(box.top) + pixels),
            target.fromPixels(target.toPixels(box.right) - pixels),
            target.fromPixels(target.toPixels(box.bottom) - pixels)};
}

void drawBoxOutline(ReportTarget& target, const PageBox& box)
{
    target.moveTo({box.left, box.top});
    target.lineTo({box.right, box.top});
    target.lineTo({box.right, box.bottom});
    target.lineTo({box.left, box.bottom});
    target.lineTo({box.left, box.top});
}

void drawEllipseOutline(ReportTarget& target, const PageBox& box)
{
    const double middle = (box.top + box.bottom) / 2;
    const PagePoint left{box.left, middle};
    const PagePoint right{box.right, middle};
    target.arc(box, right, left);
    target.arc(box, left, right);
}

void drawBorder(ReportTarget& target, const PageObject& object, const PageBox& box)
{
    const int width = std::min<int>(object.BorderWidth, kMaxLineWidthPixels);
    if (!object.UseBorder || width <= 0) return;
    const bool circle = object.kind() == PageObjectKind::Circle;
    target.setPenColor(static_cast<Color>(object.BorderColor));
    for (int k = 0; k < width; ++k) {
        const PageBox grown = pixelInset(target, box, -k);
        if (circle)
            drawEllipseOutline(target, grown);
        else
            drawBoxOutline(target, grown);
    }
}

}  // namespace qm
