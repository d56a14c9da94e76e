#include "generate/word_export.h"

#include "common/binary_file.h"
#include "common/text_order.h"
#include "common/text_rules.h"
#include "generate/generate_messages.h"

namespace qm {

std::vector<ExportLine> exportLines(const WordListRows& rows, WordTextMode mode, char separator)
{
    std::vector<ExportLine> lines;
    for (int i = 0; i < kWordTextRows; ++i) {
        const WordListRow& row = rows[static_cast<std::size_t>(i)];
        const std::string word = trimmedCopy(row.Word);
        const std::string clue = trimmedCopy(row.Clue);
        std::string text;
        switch (mode) {
        case WordTextMode::Words:
            text = word;
            break;
        case WordTextMode::Clues:
            text = clue;
            break;
        case WordTextMode::WordsAndClues:
            if (!word.empty() || !clue.empty())
                text = word + std::string(kExportWordWidth - std::min(word.size(), kExportWordWidth), ' ') + separator +
                       ' ' + clue;
            break;
        }
        if (!text.empty()) lines.push_back(ExportLine{std::move(text), row.Used});
    }
    sortByListedText(lines, [](const ExportLine& line) -> std::string_view { return line.text; });
    return lines;
}

std::string exportFileText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) (text += line) += "\r\n";
    return text;
}

CommandOutcome writeExportFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                               const FileFaults& faults)
{
    if (const Status written = writeFileAtomically(path, exportFileText(lines), faults); !written)
        return CommandOutcome::fromFailure(written.failure(), GenerateMessages::CannotCreateExport);
    return CommandOutcome::done();
}

}  // namespace qm
