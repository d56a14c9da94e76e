#include "generate/word_file.h"

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"

namespace qm {

std::vector<WordFileLine> wordFileLines(std::string_view text, std::optional<char> separator)
{
    std::vector<WordFileLine> lines;
    for (const std::string_view line : textLines(text)) {
        std::string_view word = line, clue;
        if (const auto at = separator ? line.find(*separator) : std::string_view::npos; at != std::string_view::npos) {
            word = line.substr(0, at);
            clue = line.substr(at + 1);
        }
        if (trimmed(word).empty()) continue;
        lines.push_back({std::string(word), std::string(clue)});
    }
    return lines;
}

Result<std::vector<WordFileLine>> readWordFile(const std::filesystem::path& path, std::optional<char> separator)
{
    const auto contents = readWholeFile(path);
    if (!contents) return contents.failure();
    return wordFileLines(textFileToCp1252(*contents), separator);
}

}  // namespace qm
