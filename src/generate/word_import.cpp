#include "generate/word_import.h"

#include "collection/puzzle_record.h"
#include "common/text_order.h"
#include "common/text_rules.h"
#include "generate/generate_messages.h"
#include "generate/word_file.h"

namespace qm {
namespace {

bool blank(const std::string& text) { return trimmed(text).empty(); }

// The first row 1..329 the mode may fill, or nothing.
WordListRow* firstFreeRow(WordListRows& rows, WordTextMode mode)
{
    for (int i = 0; i < kWordTextRows; ++i) {
        WordListRow& row = rows[static_cast<std::size_t>(i)];
        const bool free = mode == WordTextMode::Words ? blank(row.Word) : blank(row.Word) && blank(row.Clue);
        if (free) return &row;
    }
    return nullptr;
}

void fillRow(WordListRow& row, std::string_view line, WordTextMode mode, char separator)
{
    switch (mode) {
    case WordTextMode::Words:
        row.Word = trimmedCopy(line);
        break;
    case WordTextMode::Clues:
        row.Clue = trimmedCopy(line);
        break;
    case WordTextMode::WordsAndClues: {
        const WordFileLine split = splitWordLine(line, separator);
        row.Word = trimmedCopy(split.word);
        row.Clue = trimmedCopy(split.clue);
        break;
    }
    }
}

}  // namespace

std::vector<std::string> importListLines(const std::vector<std::string>& fileLines)
{
    std::vector<std::string> lines;
    for (const std::string& line : fileLines) {
        const std::string_view text = trimmed(std::string_view(line).substr(0, kImportLineLimit));
        if (!text.empty()) lines.emplace_back(text);
    }
    sortByListedText(lines, [](const std::string& line) -> std::string_view { return line; });
    return lines;
}

std::optional<Refusal> tooManyWordsQuestion(int wordsPresent, int linesSelected)
{
    const std::int64_t excess = std::int64_t{wordsPresent} + linesSelected - kMaxWords;
    if (excess <= 0) return std::nullopt;
    return GenerateMessages::tooManyWords(excess);
}

int importLines(WordListRows& rows, const std::vector<std::string>& selectedLines, WordTextMode mode, char separator)
{
    int count = countWords(rows);
    int imported = 0;
    for (const std::string& line : selectedLines) {
        if (count >= kMaxWords) break;
        WordListRow* row = firstFreeRow(rows, mode);
        if (!row) continue;
        fillRow(*row, line, mode, separator);
        ++count;
        ++imported;
    }
    return imported;
}

}  // namespace qm
