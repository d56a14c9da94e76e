// A help page of any bytes, as the help folder of the user's program folder may hold one: read as a
// page, as the contents and as the keyword index, searched, and asked for the chapter of a caption.
// The first line is the search and the caption; the rest is the page.
#include "app/help_contents.h"
#include "app/help_pages.h"
#include "app/help_search.h"
#include "app/help_topics.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace qm;
    const std::string_view input = fuzz::bytesOf(data, size);
    const std::size_t newline = input.find('\n');
    const std::string_view asked = input.substr(0, newline);
    const std::string_view html = newline == std::string_view::npos ? input : input.substr(newline + 1);
    (void)fuzz::inputFile("page.html", html);
    const std::vector<HelpPage> pages = readHelpPages(fuzz::scratchFolder());
    (void)parseHelpContents(html);
    (void)helpPageForKeyword(html, asked);
    (void)searchHelpPages(pages, asked);
    (void)chapterForCaption(pages, asked);
    return 0;
}
