#include "output/page/clue_text.h"

namespace qm {

std::string ClueText(const PuzzleRecord& record, int index, const PrintOptions& options)
{
    const std::string_view word = record.Words[index].view();
    const std::string clue = record.Clues[index].text();
    if (options.AnswerKey) return "(" + std::string(word) + ") " + clue;
    if (!options.ClueUnderscore) return clue;
    std::string blanks;
    for (std::size_t i = 0; i < word.size(); ++i) blanks += i == 0 ? "_" : " _";
    return "(" + blanks + ") " + clue;
}

WrappedClue WrapClue(const ReportTarget& target, std::string_view text, double width, bool makeItFit)
{
    WrappedClue wrapped;
    std::size_t start = 0;
    do {
        if (wrapped.lineLengths.size() == kMaxClueLines) {
            wrapped.failed = makeItFit;
            break;
        }
        std::size_t end = text.size();
        while (target.textWidth(text.substr(start, end - start)) >= width) {
            // The last word, with the spaces behind it, moves to the next line.
            while (end > start && text[end - 1] == ' ') --end;
            while (end > start && text[end - 1] != ' ') --end;
            if (end == start) {
                wrapped.failed = true;
                return wrapped;
            }
        }
        wrapped.lineLengths.push_back(end - start);
        start = end;
    } while (start < text.size());
    return wrapped;
}

}  // namespace qm
