// Where the help opens for a keyword: a keyword of the keyword index ("Report Window"), or the
// caption of the window the user asked for help in, which heads that window's chapter.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/help_pages.h"

namespace qm {

// Lines of "keyword=page.html" in the help folder; keywords match in any letter case.
inline constexpr const char* kHelpKeywords = "keywords.txt";
// Help > User Manual opens the page of this keyword.
inline constexpr const char* kUserManualKeyword = "User Manual";

// The page of a keyword in the keyword index text, as written there ("page.html" or "page.html#id").
std::optional<std::string> helpPageForKeyword(std::string_view keywordIndex, std::string_view keyword);

// Whether a chapter heading names a window of this caption. A caption that names a file or an
// object ("Border Info for Grid") heads its chapter with a stand-in in angle brackets
// ("Border Info for <object>"), which stands for any text that is not empty. A heading of a
// window that takes one of several captions lists them, ", " between ("Best Fit, Second Best Fit").
bool headingNamesCaption(std::string_view heading, std::string_view caption);

// The chapter the caption heads, the highest heading first (an <h1> before an <h2>), then the
// first page: "page.html" for a page's first heading, "page.html#id" for one inside a page.
std::optional<std::string> chapterForCaption(const std::vector<HelpPage>& pages, std::string_view caption);

// The page the help opens at for a keyword or a caption: the keyword index first, then the
// chapters; the contents when neither knows it.
std::string helpPageFor(const std::filesystem::path& helpFolder, const std::vector<HelpPage>& pages,
                        std::string_view keywordOrCaption);

}  // namespace qm
