#include "generate/letter_board.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__)
#define QM_WIDE_VECTORS 1
#else
#define QM_WIDE_VECTORS 0
#endif

namespace qm {
namespace {

constexpr int kNarrowWidth = 32;
constexpr int kMostLetters = 30;  // a word holds at most 30 characters
// Every x86-64 processor has 16-byte vectors; most have 32-byte ones too (AVX2), which cover
// twice the start rows in one operation.
constexpr int kBaselineBytes = 16;
constexpr int kWideBytes = 32;
// The search of start rows stops once each conflicts; a test of all of them costs more than a
// few letters, so it comes after every few.
constexpr int kLettersBetweenChecks = 8;

template <class Row>
Row columnBits(int first, int last)
{
    if (first > last) return 0;
    const int width = last - first + 1;
    return static_cast<Row>(((BitRow(1) << width) - 1) << (first - 1));
}

// Vectors of rows, declared outside templates, where the compiler keeps their vector size. The
// functions that take and give them are always inlined, into code built for the vector width.
typedef std::uint32_t NarrowRows16 __attribute__((vector_size(16)));
typedef std::uint64_t WideRows16 __attribute__((vector_size(16)));
typedef std::uint64_t WidenedNarrowRows16 __attribute__((vector_size(32)));
typedef std::uint32_t NarrowRows32 __attribute__((vector_size(32)));
typedef std::uint64_t WideRows32 __attribute__((vector_size(32)));
typedef std::uint64_t WidenedNarrowRows32 __attribute__((vector_size(64)));

template <class Row, int kBytes>
struct VectorOf;
template <>
struct VectorOf<std::uint32_t, 16> {
    using type = NarrowRows16;
    using widened = WidenedNarrowRows16;
};
template <>
struct VectorOf<std::uint64_t, 16> {
    using type = WideRows16;
};
template <>
struct VectorOf<std::uint32_t, 32> {
    using type = NarrowRows32;
    using widened = WidenedNarrowRows32;
};
template <>
struct VectorOf<std::uint64_t, 32> {
    using type = WideRows32;
};

#define QM_INLINE [[gnu::always_inline]] inline

// Neighbouring start rows side by side, one to a lane.
template <class Row, int kBytes>
struct StartRows {
    using Vector = typename VectorOf<Row, kBytes>::type;
    static constexpr int kLanes = kBytes / static_cast<int>(sizeof(Row));

    QM_INLINE static Vector load(const Row* at)
    {
        Vector rows;
        std::memcpy(&rows, at, sizeof rows);
        return rows;
    }
    QM_INLINE static bool none(Vector rows)
    {
        std::array<std::uint64_t, sizeof(Vector) / 8> words;
        std::memcpy(words.data(), &rows, sizeof rows);
        std::uint64_t any = 0;
        for (const std::uint64_t word : words) any |= word;
        return any == 0;
    }
    // Stores the lanes as BitRows from at on.
    QM_INLINE static void store(Vector rows, BitRow* at)
    {
        if constexpr (sizeof(Row) == sizeof(BitRow)) {
            std::memcpy(at, &rows, sizeof rows);
        } else {
            using Widened = typename VectorOf<Row, kBytes>::widened;
            const Widened wide = __builtin_convertvector(rows, Widened);
            std::memcpy(at, &wide, sizeof wide);
        }
    }
    // The valid start columns in the lanes of start rows up to last (0-based), none beyond.
    QM_INLINE static Vector validUpTo(Row valid, int first, int last)
    {
        Vector lanes{};
        if (first + kLanes - 1 <= last) return lanes + valid;
        for (int lane = 0; lane < kLanes; ++lane) lanes[lane] = first + lane <= last ? valid : 0;
        return lanes;
    }
    // Brings the bits of the cells of letter i to the bits of the word's start columns.
    template <int kColumnStep>
    QM_INLINE static Vector align(Vector rows, int i)
    {
        if constexpr (kColumnStep > 0) return rows >> i;
        if constexpr (kColumnStep < 0) return rows << i;
        return rows;
    }
};

// Where the letters of a word lie in a table, as seen from the word's start row: letter i of a
// word starting in row start is element start + offset[i].
struct LetterOffsets {
    LetterOffsets(const int* letters, int length, int rowStep)
    {
        for (int i = 0; i < length; ++i) offset[i] = letters[i] * LetterBoard::kTableRows + i * rowStep;
    }
    std::array<int, kMostLetters> offset;
};

// The fits of a word, a lane a start row: the conflict-free start cells first (the first conflict
// decides, so the letters stop once every start cell of the lanes conflicts), then the crossings
// of the lanes that keep some, counted in bit slices.
template <class Row, int kBytes, int kRowStep, int kColumnStep>
QM_INLINE void findFitsIn(const LetterBoard::Tables<Row>& tables, const LetterOffsets& offsets, int length,
                          const StartRange& range, DirectionFits& fits)
{
    using Rows = StartRows<Row, kBytes>;
    using Vector = typename Rows::Vector;
    const Row* const conflictTable = tables.conflicts.data();
    const Row* const letterTable = tables.letters.data();
    const Row valid = columnBits<Row>(range.columnFirst, range.columnLast);
    const int last = range.rowLast - 1;
    fits.firstRow = range.rowFirst - 1;
    Vector anyNone{}, anyAtMostOne{}, anyFree{}, any1{}, any2{}, any3{}, any4{};
    bool someFree = false;
    for (int start = fits.firstRow; start <= last; start += Rows::kLanes) {
        const Vector validRows = Rows::validUpTo(valid, start, last);
        Vector conflicts{};
        for (int i = 0; i < length;) {
            for (const int blockEnd = std::min(length, i + kLettersBetweenChecks); i < blockEnd; ++i)
                conflicts |=
                    Rows::template align<kColumnStep>(Rows::load(conflictTable + start + offsets.offset[i]), i);
            if (Rows::none(validRows & ~conflicts)) break;
        }
        const Vector free = validRows & ~conflicts;
        const int at = start - fits.firstRow;
        Rows::store(free, fits.conflictFree.data() + at);
        if (Rows::none(free)) continue;
        someFree = true;

        Vector atLeast1{}, atLeast2{}, atLeast3{}, atLeast4{};
        for (int letter = 0; letter < length; ++letter) {
            const Vector crossing =
                Rows::template align<kColumnStep>(Rows::load(letterTable + start + offsets.offset[letter]), letter) &
                free;
            atLeast4 |= atLeast3 & crossing;
            atLeast3 |= atLeast2 & crossing;
            atLeast2 |= atLeast1 & crossing;
            atLeast1 |= crossing;
        }
        Rows::store(atLeast1, fits.atLeast[0].data() + at);
        Rows::store(atLeast2, fits.atLeast[1].data() + at);
        Rows::store(atLeast3, fits.atLeast[2].data() + at);
        Rows::store(atLeast4, fits.atLeast[3].data() + at);
        anyNone |= free & ~atLeast1;
        anyAtMostOne |= free & ~atLeast2;
        anyFree |= free;
        any1 |= atLeast1;
        any2 |= atLeast2;
        any3 |= atLeast3;
        any4 |= atLeast4;
    }
    // A direction without a conflict-free start cell is common once the grid fills.
    if (!someFree) {
        fits.anyAccepted.fill(false);
        return;
    }
    const std::array<Vector, kMostCrossingsDemanded + 3> any{anyNone, anyAtMostOne, anyFree, any1, any2, any3, any4};
    for (std::size_t demand = 0; demand < any.size(); ++demand) fits.anyAccepted[demand] = !Rows::none(any[demand]);
}

#define QM_FITS(direction, rowStep, columnStep)                                                                        \
    if (has(direction))                                                                                                \
        findFitsIn<Row, kBytes, rowStep, columnStep>(tables, offsets, length, ranges[directionCode(direction) - 1],    \
                                                     fits[directionCode(direction) - 1]);
// The directions one after the other, each with the letter offsets of its row step.
template <class Row, int kBytes>
QM_INLINE void findFitsOf(const LetterBoard::Tables<Row>& tables, unsigned directions, const int* letters, int length,
                          const DirectionRanges& ranges, AllDirectionFits& fits)
{
    auto has = [directions](Direction direction) { return (directions >> (directionCode(direction) - 1) & 1) != 0; };
    if (has(Direction::UpLeft) || has(Direction::Up) || has(Direction::UpRight)) {
        const LetterOffsets offsets(letters, length, -1);
        QM_FITS(Direction::UpLeft, -1, -1)
        QM_FITS(Direction::Up, -1, 0)
        QM_FITS(Direction::UpRight, -1, +1)
    }
    if (has(Direction::Left) || has(Direction::Right)) {
        const LetterOffsets offsets(letters, length, 0);
        QM_FITS(Direction::Left, 0, -1)
        QM_FITS(Direction::Right, 0, +1)
    }
    if (has(Direction::DownLeft) || has(Direction::Down) || has(Direction::DownRight)) {
        const LetterOffsets offsets(letters, length, +1);
        QM_FITS(Direction::DownLeft, +1, -1)
        QM_FITS(Direction::Down, +1, 0)
        QM_FITS(Direction::DownRight, +1, +1)
    }
}
#undef QM_FITS

template <class Row>
void findFitsBaseline(const LetterBoard::Tables<Row>& tables, unsigned directions, const int* letters, int length,
                      const DirectionRanges& ranges, AllDirectionFits& fits)
{
    findFitsOf<Row, kBaselineBytes>(tables, directions, letters, length, ranges, fits);
}

#if QM_WIDE_VECTORS
template <class Row>
[[gnu::target("avx2")]] void findFitsWide(const LetterBoard::Tables<Row>& tables, unsigned directions,
                                          const int* letters, int length, const DirectionRanges& ranges,
                                          AllDirectionFits& fits)
{
    findFitsOf<Row, kWideBytes>(tables, directions, letters, length, ranges, fits);
}
#endif
#undef QM_INLINE

}  // namespace

bool LetterBoard::wideVectorsAvailable()
{
#if QM_WIDE_VECTORS
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
#else
    return false;
#endif
}

LetterBoard::LetterBoard(int letterCount, int width, int height, const ShapeRecord& shape, bool wideVectors)
    : m_letterCount(letterCount),
      m_narrow(width <= kNarrowWidth),
      m_wideVectors(wideVectors && wideVectorsAvailable())
{
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            if (shape.Mask[row * kGridStride + column] == 0) m_outsideShape[row] |= BitRow(1) << column;
    const std::size_t size = static_cast<std::size_t>(letterCount) * kTableRows;
    if (m_narrow) {
        m_narrowTables.conflicts.resize(size);
        m_narrowTables.letters.resize(size);
    } else {
        m_wideTables.conflicts.resize(size);
        m_wideTables.letters.resize(size);
    }
}

template <class Row>
void LetterBoard::clearTables(Tables<Row>& tables)
{
    std::fill(tables.letters.begin(), tables.letters.end(), Row(0));
    for (int letter = 0; letter < m_letterCount; ++letter) {
        Row* const conflicts = tables.conflicts.data() + letter * kTableRows;
        for (int row = 0; row < kGridStride; ++row) conflicts[row] = static_cast<Row>(m_outsideShape[row]);
        // Rows below the grid are met only by lanes past the last start row, which count for nothing.
        std::fill(conflicts + kGridStride, conflicts + kTableRows, static_cast<Row>(~Row(0)));
    }
}

void LetterBoard::clear()
{
    m_blocked = m_outsideShape;
    if (m_narrow)
        clearTables(m_narrowTables);
    else
        clearTables(m_wideTables);
}

// The cell now conflicts with every letter but its own.
template <class Row>
void LetterBoard::writeTables(Tables<Row>& tables, int row, int column, int letter)
{
    const Row bit = static_cast<Row>(Row(1) << column);
    Row* const conflicts = tables.conflicts.data() + row;
    for (int other = 0; other < m_letterCount; ++other) conflicts[other * kTableRows] |= bit;
    conflicts[letter * kTableRows] &= static_cast<Row>(~bit);
    tables.letters[letter * kTableRows + row] |= bit;
}

void LetterBoard::write(int row, int column, int letter)
{
    m_blocked[row] |= BitRow(1) << column;
    if (m_narrow)
        writeTables(m_narrowTables, row, column, letter);
    else
        writeTables(m_wideTables, row, column, letter);
}

void LetterBoard::findFits(unsigned directions, const int* letters, int length, const DirectionRanges& ranges,
                           AllDirectionFits& fits) const
{
#if QM_WIDE_VECTORS
    if (m_wideVectors) {
        if (m_narrow)
            findFitsWide(m_narrowTables, directions, letters, length, ranges, fits);
        else
            findFitsWide(m_wideTables, directions, letters, length, ranges, fits);
        return;
    }
#endif
    if (m_narrow)
        findFitsBaseline(m_narrowTables, directions, letters, length, ranges, fits);
    else
        findFitsBaseline(m_wideTables, directions, letters, length, ranges, fits);
}

}  // namespace qm
