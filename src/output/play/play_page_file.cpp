#include "output/play/play_page_file.h"

#include <cstdio>

#include "common/binary_file.h"
#include "output/play/play_messages.h"
#include "output/play/play_page_assets.h"

namespace qm {

CommandOutcome SavePlayPage(const PlayPage& page, const PlayPageOptions& options, const std::filesystem::path& file,
                            const FileFaults& faults)
{
    if (Status written = writeFileAtomically(file, PlayPageHtml(page, options), faults); !written)
        return CommandOutcome::fromFailure(written.failure(), PlayMessages::CannotCreatePage);
    return CommandOutcome::done();
}

std::string PlayIndexHtml(const std::string& heading, const std::vector<PlayIndexEntry>& entries)
{
    // The index has no script at all; it shares the pages' style for its look.
    const std::string policy = std::string("default-src 'none'; style-src '") + kPlayStyleHash +
                               "'; base-uri 'none'; form-action 'none'";
    std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta http-equiv=\"Content-Security-Policy\" content=\"" + HtmlEscaped(policy) + "\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<meta name=\"generator\" content=\"Quillmaze 98\">\n<title>" + HtmlEscaped(heading) +
                       "</title>\n<style>" + kPlayStyle + "</style>\n</head>\n<body class=\"index\">\n<main>\n<h1>" +
                       HtmlEscaped(heading) + "</h1>\n<section class=\"list\"><ol class=\"puzzles\">\n";
    for (const PlayIndexEntry& entry : entries)
        html += "<li><a href=\"" + HtmlEscaped(entry.fileName) + "\">" + HtmlEscaped(entry.title) + "</a></li>\n";
    return html + "</ol></section>\n</main>\n</body>\n</html>\n";
}

std::string PlayPageFileName(int number, const std::string& title)
{
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "%03d", number);
    std::string name = prefix;
    bool inWord = false;
    for (const char c : title) {
        const bool digit = c >= '0' && c <= '9';
        const bool lower = c >= 'a' && c <= 'z';
        const bool upper = c >= 'A' && c <= 'Z';
        if (digit || lower || upper) {
            if (!inWord) name += '-';
            inWord = true;
            name += upper ? static_cast<char>(c - 'A' + 'a') : c;
        } else {
            inWord = false;
        }
    }
    return name + ".html";
}

}  // namespace qm
