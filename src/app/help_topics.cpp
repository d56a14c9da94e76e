#include "app/help_topics.h"

#include <optional>
#include <vector>

#include "common/binary_file.h"
#include "common/text_rules.h"

namespace qm {
namespace {

// A heading read as a pattern: its letters, and for each stand-in one character of any kind
// followed by a run of any length.
struct PatternStep {
    enum Kind { Letter, AnyOne, AnyRun } kind;
    char letter = 0;
};

std::vector<PatternStep> patternOf(std::string_view heading)
{
    std::vector<PatternStep> steps;
    for (std::size_t at = 0; at < heading.size(); ++at) {
        const std::size_t close = heading[at] == '<' ? heading.find('>', at) : std::string_view::npos;
        if (close == std::string_view::npos) {
            steps.push_back({PatternStep::Letter, heading[at]});
            continue;
        }
        steps.push_back({PatternStep::AnyOne});
        steps.push_back({PatternStep::AnyRun});
        at = close;
    }
    return steps;
}

// The whole heading, stand-ins and all, matches the whole caption. A run goes back to take one
// character more only when what follows it fails, so any heading costs at most its length times
// the caption's.
bool matchesWhole(std::string_view heading, std::string_view caption)
{
    const std::vector<PatternStep> pattern = patternOf(heading);
    std::size_t step = 0, at = 0;
    std::optional<std::size_t> runStep;
    std::size_t runEnd = 0;
    while (at < caption.size()) {
        const PatternStep* next = step < pattern.size() ? &pattern[step] : nullptr;
        if (next && (next->kind == PatternStep::AnyOne || (next->kind == PatternStep::Letter && next->letter == caption[at]))) {
            ++step;
            ++at;
        } else if (next && next->kind == PatternStep::AnyRun) {
            runStep = step++;
            runEnd = at;
        } else if (runStep) {
            step = *runStep + 1;
            at = ++runEnd;
        } else {
            return false;
        }
    }
    while (step < pattern.size() && pattern[step].kind == PatternStep::AnyRun) ++step;
    return step == pattern.size();
}

}  // namespace

std::optional<std::string> helpPageForKeyword(std::string_view keywordIndex, std::string_view keyword)
{
    keyword = trimmed(keyword);
    for (const std::string_view line : textLines(keywordIndex)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) continue;
        if (!equalsIgnoringCase(trimmed(line.substr(0, equals)), keyword)) continue;
        const std::string_view page = trimmed(line.substr(equals + 1));
        if (!page.empty()) return std::string(page);
    }
    return std::nullopt;
}

bool headingNamesCaption(std::string_view heading, std::string_view caption)
{
    caption = trimmed(caption);
    if (caption.empty()) return false;
    while (true) {
        const std::size_t comma = heading.find(", ");
        if (matchesWhole(trimmed(heading.substr(0, comma)), caption)) return true;
        if (comma == std::string_view::npos) return false;
        heading.remove_prefix(comma + 2);
    }
}

std::optional<std::string> chapterForCaption(const std::vector<HelpPage>& pages, std::string_view caption)
{
    // A window's own chapter heads a page or a part of one; a list that names windows (the keys
    // of each window) does so in headings further down.
    std::optional<std::string> chapter;
    int chapterLevel = 0;
    for (const HelpPage& page : pages) {
        for (std::size_t k = 0; k < page.headings.size(); ++k) {
            const HelpHeading& heading = page.headings[k];
            if (chapter && heading.level >= chapterLevel) continue;
            if (!headingNamesCaption(heading.text, caption)) continue;
            chapter = k == 0 || heading.id.empty() ? page.file : page.file + "#" + heading.id;
            chapterLevel = heading.level;
        }
    }
    return chapter;
}

std::string helpPageFor(const std::filesystem::path& helpFolder, const std::vector<HelpPage>& pages,
                        std::string_view keywordOrCaption)
{
    if (trimmed(keywordOrCaption).empty()) return kHelpContents;
    if (auto index = readWholeFile(helpFolder / kHelpKeywords))
        if (auto page = helpPageForKeyword(index.value(), keywordOrCaption)) return *page;
    return chapterForCaption(pages, keywordOrCaption).value_or(kHelpContents);
}

}  // namespace qm
