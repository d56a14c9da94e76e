// The web page of the HTML export against files written out by hand, and the picture's name.
#include <gtest/gtest.h>

#include <string>

#include "output/export/export_messages.h"
#include "output/export/html_export.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

const std::string kPageStart = "<HTML>\r\n"
                               " <HEAD>\r\n"
                               "  <TITLE>Word Search Puzzle</TITLE>\r\n"
                               "  <META NAME=\"GENERATOR\" CONTENT=\"Norvale / Quillmaze 97\">\r\n"
                               " </HEAD>\r\n"
                               " <BODY>\r\n";
const std::string kPicture = "  <CENTER><IMG SRC=\"PUZZLE.JPG\" ALT=\"Quillmaze 97 Puzzle\"></CENTER><P>\r\n";
const std::string kPageEnd = " </BODY>\r\n"
                             "</HTML>\r\n";

HtmlSettings noBlocks()
{
    HtmlSettings settings;
    settings.FirstHeader = {};
    return settings;
}

TEST(HtmlExport, DefaultPage)
{
    EXPECT_EQ(HtmlPageText(HtmlSettings{}, "PUZZLE.JPG"),
              kPageStart + "  <CENTER><B><FONT SIZE=4>My Puzzle</FONT></B></CENTER><P>\r\n" + kPicture + kPageEnd);
}

TEST(HtmlExport, EmptyBlocksAndNoRulesLeaveOnlyThePicture)
{
    EXPECT_EQ(HtmlPageText(noBlocks(), "PUZZLE.JPG"), kPageStart + kPicture + kPageEnd);
}

TEST(HtmlExport, BlocksAndRulesInTheirPlaces)
{
    HtmlSettings settings = noBlocks();
    settings.FirstHeader = {"Line one\r\nLine two", false, true, false, 2};  // a two-line memo: one line
    settings.SecondHeader = {"<A HREF=\"x\">R&D</A>", true, true, true, 7};  // written as typed
    settings.FirstFooter = {"Foot", false, false, true, 0};                  // sizes held at 1..7
    settings.SecondFooter = {"Caf\xC3\xA9", true, false, false, 99};         // UTF-8 in, Windows-1252 out
    settings.HorizontalUpper = true;
    settings.HorizontalLower = true;
    EXPECT_EQ(HtmlPageText(settings, "PUZZLE.JPG"), kPageStart +
                                                        "  <I><FONT SIZE=2>Line one\r\nLine two</FONT></I><P>\r\n"
                                                        "  <CENTER><I><B><FONT SIZE=7><A HREF=\"x\">R&D</A></FONT>"
                                                        "</B></I></CENTER><P>\r\n"
                                                        "  <HR><P>\r\n" +
                                                        kPicture +
                                                        "  <HR><P>\r\n"
                                                        "  <CENTER><FONT SIZE=1>Foot</FONT></CENTER><P>\r\n"
                                                        "  <B><FONT SIZE=7>Caf\xE9</FONT></B><P>\r\n" +
                                                        kPageEnd);
}

TEST(HtmlExport, TitleTrimmedAndCutToOneHundredCharacters)
{
    HtmlSettings settings = noBlocks();
    settings.WebTitle = "  " + std::string(60, 'a') + std::string(60, 'b') + "  ";
    const std::string page = HtmlPageText(settings, "PUZZLE.JPG");
    EXPECT_NE(page.find("  <TITLE>" + std::string(60, 'a') + std::string(40, 'b') + "</TITLE>\r\n"), std::string::npos);
}

TEST(HtmlExport, PictureBesideThePageWithItsExtensionReplaced)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/web/PUZZLE.HTM", "/web/PUZZLE.JPG"}, {"/web/page.html", "/web/page.JPG"},  // not page.hJPG
        {"/web/page", "/web/page.JPG"},         {"/web/my.puzzle.htm", "/web/my.puzzle.JPG"},
        {"relative.htm", "relative.JPG"},
    };
    for (const auto& [html, picture] : cases) EXPECT_EQ(HtmlPicturePath(html), picture) << html;
}

TEST(HtmlExport, PictureNamedByARelativeUrl)
{
    const std::pair<const char*, const char*> cases[] = {
        {"PUZZLE.JPG", "PUZZLE.JPG"},
        {"my (2) puzzle.JPG", "my%20(2)%20puzzle.JPG"},
        {"50%#1?\".JPG", "50%25%231%3F%22.JPG"},
        {"caf\xC3\xA9.JPG", "caf%C3%A9.JPG"},  // the UTF-8 bytes of the file's name
    };
    for (const auto& [name, url] : cases)
        EXPECT_NE(HtmlPageText(noBlocks(), name).find("<IMG SRC=\"" + std::string(url) + "\""), std::string::npos)
            << name;
}

TEST(HtmlExport, SavedPageNamesThePictureBesideIt)
{
    TempDir folder;
    ASSERT_TRUE(SaveHtmlPage(HtmlSettings{}, folder / "page.html").ok());
    EXPECT_EQ(readFile(folder / "page.html"), HtmlPageText(HtmlSettings{}, "page.JPG"));

    const CommandOutcome missingFolder = SaveHtmlPage(HtmlSettings{}, folder / "gone" / "page.html");
    EXPECT_EQ(missingFolder.kind, CommandOutcome::Kind::Refused);
    EXPECT_EQ(missingFolder.refusal, ExportMessages::HtmlCannotCreate);
}

}  // namespace
}  // namespace qm::test
