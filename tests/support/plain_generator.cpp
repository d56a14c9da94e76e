#include "support/plain_generator.h"

#include <memory>
#include <string>
#include <utility>

#include "generate/letter_case.h"
#include "support/plain_screen.h"

namespace qm::test {
namespace {

struct Range {
    int first;
    int last;
};

class PlainRun {
public:
    PlainRun(PuzzleRecord& working, const ShapeRecord& shape, const GenerationSettings& settings, RandomSource& random)
        : m_working(working),
          m_shape(shape),
          m_settings(settings),
          m_random(random)
    {
    }

    int makeAttempt(const PuzzleRecord& saved)
    {
        PuzzleRecord& w = m_working;
        w = saved;
        w.Width = static_cast<std::int16_t>(w.usedWidth());
        w.Height = static_cast<std::int16_t>(w.usedHeight());
        const int n = w.usedWordCount();
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (int i = 0; i + 1 < n; ++i)
                if (w.Words[i].length() < w.Words[i + 1].length()) {
                    std::swap(w.Words[i], w.Words[i + 1]);
                    std::swap(w.Clues[i], w.Clues[i + 1]);
                    swapped = true;
                }
        }
        int count = 0;
        for (int i = 0; i < n; ++i)
            if (!w.Words[i].empty()) ++count;
        w.WordCount = static_cast<std::int16_t>(count);
        w.Letters.fill(' ');
        w.FillLetters.fill(' ');
        for (int i = 0; i < count; ++i) placeWord(i);
        if (m_settings.Shrink) shrink();
        for (int cell = 0; cell < kGridCells; ++cell) {
            if (m_shape.Mask[cell] == 0) {
                w.Letters[cell] = 0;
            } else if (w.Letters[cell] != ' ') {
                w.Letters[cell] = UpCaseLetter(w.Letters[cell]);
            }
        }
        auto swapSlots = [&](int i) {
            std::swap(w.Words[i], w.Words[i + 1]);
            std::swap(w.Clues[i], w.Clues[i + 1]);
            std::swap(w.StartCell[i], w.StartCell[i + 1]);
            std::swap(w.EndCell[i], w.EndCell[i + 1]);
            std::swap(wordPlaced[i], wordPlaced[i + 1]);
        };
        for (swapped = true; swapped;) {
            swapped = false;
            for (int i = 0; i + 1 < count; ++i)
                if (w.Words[i + 1].view() < w.Words[i].view()) {
                    swapSlots(i);
                    swapped = true;
                }
        }
        for (swapped = true; swapped;) {
            swapped = false;
            for (int i = 0; i + 1 < count; ++i)
                if (!wordPlaced[i] && wordPlaced[i + 1]) {
                    swapSlots(i);
                    swapped = true;
                }
        }
        int placed = 0;
        for (int i = 0; i < count; ++i)
            if (wordPlaced[i]) ++placed;
        w.WordCount = static_cast<std::int16_t>(placed);
        return placed;
    }

    std::array<bool, kMaxWords> wordPlaced{};

private:
    int random(int range) { return range > 0 ? m_random.Random(range) : 0; }

    void placeWord(int i)
    {
        int required = m_settings.usedIntegration() - 2;
        wordPlaced[i] = true;
        int tries = 0;
        int d = 1 + m_random.Random(8);
        while (true) {
            bool placed = false;
            if (m_settings.Allowed[d - 1]) placed = tryPlaceWord(i, d, required);
            d = d == 8 ? 1 : d + 1;
            ++tries;
            if (placed) return;
            if (tries == 8) {
                if (required > 0) {
                    --required;
                    tries = 0;
                } else {
                    wordPlaced[i] = false;
                    return;
                }
            }
        }
    }

    bool tryPlaceWord(int i, int d, int required)
    {
        std::string text;
        for (char c : m_working.Words[i].view())
            if (c != ' ') text.push_back(static_cast<char>(UpCaseLetter(static_cast<std::uint8_t>(c))));
        const int L = static_cast<int>(text.size());
        if (L == 0) return false;
        const int H = m_working.usedHeight();
        const int W = m_working.usedWidth();
        Range r1{}, r2{}, c1{}, c2{};
        bool columnsFirst = false;
        int a = 0, b = 0;
        switch (d) {
        case 1:
            a = random(H - L), b = random(W);
            r1 = {L + a, H}, r2 = {L, L + a - 1}, c1 = {b + 1, W}, c2 = {1, b};
            break;
        case 2:
            a = random(H - L), b = random(W - L);
            r1 = {H - a + 1, H}, r2 = {L, H - a}, c1 = {b + 1, W - L + 1}, c2 = {1, b};
            break;
        case 3:
            a = random(W - L), b = random(H);
            r1 = {b + 1, H}, r2 = {1, b}, c1 = {a + 1, W - L + 1}, c2 = {1, a};
            columnsFirst = true;
            break;
        case 4:
            a = random(H - L), b = random(W - L);
            r1 = {a + 1, H - L + 1}, r2 = {1, a}, c1 = {b + 1, W - L + 1}, c2 = {1, b};
            break;
        case 5:
            a = random(H - L), b = random(W);
            r1 = {a + 1, H - L + 1}, r2 = {1, a}, c1 = {b + 1, W}, c2 = {1, b};
            break;
        case 6:
            a = random(H - L), b = random(W - L);
            r1 = {a + 1, H - L + 1}, r2 = {1, a}, c1 = {L + b, W}, c2 = {L, L + b - 1};
            break;
        case 7:
            a = random(W - L), b = random(H);
            r1 = {b + 1, H}, r2 = {1, b}, c1 = {L + a, W}, c2 = {L, L + a - 1};
            columnsFirst = true;
            break;
        case 8:
            a = random(H - L), b = random(W - L);
            r1 = {L + a, H}, r2 = {L, L + a - 1}, c1 = {L + b, W}, c2 = {L, L + b - 1};
            break;
        }
        const int steps[] = {-50, -49, 1, 51, 50, 49, -1, -51};
        const int t = steps[d - 1];
        const std::array<std::pair<Range, Range>, 4> phases =
            columnsFirst ? std::array<std::pair<Range, Range>, 4>{{{r1, c1}, {r2, c1}, {r1, c2}, {r2, c2}}}
                         : std::array<std::pair<Range, Range>, 4>{{{r1, c1}, {r1, c2}, {r2, c1}, {r2, c2}}};
        for (const auto& [rows, columns] : phases)
            for (int row = rows.first; row <= rows.last; ++row)
                for (int column = columns.first; column <= columns.last; ++column) {
                    const int s = (row - 1) * 50 + column;
                    if (fitsAt(s, t, text, required)) {
                        for (int j = 0; j < L; ++j)
                            m_working.Letters[s + j * t - 1] = static_cast<std::uint8_t>(text[j]);
                        m_working.StartCell[i] = static_cast<std::int16_t>(s);
                        m_working.EndCell[i] = static_cast<std::int16_t>(s + (L - 1) * t);
                        return true;
                    }
                }
        return false;
    }

    bool fitsAt(int s, int t, const std::string& text, int required) const
    {
        int crossings = 0;
        bool conflict = false;
        for (int i = 0; i < static_cast<int>(text.size()); ++i) {
            const int p = s + i * t;
            const std::uint8_t here = m_working.Letters[p - 1];
            if (here != ' ') ++crossings;
            if (here != ' ' && here != static_cast<std::uint8_t>(text[i])) conflict = true;
            if (m_shape.Mask[p - 1] == 0) conflict = true;
        }
        if (conflict) return false;
        switch (required) {
        case -2:
            return crossings == 0;
        case -1:
            return crossings <= 1;
        case 0:
            return true;
        default:
            return crossings >= required;
        }
    }

    void shrink()
    {
        PuzzleRecord& w = m_working;
        const int height = w.usedHeight();
        for (int r = height; r >= 2; --r) {
            bool empty = true;
            for (int c = 1; c <= w.usedWidth(); ++c)
                if (w.Letters[(r - 1) * 50 + c - 1] != ' ') empty = false;
            if (!empty) break;
            --w.Height;
        }
        const int width = w.usedWidth();
        for (int c = width; c >= 2; --c) {
            bool empty = true;
            for (int r = 1; r <= 50; ++r)
                if (w.Letters[(r - 1) * 50 + c - 1] != ' ') empty = false;
            if (!empty) break;
            --w.Width;
        }
    }

    PuzzleRecord& m_working;
    const ShapeRecord& m_shape;
    const GenerationSettings& m_settings;
    RandomSource& m_random;
};

void moveSlot(Candidates& candidates, int from, int to)
{
    CandidateSlot& source = candidates.Slots[from];
    CandidateSlot& target = candidates.Slots[to];
    *target.Record = *source.Record;
    target.Score = source.Score;
    target.PlacedFlags = source.PlacedFlags;
}

void rank(Candidates& candidates, int v, const PuzzleRecord& working, const std::array<bool, kMaxWords>& placed)
{
    auto& s = candidates.Slots;
    int into = -1;
    if (v > s[0].Score) {
        moveSlot(candidates, 2, 3), moveSlot(candidates, 1, 2), moveSlot(candidates, 0, 1), into = 0;
    } else if (v > s[1].Score) {
        moveSlot(candidates, 2, 3), moveSlot(candidates, 1, 2), into = 1;
    } else if (v > s[2].Score) {
        moveSlot(candidates, 2, 3), into = 2;
    } else if (v > s[3].Score) {
        into = 3;
    }
    if (into < 0) return;
    *s[into].Record = working;
    s[into].Score = v;
    s[into].PlacedFlags = placed;
}

}  // namespace

Outcome<GenerationRun> plainBuildPuzzles(PuzzleRecord& working, const ShapeRecord& shape,
                                         const GenerationSettings& settings, const BadWordList& badWords,
                                         RandomSource& random, Candidates& candidates)
{
    auto saved = std::make_unique<PuzzleRecord>(working);
    const int n0 = working.usedWordCount();
    const int attempts = settings.usedAttempts();
    for (auto& slot : candidates.Slots) slot.Score = 0;
    PlainScreen screen(badWords);
    PlainRun run(working, shape, settings, random);

    GenerationRun outcome;
    int& counter = outcome.AttemptCounter;
    do {
        ++counter;
        const int score = run.makeAttempt(*saved);
        ++outcome.AttemptsMade;
        screen.BuildCheckList(working);
        if (screen.TestBadWords()) {
            --counter;
            ++outcome.RejectedAttempts;
        } else {
            rank(candidates, score, working, run.wordPlaced);
        }
        if (candidates.Slots[3].Score == n0) counter = attempts;
        if (outcome.RejectedAttempts >= rejectedAttemptLimit(attempts)) outcome.RejectionLimitReached = true;
    } while (counter != attempts && !outcome.RejectionLimitReached);
    working = *saved;
    return Outcome<GenerationRun>::done(outcome);
}

}  // namespace qm::test
