// The pages of the manual as the help window searches and opens them: each page's title, its
// headings (the chapters a window's caption or a keyword lands on) and its text without markup.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

inline constexpr const char* kHelpFolder = "help";
inline constexpr const char* kHelpContents = "index.html";
// A page larger than this is no page of the manual and is left unread.
inline constexpr std::uintmax_t kLargestHelpPage = 1024 * 1024;

struct HelpHeading {
    int level = 1;       // 1 for <h1>, 2 for <h2>, ...
    std::string id;      // the heading's id, the place a link names after '#'; may be empty
    std::string text;    // without markup, entities decoded (UTF-8)
};

struct HelpPage {
    std::string file;    // "reports.html"
    std::string title;   // the <title>, else the first heading, else the file name
    std::vector<HelpHeading> headings;
    std::string text;    // the body's words without markup, entities decoded, blanks folded
    std::vector<std::string> links;  // every href, as written
};

// The page of html text saved as file. Markup that does not close is read up to the end of the text.
HelpPage parseHelpPage(std::string file, std::string_view html);

// Every *.html page of the folder, by file name; unreadable or oversized files are left out.
std::vector<HelpPage> readHelpPages(const std::filesystem::path& folder);

// Markup stripped from html: tags dropped (a block tag leaves a blank), entities decoded, blanks folded.
std::string plainTextOfHtml(std::string_view html);

}  // namespace qm
