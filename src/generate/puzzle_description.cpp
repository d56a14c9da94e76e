#include "generate/puzzle_description.h"

#include <charconv>
#include <memory>

#include "common/text_rules.h"
#include "generate/word_file.h"

namespace qm {
namespace {

template <typename Number>
std::optional<Number> numberIn(std::string_view text, Number lowest, Number highest)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

class DescriptionReader {
public:
    explicit DescriptionReader(const std::filesystem::path& source) : m_source(source) {}

    Status key(int line, std::string_view key, std::string_view value);
    PuzzleDescription& description() { return *m_description; }

private:
    Failure bad(int line, const std::string& why) const
    {
        return Failure{FailureKind::BadContent, m_source, "line " + std::to_string(line) + ": " + why};
    }

    std::filesystem::path m_source;
    std::unique_ptr<PuzzleDescription> m_description = std::make_unique<PuzzleDescription>();
};

Status DescriptionReader::key(int line, std::string_view key, std::string_view value)
{
    PuzzleDescription& d = *m_description;
    if (key == "Category") {
        d.form.Category = std::string(value);
    } else if (key == "Title") {
        d.form.Title = std::string(value);
    } else if (key == "Bonus") {
        d.form.BonusQuestion = std::string(value);
    } else if (key == "Phrase") {
        d.phrase = std::string(value);
    } else if (key == "Attempts") {
        if (!numberIn(value, 1, kMaxAttempts)) return bad(line, "the attempts are a whole number 1 to 999");
        d.form.AttemptsText = std::string(value);
    } else if (key == "Shape" || key == "Layout") {
        const auto index = numberIn(value, 0, 32767);
        if (!index) return bad(line, "a shape or layout is a record number from 0");
        (key == "Shape" ? d.shapeIndex : d.layoutIndex) = *index;
    } else if (key == "Integration") {
        const auto integration = numberIn(value, 0, kMaxIntegration);
        if (!integration) return bad(line, "the integration is a whole number 0 to 6");
        d.settings.Integration = *integration;
    } else if (key == "Shrink") {
        if (value != "yes" && value != "no") return bad(line, "shrink is yes or no");
        d.settings.Shrink = value == "yes";
    } else if (key == "Directions") {
        const NamedDirections named = directionsFromNames(value);
        if (named.unknown) return bad(line, "unknown direction \"" + *named.unknown + "\"");
        d.settings.Allowed = named.allowed;
    } else if (key == "Seed") {
        const auto seed = numberIn<std::uint64_t>(value, 0, UINT64_MAX);
        if (!seed) return bad(line, "the seed is a whole number");
        d.seed = *seed;
    } else {
        return bad(line, "unknown key \"" + std::string(key) + "\"");
    }
    return {};
}

}  // namespace

Result<PuzzleDescription> parsePuzzleDescription(std::string_view text, const std::filesystem::path& source)
{
    DescriptionReader reader(source);
    const std::vector<std::string_view> lines = textLines(text);
    std::size_t next = 0;
    for (; next < lines.size(); ++next) {
        const std::string_view line = trimmed(lines[next]);
        if (line.empty() || line.front() == ';') continue;
        const int number = static_cast<int>(next) + 1;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return Failure{FailureKind::BadContent, source, "line " + std::to_string(number) + ": no \"Key: value\""};
        const std::string_view key = trimmed(line.substr(0, colon));
        if (key == "Words") break;
        if (Status read = reader.key(number, key, trimmed(line.substr(colon + 1))); !read) return read.failure();
    }
    if (next == lines.size()) return Failure{FailureKind::BadContent, source, "no \"Words:\" line"};

    std::string words;
    for (++next; next < lines.size(); ++next) (words += lines[next]) += '\n';
    const std::vector<WordFileLine> rows = wordFileLines(words, ':');
    if (rows.empty() || rows.size() > static_cast<std::size_t>(kMaxWords))
        return Failure{FailureKind::BadContent, source, "1 to 330 words are needed"};
    PuzzleDescription& description = reader.description();
    for (std::size_t i = 0; i < rows.size(); ++i)
        description.form.Rows[i] = {trimmedCopy(rows[i].word), trimmedCopy(rows[i].clue), false};
    return std::move(description);
}

}  // namespace qm
