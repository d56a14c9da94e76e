// One search of "Place Every Word": from one start grid, words left out go in where they push
// out fewest placed words, the pushed ones and others try again where there is room, and placed
// words move to denser spots, until every word is placed or the time is up. The best grid found
// is kept; the search goes back to it, or to another grid as good met on the way, when it falls
// too far behind or finds nothing better.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "collection/puzzle_record.h"
#include "common/random_source.h"
#include "generate/candidates.h"
#include "generate/generation_settings.h"
#include "generate/offensive_word_screen.h"
#include "generate/packing_board.h"
#include "generate/packing_search.h"
#include "layout/shape_record.h"

namespace qm {

class PackingGridSearch {
public:
    using Clock = std::chrono::steady_clock;

    PackingGridSearch(const PuzzleRecord& working, const ShapeRecord& shape, const GenerationSettings& settings,
                      const OffensiveWordScreen& screen, RandomSource& random);

    int wordCount() const { return static_cast<int>(m_words.size()); }
    int bestPlaced() const { return m_bestPlaced; }
    std::int64_t moves() const { return m_moves; }

    // The words a candidate placed go back on the board where it had them; an empty start
    // (nullptr) leaves the board empty.
    void startFrom(const CandidateSlot* start);

    // Goes on until every word is placed, the deadline or the move bound is reached, or the
    // user aborts (then false).
    bool run(Clock::time_point deadline, std::int64_t moveLimit, PackingProgress* progress, int& bestOfRun);

    // The best grid found, as a candidate marked Packed whose score is its words placed.
    void writeBest(CandidateSlot& slot) const;

private:
    // What a spot of a word costs: the placed words it pushes out and their letters, and the
    // cells it writes anew.
    struct SpotCost {
        int pushed = 0;
        int pushedLetters = 0;
        int fresh = 0;
    };

    struct SearchWord {
        int slot;             // 0-based slot of the working record
        std::string letters;  // as the grid holds them
    };

    // A grid that places more words becomes the best. One that places as many replaces it too,
    // though it is no progress, when its words hold more letters (the ones left out are shorter,
    // so easier to fit) or as many in fewer cells (they have more room): going back to the best
    // then goes back to the arrangement nearest to placing another word. True for more words.
    bool keepIfBetter();

    // Words placed, their letters, and fewer cells used: a greater rank is a better grid.
    std::tuple<int, int, int> rank() const { return {m_placed, m_placedLetters, -m_board.usedCells()}; }

    void keepAsBest();
    int letterCount(int word) const { return static_cast<int>(m_words[word].letters.size()); }
    std::int16_t cellOf(int index) const;
    PuzzleGrid gridOf(const std::vector<BoardSpot>& spots) const;
    bool screened() const;

    // The spot of a placed word of the candidate, from its first and last cells, when it lies
    // on the board in an allowed direction and agrees with the letters already there.
    std::optional<BoardSpot> spotOfCandidateWord(int word, int startCell, int endCell);

    void placeCandidateWords(const CandidateSlot& start);
    void put(int word, BoardSpot spot);
    void take(int word);
    void restore(const std::vector<BoardSpot>& spots);
    // Back to the best grid, or half the time to one of the others as good.
    void goBack();
    // Now and then the grid on the board, as good as the best, joins the others kept.
    void maybeKeepAsGoodAsBest();

    // Calls visit(spot, cost) for every spot of the word that pushes out at most mostPushed
    // placed words (none placed in the last few moves) and whose cost worth(cost) accepts. Costs
    // only grow as a spot's cells are counted, so a spot is dropped as soon as worth turns it
    // down: most spots are, which is where the search spends its time.
    template <typename Worth, typename Visit>
    void forEachSpot(int word, int mostPushed, Worth worth, Visit visit);

    // Counts the words standing on a cell a spot would overwrite into its cost; false when one
    // of them may not be pushed out (placed too lately, or one too many).
    bool pushOwners(int cell, int mostPushed, SpotCost& cost);

    // A word that lies wholly inside one placed word (CAT in CATS) would be no word of its own;
    // one whose letters all belong to words crossing it is.
    bool insideOneWord(int start, int step, int length) const;

    // The spot that pushes out fewest words, then (with shortestPushed) fewest letters of them,
    // then writes fewest new cells (crossings make room for other words, which is also what a
    // high integration asks for); ties drawn at random.
    BoardSpot bestSpot(int word, int mostPushed, bool shortestPushed = false);

    // Any spot, drawn at random, that pushes out nothing and writes at most mostFresh new cells.
    BoardSpot anySpotAsDense(int word, int mostFresh);

    // Places the word, pushing out the words in its way; gives them.
    std::vector<int> apply(int word, BoardSpot spot);

    bool placeIfRoom(int word);
    std::vector<int> wordsLeftOut() const;

    // Every word left out that has room, the ones with the fewest places first.
    void fillWhatFits();

    // A placed word moves to the spot where it takes fewest new cells, its own among them: the
    // grid grows denser, or stays as dense in another arrangement.
    void shiftWord();

    // One step: a placed word moves, or a word left out takes the spot that pushes out fewest;
    // the words pushed out and a few others left out go back in where there is room.
    void makeMove();

    const PuzzleRecord& m_working;
    const ShapeRecord& m_shape;
    const GenerationSettings& m_settings;
    const OffensiveWordScreen& m_screen;
    RandomSource& m_random;
    int m_integration;
    PackingBoard m_board;
    std::vector<SearchWord> m_words;
    std::vector<BoardSpot> m_spots;
    std::vector<std::int64_t> m_placedAt;    // the move that last placed each word
    std::vector<std::int64_t> m_mark;        // words already counted for the spot being judged
    std::vector<std::uint64_t> m_clashFree;  // the starts of a word that clash with no letter
    std::int64_t m_stamp = 0;
    std::int64_t m_moves = 0;
    int m_placed = 0;
    int m_placedLetters = 0;
    int m_wordsWithRoom = 0;
    std::vector<BoardSpot> m_best;
    // Other grids placing as many words as the best, to go back to instead of it.
    std::vector<std::vector<BoardSpot>> m_asGoodAsBest;
    int m_bestPlaced = 0;
    std::tuple<int, int, int> m_bestRank;
};

}  // namespace qm
