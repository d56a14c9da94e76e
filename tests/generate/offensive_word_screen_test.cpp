// The screen: every line of the grid read both ways, the lines cut by cells outside the shape,
// the user's BADLIST.TXT with its limits, and the one-pass screen finding exactly what the
// line-by-line search finds.
#include <gtest/gtest.h>

#include <set>

#include "common/random_source.h"
#include "generate/offensive_word_screen.h"
#include "generate/screen_cache.h"
#include "support/plain_screen.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

BadWordList listOf(std::initializer_list<std::string_view> entries)
{
    BadWordList list;
    for (const auto entry : entries) list.Entries[list.Count++].assign(entry);
    return list;
}

// A width x height grid of dots with the text written from (row, column) in steps.
std::unique_ptr<PuzzleRecord> gridWith(int width, int height, std::string_view text, int row, int column, int rowStep,
                                       int columnStep)
{
    auto record = std::make_unique<PuzzleRecord>();
    record->Width = static_cast<std::int16_t>(width);
    record->Height = static_cast<std::int16_t>(height);
    record->Letters.fill(' ');
    record->FillLetters.fill(' ');
    for (int r = 1; r <= height; ++r)
        for (int c = 1; c <= width; ++c) record->Letters[cellNumber(r, c) - 1] = '.';
    for (const char letter : text) {
        record->Letters[cellNumber(row, column) - 1] = static_cast<std::uint8_t>(letter);
        row += rowStep;
        column += columnStep;
    }
    return record;
}

struct LineCase {
    const char* name;
    const char* text;
    int row, column, rowStep, columnStep;
    bool found;
    int extraRow = 0, extraColumn = 0;  // a cell holding 'T' besides the text
};

TEST(OffensiveWordScreen, FindsAnEntryAlongEveryLineBothWays)
{
    const LineCase cases[] = {
        {"row forwards", "CAT", 2, 3, 0, 1, true},
        {"row backwards", "TAC", 2, 3, 0, 1, true},
        {"row at the right edge", "CAT", 7, 6, 0, 1, true},
        {"column forwards", "CAT", 1, 4, 1, 0, true},
        {"column backwards, last column", "TAC", 5, 8, 1, 0, true},
        {"down to the right", "CAT", 2, 2, 1, 1, true},
        {"down to the right, backwards, from column 1", "TAC", 5, 1, 1, 1, true},
        {"up to the right", "CAT", 7, 1, -1, 1, true},
        {"up to the right, backwards, in the corner", "TAC", 3, 6, -1, 1, true},
        {"down to the left is the same line as up to the right", "CAT", 1, 5, 1, -1, true},
        {"a line does not run on into the next row", "CA", 3, 7, 0, 1, false, 4, 1},
        {"letters apart", "C.AT", 2, 1, 0, 1, false},
    };
    for (const auto& line : cases) {
        SCOPED_TRACE(line.name);
        const auto record = gridWith(8, 7, line.text, line.row, line.column, line.rowStep, line.columnStep);
        if (line.extraRow > 0) record->Letters[cellNumber(line.extraRow, line.extraColumn) - 1] = 'T';
        const BadWordList list = listOf({"DOG", "CAT"});
        EXPECT_EQ(plainScreenFinds(list, *record), line.found);
        EXPECT_EQ(OffensiveWordScreen(list).TestBadWords(*record), line.found);
    }
}

TEST(OffensiveWordScreen, CellsOutsideTheShapeAndTheRectangleStopAMatch)
{
    const BadWordList list = listOf({"CAT"});
    auto record = gridWith(8, 7, "CAXT", 2, 1, 0, 1);
    record->Letters[cellNumber(2, 3) - 1] = 0;  // outside the shape
    EXPECT_FALSE(plainScreenFinds(list, *record));
    EXPECT_FALSE(OffensiveWordScreen(list).TestBadWords(*record));

    // The letters behind the used width are not part of the puzzle.
    record = gridWith(8, 7, "CAT", 2, 6, 0, 1);
    EXPECT_TRUE(plainScreenFinds(list, *record));
    record->Width = 7;
    EXPECT_FALSE(plainScreenFinds(list, *record));
    EXPECT_FALSE(OffensiveWordScreen(list).TestBadWords(*record));
}

TEST(OffensiveWordScreen, AFreeCellShowsItsFillLetter)
{
    const BadWordList list = listOf({"CAT"});
    auto record = gridWith(8, 7, "C T", 4, 2, 0, 1);
    EXPECT_FALSE(plainScreenFinds(list, *record));
    record->FillLetters[cellNumber(4, 3) - 1] = 'A';
    EXPECT_TRUE(plainScreenFinds(list, *record));
    EXPECT_TRUE(OffensiveWordScreen(list).TestBadWords(*record));
}

TEST(OffensiveWordScreen, AnEmptyEntryMatchesNothing)
{
    const auto record = gridWith(8, 7, "CAT", 2, 3, 0, 1);
    PlainScreen screen(listOf({""}));
    screen.BuildCheckList(*record);
    EXPECT_FALSE(screen.TestBad(""));
    EXPECT_FALSE(screen.TestBadWords());
    EXPECT_FALSE(OffensiveWordScreen(listOf({""})).TestBadWords(*record));
}

TEST(OffensiveWordScreen, AWordSpellsAnEntryAsTheGridWouldHoldIt)
{
    const OffensiveWordScreen screen(listOf({"dam", "", "\xe9t"}));
    struct Case {
        const char* word;
        bool spells;
    } cases[] = {
        {"AMSTERDAM", true}, {"madness", true},  // backwards, in small letters
        {"DA M", true},                          // the grid leaves the space out
        {"D-AM", false},                         // any other character stays
        {"ADAPT", false},                        // no entry
        {"", false},                             // an empty entry matches nothing
        {"b\xe9te", false},                      // the grid raises the word's accents, which the entry keeps small
    };
    for (const Case& c : cases) EXPECT_EQ(screen.spellsBadWord(c.word), c.spells) << c.word;
}

TEST(OffensiveWordScreen, BuiltInListHoldsFiftyEightLowerCaseWords)
{
    const BadWordList list = builtInBadWords();
    ASSERT_EQ(list.Count, kBuiltInBadWords);
    std::set<std::string> distinct;
    for (int i = 0; i < list.Count; ++i) {
        const std::string entry = list.Entries[i].text();
        SCOPED_TRACE(entry);
        EXPECT_GE(entry.size(), 3u);
        EXPECT_LE(entry.size(), 11u);
        EXPECT_TRUE(std::all_of(entry.begin(), entry.end(), [](char c) { return c >= 'a' && c <= 'z'; }));
        distinct.insert(entry);
    }
    EXPECT_EQ(distinct.size(), 58u);
}

TEST(OffensiveWordScreen, UserFileAddsItsFirstSixtyTwoLines)
{
    TempDir directory;
    std::string file;
    for (int line = 1; line <= 70; ++line) file += "word" + std::to_string(line) + (line % 2 ? "\r\n" : "\n");
    writeFile(directory / "BADLIST.TXT", file);
    const BadWordList list = GetBadList(directory.path());
    ASSERT_EQ(list.Count, 120);
    EXPECT_EQ(list.Entries[57].text(), builtInBadWords().Entries[57].text());
    EXPECT_EQ(list.Entries[58].text(), "word1");
    EXPECT_EQ(list.Entries[59].text(), "word2");
    EXPECT_EQ(list.Entries[119].text(), "word62");
}

TEST(OffensiveWordScreen, UserFileLinesAreCutAndKeptAsTheyAre)
{
    TempDir directory;
    // UTF-8 is taken in the record code page: "é" is the byte 0xE9.
    writeFile(directory / "BADLIST.TXT", "abcdefghijklmnopqrstu\n\nMixed Case\r\ncaf\xC3\xA9\rlast");
    const BadWordList list = GetBadList(directory.path());
    ASSERT_EQ(list.Count, 63);
    EXPECT_EQ(list.Entries[58].text(), "abcdefghijklmno");
    EXPECT_EQ(list.Entries[59].text(), "");
    EXPECT_EQ(list.Entries[60].text(), "Mixed Case");
    EXPECT_EQ(list.Entries[61].text(), "caf\xE9");
    EXPECT_EQ(list.Entries[62].text(), "last");

    // Only 'a'..'z' are raised, so an accented entry never meets the capitals of a grid.
    const BadWordList raised = upCasedBadWords(list);
    EXPECT_EQ(raised.Entries[60].text(), "MIXED CASE");
    EXPECT_EQ(raised.Entries[61].text(), "CAF\xE9");
    const auto record = gridWith(8, 7, "CAF\xC9", 2, 2, 0, 1);
    EXPECT_FALSE(OffensiveWordScreen(listOf({"caf\xE9"})).TestBadWords(*record));
}

TEST(OffensiveWordScreen, MissingOrUnreadableFileLeavesTheBuiltInList)
{
    TempDir directory;
    EXPECT_EQ(GetBadList(directory.path()).Count, 58);
    std::filesystem::create_directory(directory / "BADLIST.TXT");  // cannot be read as a file
    EXPECT_EQ(GetBadList(directory.path()).Count, 58);
}

// Random grids over a small alphabet, random entries (palindromes, overlaps, spaces and a byte 0
// among them): the screen and the line-by-line search always agree.
TEST(OffensiveWordScreen, AgreesWithTheLineSearch)
{
    SeededRandom random(42);
    const std::string alphabet = std::string("ABC ", 4) + std::string(1, '\0');
    int found = 0;
    for (int round = 0; round < 400; ++round) {
        BadWordList list;
        list.Count = random.Random(6);
        for (int i = 0; i < list.Count; ++i) {
            std::string entry;
            for (int k = random.Random(5); k > 0; --k)
                entry.push_back(alphabet[random.Random(4 + (random.Random(9) == 0))]);
            list.Entries[i].assign(entry);
        }
        auto record = std::make_unique<PuzzleRecord>();
        record->Width = static_cast<std::int16_t>(random.Random(12));
        record->Height = static_cast<std::int16_t>(random.Random(12));
        for (auto& cell : record->Letters) cell = static_cast<std::uint8_t>(alphabet[random.Random(5)]);
        for (auto& cell : record->FillLetters) cell = static_cast<std::uint8_t>(alphabet[random.Random(3)]);
        const bool expected = plainScreenFinds(list, *record);
        found += expected;
        ASSERT_EQ(OffensiveWordScreen(list).TestBadWords(*record), expected) << "round " << round;
    }
    EXPECT_GT(found, 100);
    EXPECT_LT(found, 300);
}

// The compiled screen is kept between runs only while the list stays as it was: an entry added to
// BADLIST.TXT between two runs is screened in the second.
TEST(ScreenCache, KeptScreenFollowsTheList)
{
    const auto dogGrid = gridWith(6, 6, "DOG", 2, 2, 0, 1);
    ScreenCache screens;
    const auto first = screens.screenOf(listOf({"cat"}));
    EXPECT_EQ(screens.screenOf(listOf({"cat"})), first);
    EXPECT_FALSE(first->TestBadWords(*dogGrid));
    const auto second = screens.screenOf(listOf({"cat", "dog"}));
    EXPECT_TRUE(second->TestBadWords(*dogGrid));
    EXPECT_FALSE(screens.screenOf(listOf({"cat", "dot"}))->TestBadWords(*dogGrid));
    EXPECT_FALSE(first->TestBadWords(*dogGrid)) << "a screen handed out earlier must not change";
}

}  // namespace
}  // namespace qm::test
