// The manual as the help window reads it: pages, their chapters, the contents, the search, and
// where a keyword or a window's caption opens the help.
#include <gtest/gtest.h>

#include "app/help_contents.h"
#include "app/help_pages.h"
#include "app/help_search.h"
#include "app/help_topics.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

std::string page(const std::string& title, const std::string& body)
{
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>" + title +
           "</title>\n<link rel=\"stylesheet\" href=\"help.css\"></head><body>\n" + body + "\n</body></html>\n";
}

TEST(HelpPages, ReadTitleHeadingsLinksAndTextWithoutMarkup)
{
    const HelpPage read = parseHelpPage(
        "reports.html",
        page("Reports &amp; Prints",
             "<h1 id=\"top\">Reports</h1>\n<p>Choose <b>Print</b>,<br>then&nbsp;OK &lt;or&gt; Cancel.</p>"
             "<!-- <h2>not a heading</h2> -->\n<h2 id='size'>Size &amp; Location of &lt;object&gt;</h2>"
             "<p>See <a href=\"page_objects.html#fill\">fill</a> and <A HREF=glossary.html>terms</A>.</p>"
             "<p>&#233;t&#xE9; &bogus; &amp</p>"));
    EXPECT_EQ(read.title, "Reports & Prints");
    ASSERT_EQ(read.headings.size(), 2u);
    EXPECT_EQ(read.headings[0].level, 1);
    EXPECT_EQ(read.headings[0].id, "top");
    EXPECT_EQ(read.headings[1].id, "size");
    EXPECT_EQ(read.headings[1].text, "Size & Location of <object>");
    EXPECT_EQ(read.links, (std::vector<std::string>{"page_objects.html#fill", "glossary.html"}));
    EXPECT_EQ(read.text, "Reports Choose Print, then OK <or> Cancel. Size & Location of <object> See fill and terms. "
                         "\xC3\xA9t\xC3\xA9 &bogus; &amp");
}

TEST(HelpPages, MarkupThatNeverClosesEndsWithTheText)
{
    for (const char* broken : {"<h1 id=\"a", "<title>Half", "<p>text <a href=\"x.html\">link", "<!-- open", "<",
                               "&#99999999;&#xD800;", "<h2>x</h3>"}) {
        const HelpPage read = parseHelpPage("broken.html", broken);
        EXPECT_FALSE(read.title.empty()) << broken;
    }
    EXPECT_EQ(parseHelpPage("x.html", "<p>&#xD800;</p>").text, "\xEF\xBF\xBD");
    EXPECT_EQ(parseHelpPage("x.html", "<body>no title</body>").title, "x.html");
}

TEST(HelpPages, TheFolderGivesItsHtmlPagesInFileOrder)
{
    test::TempDir dir;
    test::writeFile(dir / "b.html", page("Bee", "<h1>Bee</h1>"));
    test::writeFile(dir / "A.HTML", page("Ant", "<h1>Ant</h1>"));
    test::writeFile(dir / "keywords.txt", "Bee=b.html\n");
    test::writeFile(dir / "huge.html", std::string(kLargestHelpPage + 1, 'x'));
    std::filesystem::create_directory(dir / "folder.html");
    const std::vector<HelpPage> pages = readHelpPages(dir.path());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].title, "Ant");
    EXPECT_EQ(pages[1].file, "b.html");
    EXPECT_TRUE(readHelpPages(dir / "missing").empty());
}

TEST(HelpContents, NestedListsGiveTheTreeOfChapters)
{
    const std::vector<HelpContentsEntry> contents = parseHelpContents(
        "<p><a href=\"getting_started.html\">outside any list</a></p>"
        "<ul class=\"contents\"><li><a href=\"a.html\">Main <b>Window</b></a>\n <ul>\n <li><a href=\"b.html#x\">Word "
        "List</a></li></ul></li>\n<li><a href=\"c.html\">Glossary</a></li></ul><ul><li><a href=\"broken.html\">never "
        "closes");
    ASSERT_EQ(contents.size(), 3u);
    EXPECT_EQ(contents[0].depth, 0);
    EXPECT_EQ(contents[0].title, "Main Window");
    EXPECT_EQ(contents[1].depth, 1);
    EXPECT_EQ(contents[1].page, "b.html#x");
    EXPECT_EQ(contents[2].depth, 0);
    EXPECT_EQ(contents[2].title, "Glossary");
}

TEST(HelpSearch, PagesHoldingEveryWordComePhraseFirst)
{
    const std::vector<HelpPage> pages = {
        parseHelpPage("index.html", page("Contents", "<p>hidden phrase hidden phrase</p>")),
        parseHelpPage("apart.html", page("Apart", "<p>The phrase is hidden, hidden, hidden.</p>")),
        parseHelpPage("phrase.html", page("Phrase", "<p>A Hidden Phrases chapter.</p>")),
        parseHelpPage("one.html", page("One", "<p>Only hidden.</p>")),
        parseHelpPage("title.html", page("Hidden Phrase", "<p>Nothing else.</p>")),
    };
    std::vector<std::string> found;
    for (const HelpSearchHit& hit : searchHelpPages(pages, "  HIDDEN, phrase ")) found.push_back(hit.file);
    EXPECT_EQ(found, (std::vector<std::string>{"phrase.html", "title.html", "apart.html"}));
    EXPECT_TRUE(searchHelpPages(pages, " ,;").empty());
    EXPECT_TRUE(searchHelpPages(pages, "hidden zebra").empty());
    EXPECT_EQ(helpSearchWords("Caf\xC3\xA9 au-lait"), (std::vector<std::string>{"caf\xC3\xA9", "au", "lait"}));
}

TEST(HelpTopics, KeywordsMatchInAnyCaseAndTheirLineAsWritten)
{
    const std::string index = "# comment line\n=nothing\nReport Window = reports.html \r\nEmpty=\nUser Manual=a.html#b\n";
    EXPECT_EQ(helpPageForKeyword(index, "report window"), "reports.html");
    EXPECT_EQ(helpPageForKeyword(index, "User Manual"), "a.html#b");
    EXPECT_FALSE(helpPageForKeyword(index, "Empty"));
    EXPECT_FALSE(helpPageForKeyword(index, "Report"));
    EXPECT_FALSE(helpPageForKeyword("", "Report Window"));
}

TEST(HelpTopics, AStandInOfAHeadingTakesAnyTextOfTheCaption)
{
    EXPECT_TRUE(headingNamesCaption("Reports", "Reports"));
    EXPECT_FALSE(headingNamesCaption("Reports", "Report"));
    EXPECT_FALSE(headingNamesCaption("Create New Puzzle", "Create New Puzzle (copy of existing puzzle)"));
    EXPECT_TRUE(headingNamesCaption("Border Info for <object>", "Border Info for Grid"));
    EXPECT_FALSE(headingNamesCaption("Border Info for <object>", "Border Info for "));
    EXPECT_TRUE(headingNamesCaption("Quillmaze 98 (<collection>)", "Quillmaze 98 (SAMPLE)"));
    EXPECT_FALSE(headingNamesCaption("Quillmaze 98 (<collection>)", "Quillmaze 98 (SAMPLE"));
    EXPECT_TRUE(headingNamesCaption("<a> and <b>", "x and y and z"));
    EXPECT_TRUE(headingNamesCaption("Best Fit, Second Best Fit", "Second Best Fit"));
    EXPECT_TRUE(headingNamesCaption("Label Font, <object> Font", "Word List Font"));
    EXPECT_FALSE(headingNamesCaption("Best Fit, Second Best Fit", "Best Fit, Second"));
    EXPECT_FALSE(headingNamesCaption("Reports", ""));
    std::string manyStandIns;
    for (int k = 0; k < 30; ++k) manyStandIns += "<x>";
    EXPECT_TRUE(headingNamesCaption(manyStandIns, std::string(30, 'a')));
    EXPECT_FALSE(headingNamesCaption(manyStandIns, std::string(29, 'a')));
    EXPECT_FALSE(headingNamesCaption(manyStandIns + "!", std::string(400, 'a'))) << "and at once";
}

TEST(HelpTopics, TheKeywordIndexThenTheChaptersThenTheContents)
{
    test::TempDir dir;
    test::writeFile(dir / kHelpKeywords, "Report Window=reports.html\n");
    const std::vector<HelpPage> pages = {
        parseHelpPage("keys.html", page("Keys", "<h1>Keys</h1><h2 id=\"reports\">Reports</h2><h3 id=\"c\">Multi-Copies</h3>")),
        parseHelpPage("reports.html",
                      page("Reports", "<h1 id=\"top\">Reports</h1><h2 id=\"copies\">Multi-Copies</h2><h2>Bonus</h2>")),
        parseHelpPage("objects.html", page("Objects", "<h1>Objects</h1><h2 id=\"border\">Border Info for &lt;object&gt;</h2>")),
    };
    EXPECT_EQ(helpPageFor(dir.path(), pages, "REPORT WINDOW"), "reports.html");
    EXPECT_EQ(helpPageFor(dir.path(), pages, "Reports"), "reports.html");
    EXPECT_EQ(helpPageFor(dir.path(), pages, "Multi-Copies"), "reports.html#copies");
    // A heading without an id still lands on its page.
    EXPECT_EQ(helpPageFor(dir.path(), pages, "Bonus"), "reports.html");
    EXPECT_EQ(helpPageFor(dir.path(), pages, "Border Info for Title"), "objects.html#border");
    EXPECT_EQ(helpPageFor(dir.path(), pages, "Unknown Window"), kHelpContents);
    EXPECT_EQ(helpPageFor(dir.path(), pages, ""), kHelpContents);
    EXPECT_EQ(helpPageFor(dir / "missing", pages, "Reports"), "reports.html");
}

}  // namespace
}  // namespace qm
