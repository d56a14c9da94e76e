#include "generate/gui/candidate_drawing.h"

#include <algorithm>

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "common/gui/qt_text.h"

namespace qm {
namespace {

constexpr int kLargestPoints = 20;
constexpr int kSmallestPoints = 5;
constexpr int kFallbackPoints = 4;

// The largest point size from 20 down to 5 whose letter "W" is lower than the cell.
QFont letterFont(const QImage& image, int cell)
{
    QFont font("Arial");
    for (int points = kLargestPoints; points >= kSmallestPoints; --points) {
        font.setPointSize(points);
        if (QFontMetrics(font, &image).height() < cell) return font;
    }
    font.setPointSize(kFallbackPoints);
    return font;
}

}  // namespace

int candidateCellSize(QSize image, const PuzzleRecord& record)
{
    const int columns = record.usedWidth();
    const int rows = record.usedHeight();
    if (columns < 1 || rows < 1) return 0;
    return std::max(0, std::min(image.width() / columns - 1, image.height() / rows - 1));
}

void DrawAPuzzle(QImage& image, const PuzzleRecord& record, int score, const QColor& buttonFace)
{
    QPainter painter(&image);
    painter.fillRect(image.rect(), buttonFace);
    const int cell = candidateCellSize(image.size(), record);
    if (score < 1 || cell < 1) return;

    // Cells run from ((c-1)*s + 1, (r-1)*s + 1) to (c*s, r*s), right and bottom edges excluded.
    auto cellRect = [cell](int row, int column) {
        return QRect((column - 1) * cell + 1, (row - 1) * cell + 1, cell - 1, cell - 1);
    };
    const int rows = record.usedHeight();
    const int columns = record.usedWidth();
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c)
            if (record.Letters[cellNumber(r, c) - 1] != 0) painter.fillRect(cellRect(r, c), Qt::white);

    painter.setFont(letterFont(image, cell));
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font(), &image);
    for (int r = 1; r <= rows; ++r)
        for (int c = 1; c <= columns; ++c) {
            const std::uint8_t letter = record.Letters[cellNumber(r, c) - 1];
            if (letter == 0 || letter == ' ') continue;
            const char byte = static_cast<char>(letter);
            const QString text = toQString(std::string_view(&byte, 1));
            // Centred as whole pixels: the rectangle's right and bottom are its excluded edges.
            const QRect box = cellRect(r, c);
            const int right = box.left() + cell - 1;
            const int bottom = box.top() + cell - 1;
            const int x = box.left() + (right - box.left() - metrics.horizontalAdvance(text)) / 2;
            const int y = box.top() + (bottom - box.top() - metrics.height()) / 2;
            painter.drawText(x, y + metrics.ascent(), text);
        }
}

}  // namespace qm
