// One start grid's search: the words of its candidate go back where the candidate had them, and
// the cells a candidate stores are not trusted: a word whose cells do not make a straight run of
// its length in an allowed direction, inside the board, agreeing with the letters already there,
// is a word left out.
#include <gtest/gtest.h>

#include "generate/generation_fixtures.h"
#include "generate/packing_grid_search.h"
#include "generate/packing_rule_check.h"

namespace qm::test {
namespace {

const OffensiveWordScreen kNoScreen{BadWordList{}};

struct StoredPlace {
    const char* word;
    int startCell;
    int endCell;
};

// A candidate of the working record's words whose every word is flagged placed at the stored
// cells, whatever they are.
CandidateSlot candidateOf(const PuzzleRecord& working, const std::vector<StoredPlace>& places)
{
    CandidateSlot slot;
    *slot.Record = working;
    for (std::size_t i = 0; i < places.size(); ++i) {
        slot.Record->Words[i].assign(places[i].word);
        slot.Record->StartCell[i] = static_cast<std::int16_t>(places[i].startCell);
        slot.Record->EndCell[i] = static_cast<std::int16_t>(places[i].endCell);
        slot.PlacedFlags[i] = true;
    }
    slot.Record->WordCount = static_cast<std::int16_t>(places.size());
    slot.Score = static_cast<std::int32_t>(places.size());
    return slot;
}

int indexOf(const PuzzleRecord& record, const std::string& word)
{
    for (int index = 0; index < record.usedWordCount(); ++index)
        if (record.Words[index].text() == word) return index;
    return -1;
}

TEST(PackingGridSearch, TheCandidatesWordsGoBackWhereItHadThem)
{
    const auto working = workingRecord({"CAT", "COW", "TOE"}, 5, 5);
    const ShapeRecord shape = fullShape(5, 5);
    GenerationSettings settings;
    const CandidateSlot start = candidateOf(*working, {{"CAT", cellNumber(1, 1), cellNumber(1, 3)},
                                                       {"COW", cellNumber(1, 1), cellNumber(3, 1)},
                                                       {"TOE", cellNumber(1, 3), cellNumber(3, 5)}});
    SeededRandom random(1);
    PackingGridSearch search(*working, shape, settings, kNoScreen, random);
    search.startFrom(&start);
    EXPECT_EQ(search.bestPlaced(), 3);

    CandidateSlot packed;
    search.writeBest(packed);
    EXPECT_TRUE(packed.Packed);
    EXPECT_TRUE(ruleBreaks(packed, shape, settings, 5, 5).empty());
    for (const StoredPlace& place : std::vector<StoredPlace>{{"CAT", cellNumber(1, 1), cellNumber(1, 3)},
                                                             {"COW", cellNumber(1, 1), cellNumber(3, 1)},
                                                             {"TOE", cellNumber(1, 3), cellNumber(3, 5)}}) {
        const int index = indexOf(*packed.Record, place.word);
        ASSERT_GE(index, 0) << place.word;
        EXPECT_EQ(packed.Record->StartCell[index], place.startCell) << place.word;
        EXPECT_EQ(packed.Record->EndCell[index], place.endCell) << place.word;
    }
}

TEST(PackingGridSearch, StoredCellsThatCannotHoldTheirWordLeaveItOut)
{
    // Taken as stored, each refused word would break a rule the check below reads from the grid;
    // the search may still place it afresh where the rules let it.
    const auto working = workingRecord({"CAT", "COW", "ARE", "TIE", "OWL", "EWE", "ANT", "ELM", "TEA"}, 5, 5);
    const ShapeRecord shape = fullShape(5, 5);
    GenerationSettings settings;
    settings.Allowed = {false, false, true, false, true, false, false, false};  // Right and Down
    const CandidateSlot start =
        candidateOf(*working, {{"CAT", cellNumber(1, 1), cellNumber(1, 3)},    // kept
                               {"COW", cellNumber(1, 1), cellNumber(3, 1)},    // kept: crosses CAT on its C
                               {"ARE", cellNumber(1, 2), cellNumber(3, 4)},    // Down Right is not allowed
                               {"TIE", cellNumber(1, 3), cellNumber(1, 6)},    // four cells for three letters
                               {"OWL", cellNumber(2, 1), cellNumber(2, 3)},    // kept: crosses COW on its O
                               {"EWE", cellNumber(1, 4), cellNumber(1, 6)},    // runs off the board
                               {"ANT", 0, cellNumber(1, 3)},                   // no cell
                               {"ELM", -7, 30000},                             // absurd cells
                               {"TEA", cellNumber(1, 1), cellNumber(1, 3)}});  // its T would overwrite CAT's C
    SeededRandom random(1);
    PackingGridSearch search(*working, shape, settings, kNoScreen, random);
    search.startFrom(&start);

    CandidateSlot packed;
    search.writeBest(packed);
    for (const std::string& broken : ruleBreaks(packed, shape, settings, 5, 5)) ADD_FAILURE() << broken;
    for (const char* kept : {"CAT", "COW", "OWL"}) {
        const int index = indexOf(*packed.Record, kept);
        ASSERT_GE(index, 0) << kept;
        EXPECT_TRUE(packed.PlacedFlags[index]) << kept;
    }
    EXPECT_EQ(packed.Record->StartCell[indexOf(*packed.Record, "CAT")], cellNumber(1, 1));
    EXPECT_EQ(packed.Record->StartCell[indexOf(*packed.Record, "OWL")], cellNumber(2, 1));
}

}  // namespace
}  // namespace qm::test
