#include "generate/word_file.h"

#include "common/binary_file.h"
#include "common/cp1252.h"
#include "common/text_rules.h"

namespace qm {

WordFileLine splitWordLine(std::string_view line, std::optional<char> separator)
{
    const auto at = separator ? line.find(*separator) : std::string_view::npos;
    if (at == std::string_view::npos) return {std::string(line), {}};
    return {std::string(line.substr(0, at)), std::string(line.substr(at + 1))};
}

namespace {

// Splits a line and keeps it when its word is not blank.
void addWordLine(std::vector<WordFileLine>& lines, std::string_view line, std::optional<char> separator)
{
    WordFileLine split = splitWordLine(line, separator);
    if (!trimmed(split.word).empty()) lines.push_back(std::move(split));
}

}  // namespace

WordFileText wordFileText(std::string_view contents)
{
    const DecodedTextFile decoded = decodeTextFile(contents);
    WordFileText file;
    int number = 0;
    for (const std::string_view line : textLines(decoded.text)) {
        ++number;
        if (decoded.encoding == TextFileEncoding::Windows1252) {
            file.lines.emplace_back(line);
            continue;
        }
        Cp1252Conversion converted = convertUtf8ToCp1252(line);
        if (converted.replaced > 0) file.unstorableLines.push_back(number);
        file.lines.push_back(std::move(converted.bytes));
    }
    return file;
}

Result<WordFileText> readWordFileText(const std::filesystem::path& path)
{
    const auto contents = readWholeFile(path);
    if (!contents) return contents.failure();
    return wordFileText(*contents);
}

std::vector<WordFileLine> wordFileLines(std::string_view text, std::optional<char> separator)
{
    std::vector<WordFileLine> lines;
    for (const std::string_view line : textLines(text)) addWordLine(lines, line, separator);
    return lines;
}

Result<WordFile> readWordFile(const std::filesystem::path& path, std::optional<char> separator)
{
    auto text = readWordFileText(path);
    if (!text) return text.failure();
    WordFile file;
    file.unstorableLines = std::move(text->unstorableLines);
    for (const std::string& line : text->lines) addWordLine(file.lines, line, separator);
    return file;
}

}  // namespace qm
