#include "generate/generate_messages.h"

#include <algorithm>

#include "collection/puzzle_record.h"
#include "common/text_rules.h"

namespace qm::GenerateMessages {
namespace {

// A message names this many line numbers at most and counts the rest.
constexpr std::size_t kNamedLines = 10;

std::string count(std::size_t value) { return groupedNumber(static_cast<std::int64_t>(value)); }

}  // namespace

Refusal wordTooLong(std::string_view word, std::size_t largestSide)
{
    return {"Word is greater than puzzle dimension size of " + count(largestSide) + " characters in \"" +
                std::string(word) + "\".",
            kErrorCaption};
}

Refusal clueTooLong(std::string_view word, std::size_t excess)
{
    return {"The length of the clue for the word \"" + std::string(word) + "\" is " + count(excess) +
                " characters longer than the maximum clue size of " + count(kClueLimit) + ".",
            kErrorCaption};
}

Refusal screenedWord(std::string_view word)
{
    return {std::string(EveryAttemptScreened) + "  The word \"" + std::string(word) +
                "\" spells one by itself.  Please change it or remove it.",
            kErrorCaption};
}

Refusal phraseLength(int freeCells, std::size_t typed)
{
    return {groupedNumber(freeCells) + " characters are required for the hidden phrase." + "  You have entered " +
                count(typed) + " characters." + "  Please change your phrase or select not to use a phrase.",
            kErrorCaption};
}

Refusal secondReadingsLeft(int secondReadings)
{
    return {"The random letters keep spelling a listed word a second time.  The puzzle was saved with " +
                groupedNumber(secondReadings) + (secondReadings == 1 ? " second reading." : " second readings."),
            kNoticeCaption};
}

Refusal tooManyWords(std::int64_t excess)
{
    const std::string lost = excess == 1 ? "word" : groupedNumber(excess) + " words";
    return {"Too many words selected.  Last " + lost + " will not be used.  Continue?", kWarningCaption};
}

Refusal unstorableLines(const std::vector<int>& lineNumbers)
{
    const std::size_t named = std::min(lineNumbers.size(), kNamedLines);
    std::string numbers;
    for (std::size_t i = 0; i < named; ++i) {
        if (i > 0) numbers += i + 1 == named && named == lineNumbers.size() ? " and " : ", ";
        numbers += groupedNumber(lineNumbers[i]);
    }
    if (named < lineNumbers.size()) numbers += " and " + count(lineNumbers.size() - named) + " more";
    const bool one = lineNumbers.size() == 1;
    return {(one ? "Line " : "Lines ") + numbers + (one ? " holds" : " hold") +
                " characters that a puzzle cannot store.  They are replaced by \"?\".",
            kWarningCaption};
}

}  // namespace qm::GenerateMessages
