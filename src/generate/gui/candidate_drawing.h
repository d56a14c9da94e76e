// The picture of one candidate grid: the cells of its shape in white on the button face with
// one-pixel gaps as grid lines, and the letters of its placed words. The candidate chooser and
// the enlarged view draw through here.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

#include "collection/puzzle_record.h"

namespace qm {

// The cell size for a record of this Width and Height; 0 when nothing can be drawn.
int candidateCellSize(QSize image, const PuzzleRecord& record);

// Draws the record over the whole image. A score below 1 (a slot without a candidate) leaves
// only the button face. Only word letters are drawn: candidates carry no fill letters yet.
void DrawAPuzzle(QImage& image, const PuzzleRecord& record, int score, const QColor& buttonFace);

}  // namespace qm
