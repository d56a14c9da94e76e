#include "generate/attempt_builder.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "generate/candidate_record.h"
#include "generate/letter_case.h"

namespace qm {
namespace {

// Bits of the columns first..last (1-based); none when first > last.
BitRow columnBits(int first, int last)
{
    if (first > last) return 0;
    return ((BitRow(1) << (last - first + 1)) - 1) << (first - 1);
}

template <class Source>
int drawOffset(Source& random, int range)
{
    return range > 0 ? random.Random(range) : 0;
}

}  // namespace

AttemptBuilder::AttemptBuilder(const PuzzleRecord& working, const ShapeRecord& shape,
                               const GenerationSettings& settings)
    : m_working(working),
      m_allowed(settings.Allowed),
      m_integration(settings.usedIntegration()),
      m_shrink(settings.Shrink),
      m_fullWidth(working.usedWidth()),
      m_fullHeight(working.usedHeight()),
      m_wordCount(working.usedWordCount())
{
    // Longest first; words of equal length keep their list order.
    m_lengthOrder.resize(m_wordCount);
    std::iota(m_lengthOrder.begin(), m_lengthOrder.end(), 0);
    std::stable_sort(m_lengthOrder.begin(), m_lengthOrder.end(),
                     [&](int a, int b) { return working.Words[a].length() > working.Words[b].length(); });
    m_placeable = static_cast<int>(std::count_if(m_lengthOrder.begin(), m_lengthOrder.end(),
                                                 [&](int slot) { return !working.Words[slot].empty(); }));

    int distinctLetters = 0;
    std::array<int, 256> indexOfLetter;
    indexOfLetter.fill(-1);
    for (int position = 0; position < m_placeable; ++position) {
        m_letterStart.push_back(static_cast<int>(m_letterBytes.size()));
        for (const char character : working.Words[m_lengthOrder[position]].view()) {
            if (character == ' ') continue;
            const std::uint8_t letter = UpCaseLetter(static_cast<std::uint8_t>(character));
            if (indexOfLetter[letter] < 0) indexOfLetter[letter] = distinctLetters++;
            m_letterBytes.push_back(letter);
            m_letterIndex.push_back(indexOfLetter[letter]);
        }
        m_letterCount.push_back(static_cast<int>(m_letterBytes.size()) - m_letterStart.back());
    }

    for (int cell = 0; cell < kGridCells; ++cell) m_emptyGrid[cell] = shape.Mask[cell] == 0 ? 0 : ' ';
    m_board = std::make_unique<LetterBoard>(distinctLetters, m_fullWidth, m_fullHeight, shape);

    // The start cells that keep a word inside the rectangle, and the ranges of the two random
    // offsets (a range of 0 or less draws nothing and gives 0).
    for (int length = 1; length <= kMostLetters; ++length)
        for (int code = 1; code <= kDirectionCount; ++code) {
            const DirectionStep step = directionStep(directionOfCode(code));
            ScanPlan& plan = m_plans[length][code - 1];
            StartRange& range = m_ranges[length][code - 1];
            range = {1, m_fullHeight, 1, m_fullWidth};
            if (step.row < 0) range.rowFirst = length;
            if (step.row > 0) range.rowLast = m_fullHeight - length + 1;
            if (step.column < 0) range.columnFirst = length;
            if (step.column > 0) range.columnLast = m_fullWidth - length + 1;
            if (m_allowed[code - 1] && !range.empty()) m_searchable[length] |= 1u << (code - 1);
            plan.rowOffsetRange = step.row != 0 ? m_fullHeight - length : m_fullHeight;
            plan.columnOffsetRange = step.column != 0 ? m_fullWidth - length : m_fullWidth;
        }
    m_searchAllAtOnce = m_integration - 2 > 0;
    m_placed.resize(m_placeable);
    m_startCell.resize(m_placeable);
    m_endCell.resize(m_placeable);
}

template <class Source>
int AttemptBuilder::build(Source& random)
{
    m_letters = m_emptyGrid;
    m_board->clear();
    m_width = m_fullWidth;
    m_height = m_fullHeight;
    m_score = 0;
    for (int position = 0; position < m_placeable; ++position) placeWord(position, random);
    if (m_shrink) shrinkToLetters(m_letters, m_width, m_height);
    return m_score;
}

// Every pass offers each allowed direction once, clockwise from the one drawn; a failed pass
// lowers the demand for crossings until it reaches 0.
template <class Source>
void AttemptBuilder::placeWord(int position, Source& random)
{
    m_placed[position] = 0;
    m_startCell[position] = m_working.StartCell[position];
    m_endCell[position] = m_working.EndCell[position];
    m_fitsKnown = 0;

    int requiredCrossings = m_integration - 2;
    int code = 1 + random.Random(kDirectionCount);
    for (int tries = 1;; ++tries) {
        const bool placed =
            m_allowed[code - 1] && tryPlaceWord(position, directionOfCode(code), requiredCrossings, random);
        code = code % kDirectionCount + 1;
        if (placed) {
            m_placed[position] = 1;
            ++m_score;
            return;
        }
        if (tries == kDirectionCount) {
            if (requiredCrossings <= 0) return;
            --requiredCrossings;
            tries = 0;
        }
    }
}

// The two random offsets split the start rows and the start columns each into a first and a
// second part; the four products of the parts are scanned one after the other, rows outside.
template <class Source>
bool AttemptBuilder::tryPlaceWord(int position, Direction direction, int requiredCrossings, Source& random)
{
    const int length = m_letterCount[position];
    if (length == 0) return false;  // a word of spaces has no letter to place
    const ScanPlan& plan = m_plans[length][directionCode(direction) - 1];
    int rowOffset = 0;
    int columnOffset = 0;
    const bool horizontal = directionStep(direction).row == 0;
    if (horizontal) {
        columnOffset = drawOffset(random, plan.columnOffsetRange);
        rowOffset = drawOffset(random, plan.rowOffsetRange);
    } else {
        rowOffset = drawOffset(random, plan.rowOffsetRange);
        columnOffset = drawOffset(random, plan.columnOffsetRange);
    }

    const StartRange& range = m_ranges[length][directionCode(direction) - 1];
    if (range.empty()) return false;
    const DirectionFits& fits = fitsOf(position, direction);
    if (!fits.anyAccepted[requiredCrossings + 2]) return false;

    const int rowSplit = direction == Direction::UpRight ? range.rowLast - rowOffset + 1 : range.rowFirst + rowOffset;
    const int columnSplit = range.columnFirst + columnOffset;
    const std::array<std::array<int, 2>, 2> rowParts{{{rowSplit, range.rowLast}, {range.rowFirst, rowSplit - 1}}};
    const std::array<BitRow, 2> columnParts{columnBits(columnSplit, range.columnLast),
                                            columnBits(range.columnFirst, columnSplit - 1)};
    // Phases as (row part, column part): the horizontal directions take both row parts first.
    static constexpr std::array<std::array<int, 2>, 4> kRowsFirst{{{0, 0}, {0, 1}, {1, 0}, {1, 1}}};
    static constexpr std::array<std::array<int, 2>, 4> kColumnsFirst{{{0, 0}, {1, 0}, {0, 1}, {1, 1}}};
    for (const auto& [rowPart, columnPart] : horizontal ? kColumnsFirst : kRowsFirst) {
        const BitRow columns = columnParts[columnPart];
        if (columns == 0) continue;
        for (int row = rowParts[rowPart][0]; row <= rowParts[rowPart][1]; ++row) {
            const BitRow starts = fits.accepted(row - 1, requiredCrossings) & columns;
            if (starts != 0) {
                writeWord(position, direction, row, std::countr_zero(starts) + 1);
                return true;
            }
        }
    }
    return false;
}

template int AttemptBuilder::build(RandomSource& random);
template int AttemptBuilder::build(SeededRandom& random);

const DirectionFits& AttemptBuilder::fitsOf(int position, Direction direction)
{
    const unsigned wanted = 1u << (directionCode(direction) - 1);
    if ((m_fitsKnown & wanted) == 0) {
        const int length = m_letterCount[position];
        const unsigned directions = m_searchAllAtOnce ? m_searchable[length] & ~m_fitsKnown : wanted;
        m_board->findFits(directions, m_letterIndex.data() + m_letterStart[position], length, m_ranges[length], m_fits);
        m_fitsKnown |= directions;
    }
    return m_fits[directionCode(direction) - 1];
}

void AttemptBuilder::writeWord(int position, Direction direction, int row, int column)
{
    const DirectionStep step = directionStep(direction);
    const int length = m_letterCount[position];
    const int first = m_letterStart[position];
    for (int i = 0; i < length; ++i) {
        const int r = row - 1 + i * step.row;
        const int c = column - 1 + i * step.column;
        m_board->write(r, c, m_letterIndex[first + i]);
        m_letters[r * kGridStride + c] = m_letterBytes[first + i];
    }
    m_startCell[position] = static_cast<std::int16_t>(cellNumber(row, column));
    m_endCell[position] =
        static_cast<std::int16_t>(cellNumber(row + (length - 1) * step.row, column + (length - 1) * step.column));
}

void AttemptBuilder::writeTo(PuzzleRecord& record, std::array<bool, kMaxWords>& placedFlags) const
{
    // A word left out keeps the cells of the working record's slot at its place in length order.
    std::vector<WordPlacement> placements(m_wordCount);
    for (int position = 0; position < m_placeable; ++position)
        placements[m_lengthOrder[position]] = {m_placed[position] != 0, m_startCell[position], m_endCell[position]};
    writeCandidateRecord(m_working, placements, {m_letters, m_width, m_height}, record, placedFlags);
}

}  // namespace qm
