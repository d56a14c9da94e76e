#include "output/export/plain_text_export.h"

#include <algorithm>

#include "common/binary_file.h"
#include "output/export/export_messages.h"
#include "output/page/page_setup.h"
#include "output/page/puzzle_grid.h"

namespace qm {
namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr int kDoubleLineSpacing = 2;

// The character of a cell: a space outside the shape, the fill letter in a free cell.
char cellCharacter(const PuzzleRecord& record, int row, int column, bool lowerCase)
{
    const int index = cellNumber(row, column) - 1;
    std::uint8_t letter = record.Letters[index];
    if (letter == 0) return ' ';
    if (letter == ' ') letter = record.FillLetters[index];
    if (letter == 0) return ' ';  // a free cell never filled: no zero byte in a text file
    return static_cast<char>(lowerCase ? LowCaseGridLetter(letter) : letter);
}

}  // namespace

std::string PlainTextPuzzle(const PuzzleRecord& record, const PrintOptions& options)
{
    const std::string letterGap(static_cast<std::size_t>(std::clamp(options.LetterSpacing - 1, 0, 3)), ' ');
    const bool doubleLines = options.LineSpacing == kDoubleLineSpacing;
    const std::string gridLineEnd = doubleLines ? std::string(kLineEnd) + kLineEnd : kLineEnd;

    std::string text = record.Title.text() + kLineEnd + gridLineEnd;
    for (int row = 1; row <= record.usedHeight(); ++row) {
        for (int column = 1; column <= record.usedWidth(); ++column)
            text += letterGap + cellCharacter(record, row, column, options.LowerCase);
        text += gridLineEnd;
    }
    text += kLineEnd;
    for (int i = 0; i < PrintCount(record); ++i) text += record.Words[i].text() + kLineEnd;
    return text;
}

CommandOutcome SavePlainTextPuzzle(const PuzzleRecord& record, const PrintOptions& options,
                                   const std::filesystem::path& path, const FileFaults& faults)
{
    if (Status written = writeFileAtomically(path, PlainTextPuzzle(record, options), faults); !written)
        return CommandOutcome::fromFailure(written.failure(), ExportMessages::TextCannotSave);
    return CommandOutcome::done();
}

}  // namespace qm
