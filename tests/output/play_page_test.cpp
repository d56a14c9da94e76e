// The play page: what it lists and shows of a puzzle, that no text of a record reaches it as
// markup, and that the answers are in it only encoded.
#include <gtest/gtest.h>

#include <string>

#include "output/page/word_entries.h"
#include "output/play/answer_code.h"
#include "output/play/play_messages.h"
#include "output/play/play_page.h"
#include "output/play/play_page_file.h"
#include "output/play/play_page_html.h"
#include "output/render_fixtures.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// CAT across row 1, DOG up column 4, EMU not placed between them, a hole at row 3 column 1, and
// a free cell at row 3 column 2 filled with X.
std::unique_ptr<PuzzleRecord> smallPuzzle()
{
    auto record = pageRecord();
    setGrid(*record, {"CATD", "   O", "   G"});
    record->Letters[cellNumber(3, 1) - 1] = 0;
    for (int cell = 1; cell <= kGridCells; ++cell) record->FillLetters[cell - 1] = 'X';
    setWords(*record, {"DOG", "EMU", "CAT"}, {"barks", "runs", "purrs"});
    record->StartCell[0] = static_cast<std::int16_t>(cellNumber(3, 4));
    record->EndCell[0] = static_cast<std::int16_t>(cellNumber(1, 4));
    record->Placed[1] = false;
    record->StartCell[2] = static_cast<std::int16_t>(cellNumber(1, 1));
    record->EndCell[2] = static_cast<std::int16_t>(cellNumber(1, 3));
    record->WordCount = 4;  // a fourth word after the last placed one is not listed
    record->Words[3].assign("YAK");
    record->Generated = true;
    return record;
}

PlayPage compose(const PuzzleRecord& record, PrintOptions options = {})
{
    ScriptedRandom random({});
    return ComposePlayPage(record, options, random);
}

TEST(PlayPage, ListsTheWordsThePrintedPageListsInItsOrder)
{
    const auto record = smallPuzzle();
    const PlayPage page = compose(*record);
    ASSERT_EQ(page.words.size(), 3u);  // YAK, unplaced at the end, is not listed; EMU is
    EXPECT_EQ(page.words[0].entry, "CAT");
    EXPECT_EQ(page.words[0].number, 3);
    EXPECT_TRUE(page.words[0].placed);
    EXPECT_EQ(page.words[1].entry, "DOG");
    EXPECT_EQ(page.words[2].entry, "EMU");
    EXPECT_FALSE(page.words[2].placed);

    PrintOptions clues;
    clues.WordOption = kWordOptionClues;
    clues.AnswerKey = true;  // the play page never gives the words away in its clues
    const PlayPage cluePage = compose(*record, clues);
    EXPECT_TRUE(cluePage.clues);
    EXPECT_EQ(cluePage.words[0].entry, "barks");  // clues keep the stored order and their numbers
    EXPECT_EQ(cluePage.words[2].entry, "purrs");

    PrintOptions partial;
    partial.WordOption = kWordOptionPartial;
    EXPECT_EQ(compose(*record, partial).words[0].entry, "D...G");
}

TEST(PlayPage, CellsOfTheShapeWithTheirLettersHolesLeftOut)
{
    auto record = smallPuzzle();
    record->HiddenPhraseUsed = true;
    PrintOptions lower;
    lower.LowerCase = true;
    const PlayPage page = compose(*record, lower);
    EXPECT_EQ(page.cells.size(), 11u);
    EXPECT_EQ(page.cells[0].letter, "c");
    const PlayCell& free = page.cells[8];  // row 3: columns 2, 3 and 4
    EXPECT_EQ(free.row, 3);
    EXPECT_EQ(free.column, 2);
    EXPECT_EQ(free.letter, "x");
    EXPECT_TRUE(free.phrase);
    EXPECT_FALSE(page.cells[10].phrase);

    const std::string html = PlayPageHtml(page, {});
    EXPECT_NE(html.find(R"(<span role="gridcell" tabindex="-1" data-row="3" data-col="2">x</span>)"),
              std::string::npos);
    EXPECT_NE(html.find(R"(<div role="row"><span class="hole" aria-hidden="true"></span><span role="gridcell")"),
              std::string::npos);
}

TEST(PlayPage, HostileTextsReachThePageAsTextOnly)
{
    auto record = smallPuzzle();
    const std::string hostile = "<img src=x onerror=alert(1)>";
    record->Title.assign(hostile);
    record->BonusQuestion.assign("</script><script>alert(2)</script>");
    record->Words[2].assign("\"><b>'");
    PrintOptions clues;
    clues.WordOption = kWordOptionClues;
    record->Clues[0].assign("</script>");
    for (const PrintOptions& options : {PrintOptions{}, clues}) {
        const std::string html = PlayPageHtml(compose(*record, options), {});
        EXPECT_EQ(occurrences(html, "<img"), 0u);
        EXPECT_EQ(occurrences(html, "<script>"), 1u);
        EXPECT_EQ(occurrences(html, "</script>"), 1u);
        EXPECT_EQ(occurrences(html, "<b>"), 0u);
        EXPECT_NE(html.find("<h1>&lt;img src=x onerror=alert(1)&gt;</h1>"), std::string::npos);
        EXPECT_NE(html.find("<title>&lt;img src=x onerror=alert(1)&gt;</title>"), std::string::npos);
    }
    EXPECT_EQ(HtmlEscaped("a&b<c>d\"e'f"), "a&amp;b&lt;c&gt;d&quot;e&#39;f");
}

TEST(PlayPage, Windows1252TextBecomesUtf8)
{
    auto record = smallPuzzle();
    record->Title.assign("Caf\xE9 \x80 \x93quoted\x94");
    record->Letters[0] = 0xC9;
    const std::string html = PlayPageHtml(compose(*record), {});
    EXPECT_NE(html.find("<h1>Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D</h1>"), std::string::npos);
    EXPECT_NE(html.find("data-col=\"1\">\xC3\x89</span>"), std::string::npos);
    EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
}

TEST(PlayPage, PolicyAllowsOnlyThePagesOwnScriptAndStyle)
{
    const std::string html = PlayPageHtml(compose(*smallPuzzle()), {});
    EXPECT_NE(html.find("content=\"default-src &#39;none&#39;; script-src &#39;sha256-"), std::string::npos);
    EXPECT_EQ(occurrences(html, "unsafe"), 0u);
    EXPECT_EQ(occurrences(html, "http"), 1u);  // only the http-equiv of the policy itself
    EXPECT_EQ(occurrences(html, " style=\""), 0u);
}

TEST(PlayPage, AnswersAreKeptEncodedAndDecodeWithTheGridsKey)
{
    const PlayPage page = compose(*smallPuzzle());
    const std::uint32_t key = AnswerKeyOf(page);
    const std::string encoded = EncodedWords(page, key);
    // Three entries in list order: CAT, DOG, and EMU that cannot be found.
    ASSERT_EQ(occurrences(encoded, " "), 2u);
    EXPECT_EQ(encoded.substr(encoded.size() - 2), " -");
    const std::uint32_t cat = std::stoul(encoded.substr(0, encoded.find(' ')), nullptr, 36) ^ AnswerMask(key, 0);
    EXPECT_EQ(cat >> 12, static_cast<std::uint32_t>(cellNumber(1, 1)));
    EXPECT_EQ(cat & 0xFFF, static_cast<std::uint32_t>(cellNumber(1, 3)));

    // The page carries the encoded list, and neither the plain numbers nor the key.
    const std::string html = PlayPageHtml(page, {});
    EXPECT_NE(html.find("data-answers=\"" + encoded + "\""), std::string::npos);
    for (const std::uint32_t plain : {1u << 12 | 3u, 104u << 12 | 4u})
        EXPECT_EQ(encoded.find(std::to_string(plain)), std::string::npos) << plain;
    EXPECT_EQ(html.find(std::to_string(key)), std::string::npos);

    // Another grid gives another key, and other numbers for the same cells.
    PlayPage other = page;
    other.cells[5].letter = "Q";
    EXPECT_NE(AnswerKeyOf(other), key);
    EXPECT_NE(EncodedWords(other, AnswerKeyOf(other)), encoded);
}

TEST(PlayPage, TheShowAnswersButtonCanBeLeftOut)
{
    const PlayPage page = compose(*smallPuzzle());
    EXPECT_NE(PlayPageHtml(page, {}).find(">Show answers</button>"), std::string::npos);
    EXPECT_EQ(PlayPageHtml(page, {false}).find("id=\"show-answers\""), std::string::npos);
    EXPECT_NE(PlayPageHtml(page, {false}).find(">Start again</button>"), std::string::npos);
}

TEST(PlayPageFile, NamesIndexAndARefusedFile)
{
    EXPECT_EQ(PlayPageFileName(1, "Farm Animals!"), "001-farm-animals.html");
    EXPECT_EQ(PlayPageFileName(12, "<img src=x>"), "012-img-src-x.html");
    EXPECT_EQ(PlayPageFileName(3, "\xC3\xA9t\xC3\xA9"), "003-t.html");
    EXPECT_EQ(PlayPageFileName(4, ""), "004.html");

    const std::string index = PlayIndexHtml("A & B", {{"<b>Cats</b>", "001-cats.html"}});
    EXPECT_NE(index.find("<li><a href=\"001-cats.html\">&lt;b&gt;Cats&lt;/b&gt;</a></li>"), std::string::npos);
    EXPECT_NE(index.find("<h1>A &amp; B</h1>"), std::string::npos);
    EXPECT_EQ(occurrences(index, "<script"), 0u);

    TempDir dir;
    const auto saved = SavePlayPage(compose(*smallPuzzle()), {}, dir / "missing" / "page.html");
    EXPECT_EQ(saved.kind, Ending::Kind::Refused);
    EXPECT_EQ(saved.refusal, PlayMessages::CannotCreatePage);
}

}  // namespace
}  // namespace qm::test
