// The font the product information dialogs are designed in: Arial at a pixel size of the
// 640 x 480 design, which the style scales.
#pragma once

#include <QFont>

namespace qm {

inline QFont arialPixels(int pixels, bool bold = false)
{
    QFont font("Arial");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace qm
