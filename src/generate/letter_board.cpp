#include "generate/letter_board.h"

#include <algorithm>

namespace qm {
namespace {

constexpr int kPairedWidth = 32;
constexpr int kMostLetters = 30;  // a word holds at most 30 characters

BitRow columnBits(int first, int last)
{
    if (first > last) return 0;
    const int width = last - first + 1;
    return ((BitRow(1) << width) - 1) << (first - 1);
}

// Where the letters of a word lie in a table, as seen from the word's start row: letter i of a
// word starting in row start is element start * letterCount + offset[i]. Tables hold
// row * letterCount + letter.
struct LetterOffsets {
    LetterOffsets(int letterCount, const int* letters, int length, int rowStep)
    {
        for (int i = 0; i < length; ++i) offset[i] = letters[i] + i * rowStep * letterCount;
    }
    std::array<int, kMostLetters> offset{};
};

// The table rows the letters of a word meet.
class LetterRows {
public:
    LetterRows(const BitRow* table, int letterCount, const LetterOffsets& offsets)
        : m_table(table),
          m_letterCount(letterCount),
          m_offset(offsets.offset.data())
    {
    }
    const BitRow* startRow(int start) const { return m_table + start * m_letterCount; }
    BitRow at(const BitRow* startRow, int i) const { return startRow[m_offset[i]]; }

private:
    const BitRow* m_table;
    int m_letterCount;
    const int* m_offset;
};

// Brings the bit of the cell of letter i to the bit of the word's start column. In a row pair
// the bits that cross between the halves land on start columns that the range never holds: a
// word that fits in at most 32 columns cannot start there.
template <int kColumnStep>
BitRow align(BitRow bits, int i)
{
    if constexpr (kColumnStep > 0) return bits >> i;
    if constexpr (kColumnStep < 0) return bits << i;
    return bits;
}

// The start cells of one table word that conflict: one of the word's cells lies outside the shape
// or holds another letter. The first conflict decides, so the letters stop as soon as every start
// cell conflicts; they are taken two at a time to halve the tests.
template <int kColumnStep>
BitRow conflictsOf(const LetterRows& rows, int length, int start, BitRow valid)
{
    const BitRow* row = rows.startRow(start);
    BitRow conflicts = 0;
    int i = 0;
    for (; i + 1 < length; i += 2) {
        conflicts |= align<kColumnStep>(rows.at(row, i), i) | align<kColumnStep>(rows.at(row, i + 1), i + 1);
        if ((conflicts & valid) == valid) return conflicts;
    }
    if (i < length) conflicts |= align<kColumnStep>(rows.at(row, i), i);
    return conflicts;
}

// Counts the crossings of the conflict-free start cells in bit slices (atLeast[n] gains the
// cells that had n crossings before) and notes which demands some start cell meets.
template <int kColumnStep>
void countCrossings(const LetterRows& rows, int length, int start, BitRow conflictFree, DirectionFits& fits, int word,
                    std::array<BitRow, kMostCrossingsDemanded + 3>& any)
{
    const BitRow* row = rows.startRow(start);
    BitRow atLeast1 = 0, atLeast2 = 0, atLeast3 = 0, atLeast4 = 0;
    for (int i = 0; i < length; ++i) {
        const BitRow crossing = align<kColumnStep>(rows.at(row, i), i) & conflictFree;
        atLeast4 |= atLeast3 & crossing;
        atLeast3 |= atLeast2 & crossing;
        atLeast2 |= atLeast1 & crossing;
        atLeast1 |= crossing;
    }
    fits.atLeast[0][word] = atLeast1;
    fits.atLeast[1][word] = atLeast2;
    fits.atLeast[2][word] = atLeast3;
    fits.atLeast[3][word] = atLeast4;
    any[0] |= conflictFree & ~atLeast1;
    any[1] |= conflictFree & ~atLeast2;
    any[2] |= conflictFree;
    any[3] |= atLeast1;
    any[4] |= atLeast2;
    any[5] |= atLeast3;
    any[6] |= atLeast4;
}

}  // namespace

LetterBoard::LetterBoard(int letterCount, int width, int height, const ShapeRecord& shape)
    : m_letterCount(letterCount),
      m_height(height),
      m_pairRows(width <= kPairedWidth)
{
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (shape.Mask[row * kGridStride + column] == 0) m_outsideShape[row] |= BitRow(1) << column;
    const std::size_t size = static_cast<std::size_t>(letterCount) * kGridStride;
    m_letterRows.resize(size);
    m_conflictRows.resize(size);
    if (m_pairRows) {
        m_letterPairs.resize(size);
        m_conflictPairs.resize(size);
    }
}

void LetterBoard::clear()
{
    m_blocked = m_outsideShape;
    std::fill(m_letterRows.begin(), m_letterRows.end(), BitRow(0));
    std::fill(m_letterPairs.begin(), m_letterPairs.end(), BitRow(0));
    for (int row = 0; row < kGridStride; ++row) {
        const BitRow pair = m_outsideShape[row] | (row + 1 < kGridStride ? m_outsideShape[row + 1] << kPairedWidth : 0);
        for (int letter = 0; letter < m_letterCount; ++letter) {
            m_conflictRows[row * m_letterCount + letter] = m_outsideShape[row];
            if (m_pairRows) m_conflictPairs[row * m_letterCount + letter] = pair;
        }
    }
}

void LetterBoard::write(int row, int column, int letter)
{
    const BitRow bit = BitRow(1) << column;
    m_blocked[row] |= bit;
    // The cell now conflicts with every letter but its own.
    auto mark = [this, letter](std::vector<BitRow>& conflicts, std::vector<BitRow>& letters, int at, BitRow bits) {
        BitRow* conflictsOfRow = conflicts.data() + at * m_letterCount;
        for (int other = 0; other < m_letterCount; ++other) conflictsOfRow[other] |= bits;
        conflictsOfRow[letter] &= ~bits;
        letters[at * m_letterCount + letter] |= bits;
    };
    mark(m_conflictRows, m_letterRows, row, bit);
    if (!m_pairRows) return;
    mark(m_conflictPairs, m_letterPairs, row, bit);
    if (row > 0) mark(m_conflictPairs, m_letterPairs, row - 1, bit << kPairedWidth);
}

void LetterBoard::findFits(Direction direction, const int* letters, int length, const StartRange& range,
                           DirectionFits& fits) const
{
    const bool paired = m_pairRows;
    switch (direction) {
#define QM_FITS(code, rowStep, columnStep)                                                                             \
    case code:                                                                                                         \
        paired ? findFitsIn<2, rowStep, columnStep>(m_conflictPairs, m_letterPairs, letters, length, range, fits)      \
               : findFitsIn<1, rowStep, columnStep>(m_conflictRows, m_letterRows, letters, length, range, fits);       \
        break;
        QM_FITS(Direction::Up, -1, 0)
        QM_FITS(Direction::UpRight, -1, +1)
        QM_FITS(Direction::Right, 0, +1)
        QM_FITS(Direction::DownRight, +1, +1)
        QM_FITS(Direction::Down, +1, 0)
        QM_FITS(Direction::DownLeft, +1, -1)
        QM_FITS(Direction::Left, 0, -1)
        QM_FITS(Direction::UpLeft, -1, -1)
#undef QM_FITS
    }
}

// The fits of a word, kRowsPerWord start rows (one, or a row pair) to a table word: the
// conflict-free start cells first, then the crossings of the rows that keep some.
template <int kRowsPerWord, int kRowStep, int kColumnStep>
void LetterBoard::findFitsIn(const std::vector<BitRow>& conflictTable, const std::vector<BitRow>& letterTable,
                             const int* letters, int length, const StartRange& range, DirectionFits& fits) const
{
    const LetterOffsets offsets(m_letterCount, letters, length, kRowStep);
    const LetterRows conflictRows(conflictTable.data(), m_letterCount, offsets);
    const LetterRows letterRows(letterTable.data(), m_letterCount, offsets);
    const BitRow valid = columnBits(range.columnFirst, range.columnLast);
    fits.firstRow = range.rowFirst - 1;
    fits.pairShift = kRowsPerWord - 1;
    std::array<BitRow, kMostCrossingsDemanded + 3> any{};
    for (int start = range.rowFirst - 1, word = 0; start < range.rowLast; start += kRowsPerWord, ++word) {
        BitRow validRows = valid;
        if constexpr (kRowsPerWord == 2)
            if (start + 1 < range.rowLast) validRows |= valid << kPairedWidth;
        const BitRow conflictFree = validRows & ~conflictsOf<kColumnStep>(conflictRows, length, start, validRows);
        fits.conflictFree[word] = conflictFree;
        if (conflictFree != 0) countCrossings<kColumnStep>(letterRows, length, start, conflictFree, fits, word, any);
    }
    for (std::size_t demand = 0; demand < any.size(); ++demand) fits.anyAccepted[demand] = any[demand] != 0;
}

}  // namespace qm
