#include "layout/gui/shape_drawing.h"

#include <algorithm>

#include "layout/shape_editor.h"

namespace qm {
namespace {

// Lines and cells are filled rectangles with their right and bottom edges left out, so every
// pixel lands where the cell arithmetic of the mouse expects it.
void drawCells(QPainter& painter, QSize image, const ShapeRecord& shape, int cell, const QColor& buttonFace,
               const QColor& cellColour)
{
    painter.fillRect(QRect(QPoint(0, 0), image), buttonFace);
    const int columns = shape.usedWidth();
    const int rows = shape.usedHeight();
    if (cell <= 0) return;
    painter.fillRect(0, 0, columns * cell, rows * cell, Qt::white);
    for (int r = 0; r <= rows; ++r) painter.fillRect(0, r * cell, columns * cell, 1, Qt::black);
    for (int k = 0; k <= columns; ++k) painter.fillRect(k * cell, 0, 1, rows * cell, Qt::black);
    for (int r = 1; r <= rows; ++r)
        for (int k = 1; k <= columns; ++k)
            if (shape.inShape(r, k))
                painter.fillRect((k - 1) * cell + 1, (r - 1) * cell + 1, cell - 1, cell - 1, cellColour);
}

}  // namespace

int previewCellSize(QSize image, const ShapeRecord& shape)
{
    if (shape.usedWidth() < 1 || shape.usedHeight() < 1) return 0;
    return std::min(image.width() / shape.usedWidth(), image.height() / shape.usedHeight());
}

void DrawTheBox(QPainter& painter, QSize image, const ShapeRecord& shape, const QColor& buttonFace)
{
    drawCells(painter, image, shape, previewCellSize(image, shape), buttonFace, Qt::black);
}

void DrawGrid(QPainter& painter, QSize image, const ShapeRecord& shape, const QColor& buttonFace)
{
    const int cell = editorCellSize(image.width(), image.height(), shape.usedWidth(), shape.usedHeight());
    drawCells(painter, image, shape, cell, buttonFace, QColor(0xFF, 0, 0));
}

}  // namespace qm
