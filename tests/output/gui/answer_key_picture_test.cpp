// A rendered page with the real fonts, looked at pixel by pixel: every word's capsule encloses
// the centres of its letters' cells and no other letter, and every letter sits centred in its
// cell, in the picture and in the PDF.
#include <gtest/gtest.h>

#include <deque>

#include "output/export/gui/page_writers.h"
#include "page_pictures.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

constexpr int kPictureWidth = 1000;  // pixels over the 8.5 inch sheet: cells of 59 pixels
constexpr int kGridSize = 7;
constexpr double kCellInches = 0.5;
constexpr double kGridLeft = 1, kGridTop = 1;

struct PlacedWord {
    const char* direction;
    int startRow, startColumn, endRow, endColumn;
};
// A word of three letters in each of the eight directions, apart from each other.
constexpr PlacedWord kWords[] = {
    {"Right", 1, 1, 1, 3},     {"Left", 1, 7, 1, 5},   {"Down", 3, 1, 5, 1},     {"Up", 5, 7, 3, 7},
    {"DownRight", 2, 2, 4, 4}, {"UpLeft", 7, 7, 5, 5}, {"DownLeft", 5, 4, 7, 2}, {"UpRight", 7, 4, 5, 6},
};

// Capital letters without descenders, so that each one's ink is centred as its cell is.
const std::vector<std::string> kRows = {"ABCDEFG", "HIKLMNO", "PRSTUVW", "XYZABCD", "EFGHIKL", "MNOPRST", "UVWXYZA"};

// A 7 x 7 grid of half-inch cells at (1, 1) on a Letter page; words as given, all placed. At 14
// points the letters keep clear of the capsules, which a check of the outline needs.
std::unique_ptr<PuzzleRecord> gridRecord(const std::vector<PlacedWord>& words, int fontSize = 14)
{
    auto record = pageRecord();
    setGrid(*record, kRows);
    PageObject& puzzle = addObject(*record, PageObjectKind::Puzzle, {100, 100, 450, 450});
    puzzle.FontSize = static_cast<std::int16_t>(fontSize);
    puzzle.FillInShape = true;  // no cell background
    std::vector<std::string> names;
    for (const PlacedWord& word : words) names.push_back(word.direction);
    setWords(*record, names);
    for (std::size_t i = 0; i < words.size(); ++i) {
        record->StartCell[i] = static_cast<std::int16_t>(cellNumber(words[i].startRow, words[i].startColumn));
        record->EndCell[i] = static_cast<std::int16_t>(cellNumber(words[i].endRow, words[i].endColumn));
    }
    return record;
}

PrintOptions gridOnly(bool answerKey)
{
    PrintOptions options = plainOptions();
    options.AnswerKey = answerKey;
    return options;
}

double pixelsPerInch() { return kPictureWidth / 8.5; }

QPoint cellCentre(int row, int column)
{
    return {static_cast<int>(std::lround((kGridLeft + (column - 0.5) * kCellInches) * pixelsPerInch())),
            static_cast<int>(std::lround((kGridTop + (row - 0.5) * kCellInches) * pixelsPerInch()))};
}

// Pixels reached from the picture's corner without crossing the outline.
std::vector<bool> outside(const std::vector<bool>& outline, int width, int height)
{
    std::vector<bool> reached(outline.size(), false);
    std::deque<QPoint> queue{{0, 0}};
    reached[0] = true;
    while (!queue.empty()) {
        const QPoint p = queue.front();
        queue.pop_front();
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint next = p + step;
            if (next.x() < 0 || next.y() < 0 || next.x() >= width || next.y() >= height) continue;
            const std::size_t index = static_cast<std::size_t>(next.y() * width + next.x());
            if (reached[index] || outline[index]) continue;
            reached[index] = true;
            queue.push_back(next);
        }
    }
    return reached;
}

std::vector<QPoint> cellsOf(const PlacedWord& word)
{
    std::vector<QPoint> cells;  // (row, column)
    const int rowStep = (word.endRow > word.startRow) - (word.endRow < word.startRow);
    const int columnStep = (word.endColumn > word.startColumn) - (word.endColumn < word.startColumn);
    for (int r = word.startRow, c = word.startColumn;; r += rowStep, c += columnStep) {
        cells.emplace_back(r, c);
        if (r == word.endRow && c == word.endColumn) break;
    }
    return cells;
}

// The capsule of each word alone is what the answer key adds to the grid; the region it closes
// holds exactly the centres of the word's cells.
TEST(AnswerKeyPicture, EachCapsuleEnclosesItsOwnLettersAndNoOther)
{
    const QImage plain = pageImage(renderedPage(*gridRecord({}), gridOnly(false)), kPictureWidth);
    for (const PlacedWord& word : kWords) {
        const QImage keyed = pageImage(renderedPage(*gridRecord({word}), gridOnly(true)), kPictureWidth);
        ASSERT_EQ(keyed.size(), plain.size());
        std::vector<bool> outline(static_cast<std::size_t>(keyed.width() * keyed.height()));
        for (int y = 0; y < keyed.height(); ++y)
            for (int x = 0; x < keyed.width(); ++x)
                outline[static_cast<std::size_t>(y * keyed.width() + x)] =
                    qGray(plain.pixel(x, y)) - qGray(keyed.pixel(x, y)) > 24;
        const std::vector<bool> reached = outside(outline, keyed.width(), keyed.height());
        const std::vector<QPoint> own = cellsOf(word);
        for (int row = 1; row <= kGridSize; ++row)
            for (int column = 1; column <= kGridSize; ++column) {
                const QPoint centre = cellCentre(row, column);
                const std::size_t index = static_cast<std::size_t>(centre.y() * keyed.width() + centre.x());
                const bool inWord = std::find(own.begin(), own.end(), QPoint(row, column)) != own.end();
                EXPECT_EQ(!reached[index] && !outline[index], inWord)
                    << word.direction << ": cell " << row << ", " << column;
            }
    }
}

// The centre of each letter's ink lies at its cell's centre, within 4 % of the cell.
void expectLettersCentred(const QImage& picture, const char* what)
{
    const double cell = kCellInches * pixelsPerInch();
    for (int row = 1; row <= kGridSize; ++row)
        for (int column = 1; column <= kGridSize; ++column) {
            const QPoint centre = cellCentre(row, column);
            const int half = static_cast<int>(cell / 2) - 1;
            const QRect ink = inkBounds(picture, QRect(centre - QPoint(half, half), centre + QPoint(half, half)));
            ASSERT_FALSE(ink.isEmpty()) << what << ": no letter in cell " << row << ", " << column;
            const QPointF inkCentre((ink.left() + ink.right() + 1) / 2.0, (ink.top() + ink.bottom() + 1) / 2.0);
            EXPECT_NEAR(inkCentre.x(), centre.x(), 0.04 * cell) << what << ": cell " << row << ", " << column;
            EXPECT_NEAR(inkCentre.y(), centre.y(), 0.04 * cell) << what << ": cell " << row << ", " << column;
        }
}

TEST(AnswerKeyPicture, LettersAreCentredInTheirCellsInThePictureAndInThePdf)
{
    const PageFile page = renderedPage(*gridRecord({}, 24), gridOnly(false));
    expectLettersCentred(pageImage(page, kPictureWidth), "picture");

    TempDir dir;
    ASSERT_TRUE(writePagePdf(page, dir / "grid.pdf").ok());
    const CommandOutput raster =
        runCommand("pdftoppm -png -singlefile -scale-to-x " + std::to_string(kPictureWidth) + " -scale-to-y -1 '" +
                   (dir / "grid.pdf").string() + "' '" + (dir / "grid").string() + "'");
    ASSERT_EQ(raster.status, 0) << raster.err;
    const QImage pdf(QString::fromStdString((dir / "grid.png").string()));
    ASSERT_EQ(pdf.width(), kPictureWidth);
    expectLettersCentred(pdf, "PDF");
}

}  // namespace
}  // namespace qm::test
