// Drawing a shape as a grid of cells: the preview of the shape lists and the editor's grid.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>

#include "layout/shape_record.h"

namespace qm {

// The preview (DrawTheBox): square cells as large as fit, white cells with black grid lines
// on the button face colour, the cells of the shape black.
void DrawTheBox(QPainter& painter, QSize image, const ShapeRecord& shape, const QColor& buttonFace);

// The editor's grid (DrawGrid): cells one pixel smaller than in the preview, so the grid of a
// 401 x 401 image leaves a margin, the cells of the shape red.
void DrawGrid(QPainter& painter, QSize image, const ShapeRecord& shape, const QColor& buttonFace);

// The cell size of the preview; 0 when the shape has no row or column to draw.
int previewCellSize(QSize image, const ShapeRecord& shape);

}  // namespace qm
