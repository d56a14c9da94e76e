#include "generate/puzzle_fill.h"

#include <optional>

#include "common/text_rules.h"
#include "generate/generate_messages.h"
#include "generate/offensive_word_screen.h"
#include "generate/second_readings.h"

namespace qm {
namespace {

// Calls visit(index) for each free cell of the used rectangle, in reading order.
template <typename Visit>
void forEachFreeCell(const PuzzleRecord& record, Visit visit)
{
    for (int row = 1; row <= record.usedHeight(); ++row)
        for (int column = 1; column <= record.usedWidth(); ++column) {
            const int index = cellNumber(row, column) - 1;
            if (record.Letters[index] == ' ') visit(index);
        }
}

char raisedAscii(char letter)
{
    return letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 'a' + 'A') : letter;
}

}  // namespace

int FreeCells(const PuzzleRecord& record)
{
    int count = 0;
    forEachFreeCell(record, [&count](int) { ++count; });
    return count;
}

std::string freeCellsLabel(int freeCells) { return groupedNumber(freeCells) + " Chars"; }

std::string_view phraseText(std::string_view typed) { return trimmed(typed); }

std::string typedPhraseLabel(std::string_view typed)
{
    return groupedNumber(static_cast<std::int64_t>(phraseText(typed).size())) + " typed";
}

Outcome<FormFocus> CheckPhrase(std::string_view typed, int freeCells, PhraseSource source)
{
    const std::string_view phrase = phraseText(typed);
    if (phrase.find(' ') != std::string_view::npos)
        return refusedAt(source == PhraseSource::Chooser ? GenerateMessages::ChooserPhraseSpaces
                                                         : GenerateMessages::DialogPhraseSpaces,
                         FormField::HiddenPhrase);
    if (static_cast<int>(phrase.size()) != freeCells)
        return refusedAt(GenerateMessages::phraseLength(freeCells, phrase.size()), FormField::HiddenPhrase);
    return Outcome<FormFocus>::done();
}

void fillWithPhrase(PuzzleRecord& record, std::string_view phrase)
{
    std::size_t next = 0;
    forEachFreeCell(record, [&](int index) {
        if (next < phrase.size()) record.FillLetters[index] = static_cast<std::uint8_t>(raisedAscii(phrase[next++]));
    });
}

void fillRandomly(PuzzleRecord& record, RandomSource& random)
{
    forEachFreeCell(record,
                    [&](int index) { record.FillLetters[index] = static_cast<std::uint8_t>('A' + random.Random(26)); });
}

bool showsOffensiveWord(const PuzzleRecord& record, const OffensiveWordScreen& screen)
{
    return screen.TestBadWords(record);
}

ScreenedFill fillRandomlyAndScreen(PuzzleRecord& record, const OffensiveWordScreen& screen, RandomSource& random,
                                   bool avoidSecondReadings)
{
    std::optional<SecondReadingScan> readings;
    if (avoidSecondReadings) readings.emplace(record);
    ScreenedFill fill;
    PuzzleGrid fewest{};
    while (fill.fills < kRandomFillLimit) {
        fillRandomly(record, random);
        ++fill.fills;
        if (screen.TestBadWords(record)) continue;
        const int left = readings ? readings->count(record.FillLetters).usingFill : 0;
        if (!fill.passed || left < fill.secondReadingsLeft) {
            fill.secondReadingsLeft = left;
            fewest = record.FillLetters;
        }
        fill.passed = true;
        if (left == 0) return fill;
    }
    if (fill.passed) record.FillLetters = fewest;
    return fill;
}

std::string currentPhrase(const PuzzleRecord& record)
{
    std::string text;
    forEachFreeCell(record, [&](int index) {
        if (text.size() < kMaxPhraseLength) text.push_back(static_cast<char>(record.FillLetters[index]));
    });
    return text;
}

Outcome<FreeCellsFill> fillFreeCells(PuzzleRecord& record, bool usePhrase, std::string_view typed, PhraseSource source,
                                     const OffensiveWordScreen& screen, RandomSource& random, bool avoidSecondReadings)
{
    record.HiddenPhraseUsed = usePhrase;
    if (usePhrase) {
        const Outcome<FormFocus> check = CheckPhrase(typed, FreeCells(record), source);
        if (check.ok()) fillWithPhrase(record, phraseText(typed));
        return endingOfCheck<FreeCellsFill>(check);
    }
    const ScreenedFill fill = fillRandomlyAndScreen(record, screen, random, avoidSecondReadings);
    Outcome<FreeCellsFill> outcome =
        fill.passed ? Outcome<FreeCellsFill>::done() : refusedAt<FreeCellsFill>(GenerateMessages::RandomFillScreened);
    outcome.value.randomFills = fill.fills;
    outcome.value.secondReadingsLeft = fill.secondReadingsLeft;
    return outcome;
}

}  // namespace qm
