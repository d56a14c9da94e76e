// The rules of the editor's word and clue import and export.
#include <gtest/gtest.h>

#include "generate/word_export.h"
#include "generate/word_file.h"
#include "generate/word_import.h"
#include "support/file_fault_sweep.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

WordListRows rowsOf(std::initializer_list<std::pair<const char*, const char*>> filled)
{
    WordListRows rows;
    std::size_t i = 0;
    for (const auto& [word, clue] : filled) rows[i++] = WordListRow{word, clue, false};
    return rows;
}

std::vector<std::pair<std::string, std::string>> filledRows(const WordListRows& rows)
{
    std::vector<std::pair<std::string, std::string>> filled;
    for (const WordListRow& row : rows) filled.emplace_back(row.Word, row.Clue);
    while (!filled.empty() && filled.back().first.empty() && filled.back().second.empty()) filled.pop_back();
    return filled;
}

std::vector<std::string> textsOf(const std::vector<ExportLine>& lines)
{
    std::vector<std::string> texts;
    for (const ExportLine& line : lines) texts.push_back(line.text);
    return texts;
}

using Filled = std::vector<std::pair<std::string, std::string>>;

TEST(WordImport, TheListHoldsTheTrimmedLinesInListOrderWithoutBlankOnes)
{
    const std::vector<std::string> file{"  zebra ",
                                        "",
                                        "   ",
                                        "\t",
                                        "apple",
                                        "Mango",
                                        "\xC9"
                                        "clair",
                                        std::string(300, 'x')};
    EXPECT_EQ(importListLines(file), (std::vector<std::string>{"apple",
                                                               "\xC9"
                                                               "clair",
                                                               "Mango", std::string(255, 'x'), "zebra"}));
}

TEST(WordImport, EachModeFillsTheFirstRowThatFitsIt)
{
    struct Case {
        const char* what;
        WordTextMode mode;
        char separator;
        std::vector<std::string> lines;
        Filled expected;
    } cases[] = {
        {"words fill rows without a word, keeping their clues",
         WordTextMode::Words,
         ':',
         {" LION ", "APE:a clue"},
         {{"CAT", "meows"}, {"LION", "a clue kept"}, {"APE:a clue", "only a clue"}}},
        {"clues go only where neither word nor clue is",
         WordTextMode::Clues,
         ':',
         {"King of beasts", " Swings "},
         {{"CAT", "meows"}, {" ", "a clue kept"}, {"", "only a clue"}, {"", "King of beasts"}, {"", "Swings"}}},
        {"word and clue split at the first separator",
         WordTextMode::WordsAndClues,
         '-',
         {"LION - King - of beasts", "APE", " - a clue alone"},
         {{"CAT", "meows"},
          {" ", "a clue kept"},
          {"", "only a clue"},
          {"LION", "King - of beasts"},
          {"APE", ""},
          {"", "a clue alone"}}},
    };
    for (const Case& c : cases) {
        WordListRows rows = rowsOf({{"CAT", "meows"}, {" ", "a clue kept"}, {"", "only a clue"}});
        importLines(rows, c.lines, c.mode, c.separator);
        EXPECT_EQ(filledRows(rows), c.expected) << c.what;
    }
}

TEST(WordImport, StopsAt330WordsAndNeverFillsRow330)
{
    struct Case {
        int wordsPresent;
        int lines;
        int expectedImported;
        bool row330Filled;  // typed there before
    } cases[] = {
        {0, 400, 329, false},   // rows 1..329 only
        {1, 400, 329, true},    // the word typed in row 330 counts: 329 more make 330
        {300, 100, 29, false},  // the lines beyond row 329 find no row
        {329, 5, 1, true},      // 330 reached
        {329, 5, 0, false},     // no row left among 1..329
        {330, 5, 0, true},      // full: adds nothing
    };
    for (const Case& c : cases) {
        WordListRows rows;
        int typed = c.wordsPresent;
        if (c.row330Filled) {
            rows[329].Word = "LAST";
            --typed;
        }
        for (int i = 0; i < typed; ++i) rows[static_cast<std::size_t>(i)].Word = "W" + std::to_string(i);
        const std::vector<std::string> lines(static_cast<std::size_t>(c.lines), "NEW");
        EXPECT_EQ(importLines(rows, lines, WordTextMode::Words, ':'), c.expectedImported) << c.wordsPresent;
        EXPECT_LE(countWords(rows), kMaxWords);
        EXPECT_EQ(rows[329].Word, c.row330Filled ? "LAST" : "") << c.wordsPresent;
    }
}

TEST(WordImport, AsksBeforeLeavingWordsOut)
{
    EXPECT_EQ(tooManyWordsQuestion(300, 30), std::nullopt);
    EXPECT_EQ(tooManyWordsQuestion(300, 31),
              (Refusal{"Too many words selected.  Last word will not be used.  Continue?", kWarningCaption}));
    EXPECT_EQ(tooManyWordsQuestion(330, 2),
              (Refusal{"Too many words selected.  Last 2 words will not be used.  Continue?", kWarningCaption}));
    EXPECT_EQ(tooManyWordsQuestion(0, 1580),
              (Refusal{"Too many words selected.  Last 1,250 words will not be used.  Continue?", kWarningCaption}));
}

TEST(WordImport, TheSeparatorIsTheEditsCharacter)
{
    EXPECT_EQ(separatorOf(" - "), '-');
    EXPECT_EQ(separatorOf("   "), std::nullopt);
    EXPECT_EQ(separatorOf(""), std::nullopt);
}

TEST(WordExport, EachModeListsItsLinesInListOrderFromRows1To329)
{
    WordListRows rows = rowsOf({{"wolf", "Forest animal"}, {" Ape ", ""}, {"", " a clue alone "}, {"BEAR", "Big"}});
    rows[3].Used = true;
    rows[328] = {"ZEBU", "row 329", false};
    rows[329] = {"ZULU", "row 330 is never listed", false};
    EXPECT_EQ(textsOf(exportLines(rows, WordTextMode::Words, ':')),
              (std::vector<std::string>{"Ape", "BEAR", "wolf", "ZEBU"}));
    EXPECT_EQ(textsOf(exportLines(rows, WordTextMode::Clues, ':')),
              (std::vector<std::string>{"a clue alone", "Big", "Forest animal", "row 329"}));
    const auto both = exportLines(rows, WordTextMode::WordsAndClues, ':');
    EXPECT_EQ(textsOf(both), (std::vector<std::string>{
                                 std::string(31, ' ') + ": a clue alone",
                                 "Ape" + std::string(28, ' ') + ": ",
                                 "BEAR" + std::string(27, ' ') + ": Big",
                                 "wolf" + std::string(27, ' ') + ": Forest animal",
                                 "ZEBU" + std::string(27, ' ') + ": row 329",
                             }));
    EXPECT_TRUE(both[2].used);
    EXPECT_FALSE(both[3].used);
}

TEST(WordExport, AWordLongerThanTheColumnIsKeptWhole)
{
    const std::string longWord(35, 'W');
    const auto lines = exportLines(rowsOf({{longWord.c_str(), "clue"}}), WordTextMode::WordsAndClues, '|');
    EXPECT_EQ(textsOf(lines), (std::vector<std::string>{longWord + "| clue"}));
}

TEST(WordExport, WritesWindows1252LinesEndedByCrLf)
{
    TempDir dir;
    const auto path = dir / "words.txt";
    writeFile(path, "old content that is replaced");
    ASSERT_TRUE(writeExportFile(path, {"caf\xE9", "\x80uro"}).ok());
    EXPECT_EQ(readFile(path), "caf\xE9\r\n\x80uro\r\n");

    const CommandOutcome refused = writeExportFile(dir / "missing" / "words.txt", {"x"});
    EXPECT_EQ(refused.refusal.message, "Unable to create export file.");
}

TEST(WordExport, AFailingWriteKeepsTheFileItWouldReplace)
{
    TempDir dir;
    const auto path = dir / "words.txt";
    test::expectEveryFaultKeepsOldOrNew({"words", [&] { writeFile(path, "last week's words\r\n"); },
                                         [&](const FileFaults& faults) {
                                             return test::writeOutcomeOf(writeExportFile(path, {"OWL", "EMU"}, faults));
                                         },
                                         path});
}

TEST(WordTextTransfer, ExportedWordsAndCluesReadBackUnchanged)
{
    TempDir dir;
    WordListRows rows = rowsOf({{"WOLF", "Forest animal"}, {"Caf\xE9", "A place - for coffee"}, {"EMU", ""}});
    std::vector<std::string> lines;
    for (const ExportLine& line : exportLines(rows, WordTextMode::WordsAndClues, '-')) lines.push_back(line.text);
    ASSERT_TRUE(writeExportFile(dir / "words.txt", lines).ok());

    auto file = readWordFileText(dir / "words.txt");
    ASSERT_TRUE(file);
    WordListRows imported;
    importLines(imported, importListLines(file->lines), WordTextMode::WordsAndClues, '-');
    EXPECT_EQ(filledRows(imported),
              (Filled{{"Caf\xE9", "A place - for coffee"}, {"EMU", ""}, {"WOLF", "Forest animal"}}));
}

TEST(WordTextTransfer, AUtf8FileImportsItsAccentedLettersAsTheSameLetters)
{
    TempDir dir;
    writeFile(dir / "words.txt", "\xEF\xBB\xBF"
                                 "Cr\xC3\xA8me: br\xC3\xBBl\xC3\xA9"
                                 "e\nNi\xC3\xB1o:ni\xC3\xB1"
                                 "a\n");
    auto file = readWordFileText(dir / "words.txt");
    ASSERT_TRUE(file);
    WordListRows rows;
    importLines(rows, importListLines(file->lines), WordTextMode::WordsAndClues, ':');
    EXPECT_EQ(filledRows(rows), (Filled{{"Cr\xE8me", "br\xFBl\xE9"
                                                     "e"},
                                        {"Ni\xF1o", "ni\xF1"
                                                    "a"}}));
}

TEST(WordTextMode, StoredOptionsOutsideTheModesFallBack)
{
    EXPECT_EQ(wordTextModeOf(2, true, WordTextMode::Words), WordTextMode::Clues);
    EXPECT_EQ(wordTextModeOf(3, false, WordTextMode::Clues), WordTextMode::Words);
    EXPECT_EQ(wordTextModeOf(0, true, WordTextMode::WordsAndClues), WordTextMode::WordsAndClues);
    EXPECT_EQ(wordTextModeOf(9, true, WordTextMode::Words), WordTextMode::Words);
}

}  // namespace
}  // namespace qm
