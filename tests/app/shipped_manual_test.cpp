// The manual the program ships: long enough to learn the program from, every link and picture
// there, every page reachable from the contents, and a search that finds what a teacher asks for.
#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "app/help_contents.h"
#include "app/help_pages.h"
#include "app/help_search.h"
#include "app/help_topics.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

const std::filesystem::path kManual = std::filesystem::path(QM_SOURCE_DIR) / "data" / kHelpFolder;
// The pictures' originals, which docs/make_screenshots.sh makes and copies beside the pages:
// pictures/NAME is a copy of docs/NAME.
const std::filesystem::path kScreenshots = std::filesystem::path(QM_SOURCE_DIR) / "docs";

// The values of one attribute in a page's tags, in order.
std::vector<std::string> attributeValues(const std::string& html, const std::string& attribute)
{
    std::vector<std::string> values;
    const std::regex pattern("\\s" + attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    for (std::sregex_iterator at(html.begin(), html.end(), pattern), end; at != end; ++at) values.push_back((*at)[1]);
    return values;
}

bool isExternal(const std::string& link)
{
    return link.rfind("http:", 0) == 0 || link.rfind("https:", 0) == 0 || link.rfind("mailto:", 0) == 0;
}

class ShippedManual : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pages = readHelpPages(kManual); }
    static std::string html(const std::string& file) { return test::readFile(kManual / file); }
    static std::vector<HelpPage> s_pages;
};
std::vector<HelpPage> ShippedManual::s_pages;

TEST_F(ShippedManual, HoldsEnoughToLearnTheProgramFrom)
{
    std::size_t words = 0;
    for (const HelpPage& page : s_pages) words += helpSearchWords(page.text).size();
    EXPECT_GE(words, 8000u);
    for (const HelpPage& page : s_pages) {
        ASSERT_FALSE(page.headings.empty()) << page.file;
        EXPECT_EQ(page.headings.front().level, 1) << page.file;
        EXPECT_EQ(page.headings.front().text, page.title) << page.file;
    }
}

TEST_F(ShippedManual, EveryLinkAndPictureIsThere)
{
    for (const HelpPage& page : s_pages) {
        const std::string text = html(page.file);
        for (const std::string& link : attributeValues(text, "href")) {
            if (isExternal(link)) continue;
            const std::string file = link.substr(0, link.find('#'));
            const std::string target = file.empty() ? page.file : file;
            ASSERT_TRUE(std::filesystem::is_regular_file(kManual / target)) << page.file << " links " << link;
            if (link.find('#') == std::string::npos) continue;
            const std::string id = link.substr(link.find('#') + 1);
            const std::vector<std::string> ids = attributeValues(html(target), "id");
            EXPECT_NE(std::find(ids.begin(), ids.end(), id), ids.end()) << page.file << " links " << link;
        }
        for (const std::string& picture : attributeValues(text, "src")) {
            EXPECT_TRUE(std::filesystem::is_regular_file(kManual / picture)) << page.file << " shows " << picture;
            const std::filesystem::path made = std::filesystem::path(picture).lexically_relative("pictures");
            EXPECT_TRUE(std::filesystem::is_regular_file(kScreenshots / made))
                << page.file << " shows " << picture << ", which the screenshot script does not make";
        }
    }
}

TEST_F(ShippedManual, TheContentsReachEveryPageAndTheKeywordsTheirChapters)
{
    std::set<std::string> listed{kHelpContents};
    for (const HelpContentsEntry& entry : parseHelpContents(html(kHelpContents))) {
        listed.insert(entry.page.substr(0, entry.page.find('#')));
        EXPECT_TRUE(std::filesystem::is_regular_file(kManual / entry.page)) << entry.page;
    }
    for (const HelpPage& page : s_pages) EXPECT_TRUE(listed.count(page.file)) << page.file << " is not in the contents";
    const std::string keywords = html(kHelpKeywords);
    for (const char* keyword : {"User Manual", "Report Window", "WORD SEARCH OBJECTS", "Data Exchange", "Collections",
                                "Screen Size", "Fonts"}) {
        const auto page = helpPageForKeyword(keywords, keyword);
        ASSERT_TRUE(page) << keyword;
        EXPECT_TRUE(std::filesystem::is_regular_file(kManual / page->substr(0, page->find('#')))) << keyword;
    }
    EXPECT_EQ(helpPageForKeyword(keywords, kUserManualKeyword), "getting_started.html");
}

TEST_F(ShippedManual, SearchFindsThePagesThatExplainAHiddenPhrase)
{
    std::vector<std::string> found;
    for (const HelpSearchHit& hit : searchHelpPages(s_pages, "hidden phrase")) found.push_back(hit.file);
    ASSERT_GE(found.size(), 2u);
    const std::vector<std::string> firstThree(found.begin(), found.begin() + std::min<std::size_t>(3, found.size()));
    EXPECT_NE(std::find(firstThree.begin(), firstThree.end(), "hidden_puzzle_phrase.html"), firstThree.end());
    EXPECT_NE(std::find(found.begin(), found.end(), "making_good_puzzles.html"), found.end());
}

}  // namespace
}  // namespace qm
