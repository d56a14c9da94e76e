#include "generate/packing_grid_search.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <map>

#include "generate/candidate_record.h"
#include "generate/second_readings.h"

namespace qm {
namespace {

// How many moves a word just placed cannot be pushed out again, so that two words do not take
// one place from each other in turn.
constexpr int kTenure = 7;
// One move in this many may push out two words, giving up a word for the room to place others.
constexpr int kWideMoveOdds = 20;
// After this many moves without a better grid the search goes back to the best one.
constexpr int kPatience = 3000;
// How far behind the best grid the search may fall before it goes back to it.
constexpr int kLeeway = 2;
// Besides the best grid the search keeps up to kPoolSize others that place as many words: one
// move in kPoolOdds of those ending at the best count keeps its grid (once the pool is full, in
// place of one drawn at random). Going back, half the time it goes to one of them, and so leaves
// the best grid's neighbourhood for others as good instead of searching the same one again.
constexpr int kPoolOdds = 20;
constexpr int kPoolSize = 16;
// Words left out tried again after each move, besides the ones it pushed out.
constexpr int kRetriesPerMove = 3;
// When at most this many words are left out, a word going in pushes out the words with fewest
// letters rather than the ones in the way of fewest new cells: now every word has to go in, and
// the short ones find room again most easily.
constexpr int kEndgameWordsLeft = 2;
// With more than this many words left out, some will stay out: of two drawn to go in, the
// shorter goes, since short words make the count.
constexpr int kManyWordsLeft = 5;
// The clock and the abort are read once in this many moves.
constexpr int kMovesBetweenChecks = 8;

}  // namespace

PackingGridSearch::PackingGridSearch(const PuzzleRecord& working, const ShapeRecord& shape,
                                     const GenerationSettings& settings, const OffensiveWordScreen& screen,
                                     RandomSource& random)
    : m_working(working),
      m_shape(shape),
      m_settings(settings),
      m_screen(screen),
      m_random(random),
      m_integration(settings.usedIntegration()),
      m_board(working.usedWidth(), working.usedHeight(), shape, settings.Allowed)
{
    for (int slot = 0; slot < working.usedWordCount(); ++slot) {
        std::string letters = gridLetterText(working.Words[slot].view());
        if (!letters.empty()) m_words.push_back({slot, std::move(letters)});
    }
    m_spots.resize(m_words.size());
    m_placedAt.resize(m_words.size(), 0);
    m_mark.resize(m_words.size(), 0);
    // A word with no start cell in any allowed direction can never be placed: a search
    // waiting for it would only wait for its time to run out.
    for (int word = 0; word < wordCount(); ++word)
        for (int code = 1; code <= kDirectionCount; ++code)
            if (!m_board.starts(letterCount(word), code).empty()) {
                ++m_wordsWithRoom;
                break;
            }
}

void PackingGridSearch::startFrom(const CandidateSlot* start)
{
    m_board.clear();
    std::fill(m_spots.begin(), m_spots.end(), BoardSpot{});
    m_placed = 0;
    m_placedLetters = 0;
    m_asGoodAsBest.clear();
    if (start) placeCandidateWords(*start);
    keepAsBest();
    fillWhatFits();
    keepIfBetter();
}

bool PackingGridSearch::run(Clock::time_point deadline, std::int64_t moveLimit, PackingProgress* progress,
                            int& bestOfRun)
{
    std::int64_t movesOfRun = 0;
    std::int64_t lastBetter = 0;
    while (m_bestPlaced < m_wordsWithRoom) {
        if (movesOfRun % kMovesBetweenChecks == 0) {
            if (progress && progress->stopRequested()) return false;
            if (Clock::now() >= deadline) return true;
        }
        if (moveLimit > 0 && movesOfRun >= moveLimit) return true;
        ++movesOfRun;
        ++m_moves;
        makeMove();
        if (keepIfBetter()) {
            lastBetter = movesOfRun;
            m_asGoodAsBest.clear();
            if (m_bestPlaced > bestOfRun) {
                bestOfRun = m_bestPlaced;
                if (progress) progress->packingProgress(bestOfRun, wordCount());
            }
        } else if (m_placed < m_bestPlaced - kLeeway || movesOfRun - lastBetter > kPatience) {
            goBack();
            lastBetter = movesOfRun;
        } else if (m_placed == m_bestPlaced) {
            maybeKeepAsGoodAsBest();
        }
    }
    return true;
}

void PackingGridSearch::goBack()
{
    if (!m_asGoodAsBest.empty() && m_random.Random(2) == 0)
        restore(m_asGoodAsBest[m_random.Random(static_cast<int>(m_asGoodAsBest.size()))]);
    else
        restore(m_best);
}

void PackingGridSearch::maybeKeepAsGoodAsBest()
{
    if (m_random.Random(kPoolOdds) != 0) return;
    if (static_cast<int>(m_asGoodAsBest.size()) < kPoolSize)
        m_asGoodAsBest.push_back(m_spots);
    else
        m_asGoodAsBest[m_random.Random(kPoolSize)] = m_spots;
}

void PackingGridSearch::writeBest(CandidateSlot& slot) const
{
    PuzzleGrid letters = gridOf(m_best);
    std::vector<WordPlacement> placements(static_cast<std::size_t>(m_working.usedWordCount()));
    for (std::size_t word = 0; word < m_words.size(); ++word) {
        const BoardSpot spot = m_best[word];
        if (!spot.onBoard()) continue;
        const int last = spot.start + m_board.step(spot.direction) * (letterCount(static_cast<int>(word)) - 1);
        placements[m_words[word].slot] = {true, cellOf(spot.start), cellOf(last)};
    }
    int width = m_board.width();
    int height = m_board.height();
    if (m_settings.Shrink) shrinkToLetters(letters, width, height);
    writeCandidateRecord(m_working, placements, {letters, width, height}, *slot.Record, slot.PlacedFlags);
    slot.Score = m_bestPlaced;
    slot.Packed = true;
}

bool PackingGridSearch::keepIfBetter()
{
    if (rank() <= m_bestRank || screened()) return false;
    const bool more = m_placed > m_bestPlaced;
    keepAsBest();
    return more;
}

void PackingGridSearch::keepAsBest()
{
    m_best = m_spots;
    m_bestPlaced = m_placed;
    m_bestRank = rank();
}

std::int16_t PackingGridSearch::cellOf(int index) const
{
    return static_cast<std::int16_t>(cellNumber(index / m_board.width() + 1, index % m_board.width() + 1));
}

PuzzleGrid PackingGridSearch::gridOf(const std::vector<BoardSpot>& spots) const
{
    PuzzleGrid letters;
    for (int cell = 0; cell < kGridCells; ++cell) letters[cell] = m_shape.Mask[cell] == 0 ? 0 : ' ';
    for (std::size_t word = 0; word < m_words.size(); ++word) {
        const BoardSpot spot = spots[word];
        if (!spot.onBoard()) continue;
        int index = spot.start;
        for (const char letter : m_words[word].letters) {
            letters[cellOf(index) - 1] = static_cast<std::uint8_t>(letter);
            index += m_board.step(spot.direction);
        }
    }
    return letters;
}

bool PackingGridSearch::screened() const
{
    PuzzleGrid noFill;
    noFill.fill(' ');
    return m_screen.TestBadWords(gridOf(m_spots), noFill, m_board.width(), m_board.height());
}

std::optional<BoardSpot> PackingGridSearch::spotOfCandidateWord(int word, int startCell, int endCell)
{
    const int length = letterCount(word);
    const int row = cellRow(startCell) - 1, column = cellColumn(startCell) - 1;
    const int rowSpan = cellRow(endCell) - 1 - row, columnSpan = cellColumn(endCell) - 1 - column;
    if (startCell < 1 || endCell < 1 || row >= m_board.height() || column >= m_board.width()) return std::nullopt;
    for (int code = 1; code <= kDirectionCount; ++code) {
        if (!m_settings.Allowed[code - 1]) continue;
        const DirectionStep step = directionStep(directionOfCode(code));
        if (step.row * (length - 1) != rowSpan || step.column * (length - 1) != columnSpan) continue;
        const int start = row * m_board.width() + column;
        const auto& starts = m_board.starts(length, code);
        if (!std::binary_search(starts.begin(), starts.end(), start)) return std::nullopt;
        int cell = start;
        for (const char letter : m_words[word].letters) {
            if (!m_board.isEmpty(cell) && m_board.letter(cell) != static_cast<std::uint8_t>(letter))
                return std::nullopt;
            cell += m_board.step(code);
        }
        return BoardSpot{start, code};
    }
    return std::nullopt;
}

void PackingGridSearch::placeCandidateWords(const CandidateSlot& start)
{
    // Words of the candidate found among the working record's by their text, a word listed
    // twice taking its places in turn.
    std::multimap<std::string_view, int> wordsByText;
    for (int word = 0; word < wordCount(); ++word)
        wordsByText.emplace(m_working.Words[m_words[word].slot].view(), word);
    const PuzzleRecord& record = *start.Record;
    for (int index = 0; index < record.usedWordCount(); ++index) {
        if (!start.PlacedFlags[index]) continue;
        const auto found = wordsByText.find(record.Words[index].view());
        if (found == wordsByText.end()) continue;
        const int word = found->second;
        wordsByText.erase(found);
        if (const auto spot = spotOfCandidateWord(word, record.StartCell[index], record.EndCell[index]))
            put(word, *spot);
    }
}

void PackingGridSearch::put(int word, BoardSpot spot)
{
    m_board.place(word, m_words[word].letters, spot);
    m_spots[word] = spot;
    m_placedAt[word] = m_moves;
    ++m_placed;
    m_placedLetters += letterCount(word);
}

void PackingGridSearch::take(int word)
{
    m_board.remove(word, m_words[word].letters, m_spots[word]);
    m_spots[word] = {};
    --m_placed;
    m_placedLetters -= letterCount(word);
}

void PackingGridSearch::restore(const std::vector<BoardSpot>& spots)
{
    for (int word = 0; word < wordCount(); ++word)
        if (m_spots[word].onBoard()) take(word);
    for (int word = 0; word < wordCount(); ++word)
        if (spots[word].onBoard()) put(word, spots[word]);
}

template <typename Worth, typename Visit>
void PackingGridSearch::forEachSpot(int word, int mostPushed, Worth worth, Visit visit)
{
    const std::string& letters = m_words[word].letters;
    const int length = letterCount(word);
    const auto judge = [&](int start, int code) {
        const int step = m_board.step(code);
        ++m_stamp;
        SpotCost cost;
        int crossings = 0;
        int cell = start;
        for (int i = 0; i < length; ++i, cell += step) {
            const std::uint8_t there = m_board.letter(cell);
            if (there == static_cast<std::uint8_t>(letters[i])) {
                ++crossings;
                continue;
            }
            ++cost.fresh;
            if (there != 0 && !pushOwners(cell, mostPushed, cost)) return;
            if (!worth(cost)) return;
        }
        if (cost.fresh == 0 && insideOneWord(start, step, length)) return;
        if ((m_integration == 0 && crossings > 0) || (m_integration == 1 && crossings > 1)) return;
        visit(BoardSpot{start, code}, cost);
    };
    for (int code = 1; code <= kDirectionCount; ++code) {
        if (mostPushed > 0) {
            for (const int start : m_board.starts(length, code)) judge(start, code);
            continue;
        }
        // Pushing nothing out, only the starts that clash with no letter need judging.
        m_board.startsWithoutClash(letters, code, m_clashFree);
        for (std::size_t bitWord = 0; bitWord < m_clashFree.size(); ++bitWord)
            for (std::uint64_t bits = m_clashFree[bitWord]; bits != 0; bits &= bits - 1)
                judge(static_cast<int>(bitWord * 64) + std::countr_zero(bits), code);
    }
}

bool PackingGridSearch::pushOwners(int cell, int mostPushed, SpotCost& cost)
{
    for (const int owner : m_board.owners(cell)) {
        if (m_mark[owner] == m_stamp) continue;
        m_mark[owner] = m_stamp;
        if (m_moves - m_placedAt[owner] < kTenure || ++cost.pushed > mostPushed) return false;
        cost.pushedLetters += letterCount(owner);
    }
    return true;
}

bool PackingGridSearch::insideOneWord(int start, int step, int length) const
{
    for (const int owner : m_board.owners(start)) {
        bool everywhere = true;
        for (int i = 1, cell = start + step; i < length && everywhere; ++i, cell += step) {
            const auto& owners = m_board.owners(cell);
            everywhere = std::find(owners.begin(), owners.end(), owner) != owners.end();
        }
        if (everywhere) return true;
    }
    return false;
}

BoardSpot PackingGridSearch::bestSpot(int word, int mostPushed, bool shortestPushed)
{
    BoardSpot best;
    std::tuple bestKey{INT_MAX, INT_MAX, INT_MAX};
    int ties = 0;
    const auto keyOf = [shortestPushed](const SpotCost& cost) {
        return std::tuple{cost.pushed, shortestPushed ? cost.pushedLetters : 0, cost.fresh};
    };
    const auto worth = [&](const SpotCost& cost) { return keyOf(cost) <= bestKey; };
    forEachSpot(word, mostPushed, worth, [&](BoardSpot spot, SpotCost cost) {
        const auto key = keyOf(cost);
        if (key < bestKey) {
            best = spot;
            bestKey = key;
            ties = 1;
        } else if (key == bestKey && m_random.Random(++ties) == 0) {
            best = spot;
        }
    });
    return best;
}

BoardSpot PackingGridSearch::anySpotAsDense(int word, int mostFresh)
{
    BoardSpot chosen;
    int seen = 0;
    const auto worth = [mostFresh](const SpotCost& cost) { return cost.fresh <= mostFresh; };
    forEachSpot(word, 0, worth, [&](BoardSpot spot, SpotCost) {
        if (m_random.Random(++seen) == 0) chosen = spot;
    });
    return chosen;
}

std::vector<int> PackingGridSearch::apply(int word, BoardSpot spot)
{
    std::vector<int> pushed;
    int cell = spot.start;
    for (const char letter : m_words[word].letters) {
        if (!m_board.isEmpty(cell) && m_board.letter(cell) != static_cast<std::uint8_t>(letter))
            for (const int owner : m_board.owners(cell))
                if (std::find(pushed.begin(), pushed.end(), owner) == pushed.end()) pushed.push_back(owner);
        cell += m_board.step(spot.direction);
    }
    for (const int owner : pushed) take(owner);
    put(word, spot);
    return pushed;
}

bool PackingGridSearch::placeIfRoom(int word)
{
    const BoardSpot spot = bestSpot(word, 0);
    if (!spot.onBoard()) return false;
    put(word, spot);
    return true;
}

std::vector<int> PackingGridSearch::wordsLeftOut() const
{
    std::vector<int> left;
    for (int word = 0; word < wordCount(); ++word)
        if (!m_spots[word].onBoard()) left.push_back(word);
    return left;
}

void PackingGridSearch::fillWhatFits()
{
    std::vector<int> left = wordsLeftOut();
    std::vector<std::pair<std::size_t, int>> byPlaces;
    for (const int word : left) byPlaces.emplace_back(m_board.starts(letterCount(word), 1).size(), word);
    for (int code = 2; code <= kDirectionCount; ++code)
        for (auto& [places, word] : byPlaces) places += m_board.starts(letterCount(word), code).size();
    std::stable_sort(byPlaces.begin(), byPlaces.end());
    for (const auto& [places, word] : byPlaces) placeIfRoom(word);
}

void PackingGridSearch::shiftWord()
{
    std::vector<int> placed;
    for (int word = 0; word < wordCount(); ++word)
        if (m_spots[word].onBoard()) placed.push_back(word);
    if (placed.empty()) return;
    const int word = placed[m_random.Random(static_cast<int>(placed.size()))];
    const BoardSpot old = m_spots[word];
    int fresh = 0;
    for (int i = 0, cell = old.start; i < letterCount(word); ++i, cell += m_board.step(old.direction))
        if (m_board.owners(cell).size() == 1) ++fresh;
    take(word);
    const BoardSpot spot = anySpotAsDense(word, fresh);
    put(word, spot.onBoard() ? spot : old);
}

void PackingGridSearch::makeMove()
{
    if (m_random.Random(2) == 0) return shiftWord();
    const std::vector<int> left = wordsLeftOut();
    if (left.empty()) return;
    int word = left[m_random.Random(static_cast<int>(left.size()))];
    if (static_cast<int>(left.size()) > kManyWordsLeft) {
        const int other = left[m_random.Random(static_cast<int>(left.size()))];
        if (letterCount(other) < letterCount(word)) word = other;
    }
    const int mostPushed = m_random.Random(kWideMoveOdds) == 0 ? 2 : 1;
    const BoardSpot spot = bestSpot(word, mostPushed, static_cast<int>(left.size()) <= kEndgameWordsLeft);
    if (!spot.onBoard()) return;
    std::vector<int> retry = apply(word, spot);
    for (int i = 0; i < kRetriesPerMove; ++i) retry.push_back(left[m_random.Random(static_cast<int>(left.size()))]);
    for (const int other : retry)
        if (!m_spots[other].onBoard()) placeIfRoom(other);
}

}  // namespace qm
