// Working records, shapes and random sources for the generator tests.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "collection/puzzle_record.h"
#include "collection/puzzle_record_codec.h"
#include "common/random_source.h"
#include "layout/shape_record.h"

namespace qm::test {

// A working record as the editor leaves it: title, words and clues, the size of the shape.
inline std::unique_ptr<PuzzleRecord> workingRecord(const std::vector<std::string>& words, int width, int height,
                                                   const std::vector<std::string>& clues = {})
{
    auto record = std::make_unique<PuzzleRecord>();
    record->Title.assign("Animals");
    record->Category.assign("Science");
    record->Width = static_cast<std::int16_t>(width);
    record->Height = static_cast<std::int16_t>(height);
    for (std::size_t i = 0; i < words.size(); ++i) {
        record->Words[i].assign(words[i]);
        if (i < clues.size()) record->Clues[i].assign(clues[i]);
    }
    record->WordCount = static_cast<std::int16_t>(words.size());
    return record;
}

// 40 letters for the 36 cells of a 6 x 6 shape: no attempt places them all, so every run goes
// the full length.
inline std::unique_ptr<PuzzleRecord> overfullWorkingRecord()
{
    return workingRecord({"horse", "zebra", "tiger", "mouse", "camel", "llama", "bison", "otter"}, 6, 6);
}

// A shape of the given size with every cell in it.
inline ShapeRecord fullShape(int width, int height)
{
    ShapeRecord shape = makeNewShape();
    shape.Width = static_cast<std::int16_t>(width);
    shape.Height = static_cast<std::int16_t>(height);
    return shape;
}

// A generated grid drawn as rows: '#' a cell outside the shape (0), '.' a free cell (space), any
// other character a word letter. FillLetters start as '-' everywhere so untouched cells show.
inline std::unique_ptr<PuzzleRecord> gridRecord(const std::vector<std::string>& rows)
{
    auto record = std::make_unique<PuzzleRecord>();
    record->Height = static_cast<std::int16_t>(rows.size());
    record->Width = static_cast<std::int16_t>(rows.empty() ? 0 : rows[0].size());
    record->Letters.fill(' ');  // cells beyond the used rectangle must not count
    record->FillLetters.fill('-');
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const char shown = rows[r][c];
            record->Letters[r * kGridStride + c] = shown == '#'   ? 0
                                                   : shown == '.' ? ' '
                                                                  : static_cast<std::uint8_t>(shown);
        }
    return record;
}

inline std::vector<std::uint8_t> recordBytes(const PuzzleRecord& record)
{
    std::vector<std::uint8_t> bytes(PuzzleRecord::kSize);
    encodePuzzleRecord(record, std::span<std::uint8_t, PuzzleRecord::kSize>(bytes.data(), bytes.size()));
    return bytes;
}

// Plays back the given numbers, then repeats the last; counts every draw.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<int> values = {0}) : m_values(std::move(values)) {}
    int Random(int range) override
    {
        const int value = m_values[std::min(m_draws, m_values.size() - 1)];
        ++m_draws;
        m_ranges.push_back(range);
        return value % range;
    }
    std::size_t draws() const { return m_draws; }
    const std::vector<int>& ranges() const { return m_ranges; }

private:
    std::vector<int> m_values;
    std::size_t m_draws = 0;
    std::vector<int> m_ranges;
};

// Counts the draws of a seeded source.
class CountingRandom final : public RandomSource {
public:
    explicit CountingRandom(std::uint64_t seed) : m_random(seed) {}
    int Random(int range) override
    {
        ++m_draws;
        return m_random.Random(range);
    }
    std::size_t draws() const { return m_draws; }

private:
    SeededRandom m_random;
    std::size_t m_draws = 0;
};

}  // namespace qm::test
