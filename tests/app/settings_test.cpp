#include "app/settings.h"

#include <cerrno>
#include <cstring>

#include <gtest/gtest.h>

#include "app/profile_file.h"
#include "support/file_fault_sweep.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

class SettingsTest : public ::testing::Test {
protected:
    Settings loadWith(const std::string& ini)
    {
        writeFile(dir / kSettingsFileName, ini);
        return LoadSettings(dir.path());
    }
    TempDir dir;
};

TEST_F(SettingsTest, MissingFileGivesEveryDefault)
{
    const Settings s = LoadSettings(dir.path());
    const std::string wd = dir.path().string();
    EXPECT_EQ(s.Misc.LastImportPuzzleFile, wd);
    EXPECT_EQ(s.Exports.LastExportTextFile, wd);
    EXPECT_EQ(s.Misc.LastGroup, (dir / "DEFAULT.QZ3").string());
    EXPECT_EQ(s.Misc.LastFiles[0], "");
    EXPECT_EQ(s.Misc.WindowSize, 640);
    EXPECT_TRUE(s.Misc.BackgroundBitmap);
    EXPECT_EQ(s.Lexicon.Dictionary, 1);
    EXPECT_TRUE(s.Misc.ShowTips);
    EXPECT_EQ(s.Html.FirstHeader.Text, "My Puzzle");
    EXPECT_TRUE(s.Html.FirstHeader.Bold);
    EXPECT_TRUE(s.Html.FirstHeader.Center);
    EXPECT_EQ(s.Html.FirstHeader.Font, 4);
    EXPECT_EQ(s.Html.SecondFooter.Font, 3);
    EXPECT_EQ(s.Html.WebTitle, "Word Search Puzzle");
    EXPECT_TRUE(s.WordList.UseClues);
    EXPECT_EQ(s.WordList.Generation.Attempts, 1);
    EXPECT_EQ(s.WordList.Generation.Integration, 6);
    EXPECT_EQ(s.WordList.SepChar, ':');
    EXPECT_EQ(s.WordList.ExportOption, 3);
    EXPECT_EQ(s.Lexicon.IntKeys[11], "0242");
    EXPECT_TRUE(s.WordList.AvoidSecondReadings);
    for (bool allowed : s.WordList.Generation.Allowed) EXPECT_TRUE(allowed);
    EXPECT_EQ(s.PageLayout.Zoom, 2);
    EXPECT_EQ(s.PageLayout.DesignerWindowHeight, 480);
    EXPECT_EQ(s.Reports.JpegCompressionQuality, 50);
    EXPECT_TRUE(s.Reports.Print.PrintBonus);
    EXPECT_EQ(s.Reports.Print.LetterSpacing, 2);
    EXPECT_EQ(s.ButtonFont.FontName, "Arial");
}

TEST_F(SettingsTest, LastGroupDefaultsToTheSampleOnlyWithoutADefaultCollection)
{
    writeFile(dir / "SAMPLE.QZ3", "");
    EXPECT_EQ(LoadSettings(dir.path()).Misc.LastGroup, (dir / "SAMPLE.QZ3").string());
    writeFile(dir / "DEFAULT.QZ3", "");
    EXPECT_EQ(LoadSettings(dir.path()).Misc.LastGroup, (dir / "DEFAULT.QZ3").string());
    EXPECT_EQ(loadWith("[Misc]\nLast Group=/x/y.QZ3\n").Misc.LastGroup, "/x/y.QZ3");
}

TEST_F(SettingsTest, BooleansAreTrueOnlyForYesInAnyCase)
{
    const std::pair<const char*, bool> cases[] = {{"yes", true},   {"Yes", true},    {"YES", true}, {" yEs ", true},
                                                  {"True", false}, {"1", false},     {"Y", false},  {"", false},
                                                  {"Yes!", false}, {"\"Yes\"", true}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(loadWith(std::string("[Misc]\nShow Tips=") + text + "\n").Misc.ShowTips, expected) << text;
}

TEST_F(SettingsTest, IntegersTakeTheirLeadingDigits)
{
    const std::pair<const char*, int> cases[] = {{"800", 800},
                                                 {"  800", 800},
                                                 {"+12", 12},
                                                 {"-12", -12},
                                                 {"-12x", 12},
                                                 {"12x", 12},
                                                 {"x12", 0},
                                                 {"", 0},
                                                 {"-", 0},
                                                 {"0x1F", 0},
                                                 {"99999999999999", 2147483647},
                                                 {"-99999999999999", -2147483648LL}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(loadWith(std::string("[Create Options]\nAttempts=") + text + "\n").WordList.Generation.Attempts,
                  expected)
            << text;
    // Window Size is read through a 14-character buffer.
    EXPECT_EQ(loadWith("[Misc]\nWindow Size=00000000000001024\n").Misc.WindowSize, 1);
    EXPECT_EQ(loadWith("[Misc]\nWindow Size=00000000001024\n").Misc.WindowSize, 1024);
}

TEST_F(SettingsTest, TextsAreCutToTheirLimits)
{
    const std::string longPath(300, 'p');
    const Settings s = loadWith("[Misc]\nLast Group=" + longPath + "\nLast File 1=" + longPath +
                                "\n[HTML]\nWeb Title=" + std::string(140, 'w') +
                                "\nFirst Header=" + std::string(1200, 'h') + "\n[Create Options]\nInt Key 3=012345\n");
    EXPECT_EQ(s.Misc.LastGroup, std::string(149, 'p'));
    EXPECT_EQ(s.Misc.LastFiles[0], std::string(254, 'p'));
    EXPECT_EQ(s.Html.WebTitle, std::string(100, 'w'));
    EXPECT_EQ(s.Html.FirstHeader.Text, std::string(999, 'h'));
    EXPECT_EQ(s.Lexicon.IntKeys[2], "0123");
}

TEST_F(SettingsTest, LimitsCountCharactersNotBytes)
{
    std::string title;
    for (int i = 0; i < 120; ++i) title += "\u00E9";
    const Settings s = loadWith("[HTML]\nWeb Title=" + title + "\n");
    EXPECT_EQ(s.Html.WebTitle.size(), 200u);  // 100 two-byte characters
}

TEST_F(SettingsTest, ValuesWrittenOnWindowsInTheirCodePageAreConverted)
{
    EXPECT_EQ(loadWith("[HTML]\r\nWeb Title=Caf\xE9\r\n").Html.WebTitle, "Caf\u00E9");
}

TEST_F(SettingsTest, SepCharIsTheFirstCharacterOrAColon)
{
    EXPECT_EQ(loadWith("[Create Options]\nSep Char=\n").WordList.SepChar, ':');
    EXPECT_EQ(loadWith("[Create Options]\nSep Char=;,\n").WordList.SepChar, ';');
    EXPECT_EQ(loadWith("[Create Options]\nSep Char=\u00A7\n").WordList.SepChar, '\xA7');
    EXPECT_EQ(loadWith("[Create Options]\nSep Char=\"|\"\n").WordList.SepChar, '|');
}

TEST_F(SettingsTest, DirectionKeysMapToTheirCodes)
{
    const Settings s = loadWith("[Create]\nUp=No\nUp Right=no\nRight=Yes\nDown Right=No\nDown=yes\n"
                                "Down Left=0\nLeft=YES\nUp Left=nope\n");
    EXPECT_EQ(s.WordList.Generation.Allowed,
              (std::array<bool, 8>{false, false, true, false, true, false, true, false}));
}

TEST_F(SettingsTest, SavingWritesEveryKeyInTableOrderWithCrLf)
{
    Settings s = LoadSettings(dir.path());
    s.Misc.WindowSize = 1024;
    s.WordList.SepChar = ';';
    s.WordList.Generation.Allowed[0] = false;
    s.LabelFont.Bold = true;
    s.LabelFont.Color = 255;
    ASSERT_TRUE(SaveSettings(s, dir.path()));
    const std::string text = readFile(dir / kSettingsFileName);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    EXPECT_TRUE(text.starts_with("[Misc]\r\nLast Import Puzzle File=" + dir.path().string() + "\r\n"));
    EXPECT_NE(text.find("Window Size=1024\r\n"), std::string::npos);
    EXPECT_NE(text.find("Sep Char=;\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Create]\r\nUp Right=Yes\r\nDown=Yes\r\nDown Right=Yes\r\nLeft=Yes\r\nDown Left=Yes\r\n"
                        "Up=No\r\nUp Left=Yes\r\nRight=Yes\r\n"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("[Button Font]\r\nFont Name=Arial\r\nBold=No\r\nItalic=No\r\nColor=0\r\n"));
    const auto sections = {"[Misc]",    "[HTML]",      "[Create Options]", "[Create]",     "[Page Layout]",
                           "[Reports]", "[Edit Font]", "[Label Font]",     "[Button Font]"};
    std::size_t previous = 0;
    for (const char* section : sections) {
        const std::size_t at = text.find(section);
        ASSERT_NE(at, std::string::npos) << section;
        EXPECT_GE(at, previous) << section;
        previous = at;
    }
    EXPECT_NE(text.find("[Label Font]\r\nFont Name=Arial\r\nBold=Yes\r\nItalic=No\r\nColor=255\r\n"),
              std::string::npos);
    // The keys of our own come after every key the older files know.
    EXPECT_NE(text.find("Line Spacing=1\r\nLast PDF File=\r\nLast Export PNG File=\r\nLast Export SVG File=\r\n\r\n"
                        "[Book]\r\nKeys Per Page=4\r\nPage Numbers=Yes\r\nContents Page=No\r\nFile Order=No\r\n"
                        "Last Book File=\r\n\r\n[Edit Font]"),
              std::string::npos);
    EXPECT_NE(
        text.find(
            "Int Key 12=0242\r\nAvoid Second Readings=Yes\r\nPlace Every Word=No\r\nPacking Seconds=2\r\n\r\n[Create]"),
        std::string::npos);
}

TEST_F(SettingsTest, ASaveThatFailsKeepsTheOldFileAndSaysWhichAndWhy)
{
    const std::string old = "[Misc]\r\nWindow Size=640\r\n";
    writeFile(dir / kSettingsFileName, old);
    const Settings settings = LoadSettings(dir.path());
    test::PlannedFileFaults faults;
    faults.arm(FileStep::Rename, EXDEV);
    const Status saved = SaveSettings(settings, dir.path(), faults);
    ASSERT_FALSE(saved);
    EXPECT_EQ(saved.failure().path, dir / kSettingsFileName);
    EXPECT_EQ(saved.failure().reason, std::strerror(EXDEV));
    EXPECT_EQ(readFile(dir / kSettingsFileName), old);
}

TEST_F(SettingsTest, AFailingSaveKeepsTheSettingsFileWhole)
{
    Settings changed = LoadSettings(dir.path());
    changed.Misc.ShowTips = false;
    test::expectEveryFaultKeepsOldOrNew(
        {"settings", [&] { writeFile(dir / kSettingsFileName, "[Misc]\r\nWindow Size=640\r\n"); },
         [&](const FileFaults& faults) { return test::writeOutcomeOf(SaveSettings(changed, dir.path(), faults)); },
         dir / kSettingsFileName});
}

TEST_F(SettingsTest, SavedSettingsLoadBackUnchanged)
{
    Settings s = LoadSettings(dir.path());
    s.Misc.LastFiles = {"/a/one.QZ3", "", "/c/three.QZ3", "", ""};
    s.Misc.ShowTips = false;
    s.Html.SecondHeader = {"Week 3", true, true, false, 2};
    s.Html.WebTitle = "Caf\u00E9 puzzles";
    s.WordList.Generation.Integration = 0;
    s.WordList.AvoidSecondReadings = false;
    s.Lexicon.IntKeys[0] = "0199";
    s.PageLayout.DefaultPage = 3;
    s.Reports.Print.AnswerKey = true;
    s.Reports.PixelFormat = 2;
    s.Reports.LastPdfFile = "/home/t/Puzzles/Farm é.pdf";
    s.Exports.LastExportSvgFile = "/home/t/Puzzles/Farm.svg";
    s.EditFont = {"Liberation Serif", false, true, 0x00FF8000};
    s.Book = {6, false, true, true, "/home/t/Puzzles/Term 1.pdf"};
    ASSERT_TRUE(SaveSettings(s, dir.path()));
    const Settings back = LoadSettings(dir.path());
    EXPECT_EQ(back.Misc.LastFiles, s.Misc.LastFiles);
    EXPECT_FALSE(back.Misc.ShowTips);
    EXPECT_EQ(back.Html.SecondHeader.Text, "Week 3");
    EXPECT_TRUE(back.Html.SecondHeader.Italic);
    EXPECT_EQ(back.Html.SecondHeader.Font, 2);
    EXPECT_EQ(back.Html.WebTitle, s.Html.WebTitle);
    EXPECT_EQ(back.WordList.Generation.Integration, 0);
    EXPECT_FALSE(back.WordList.AvoidSecondReadings);
    EXPECT_EQ(back.Lexicon.IntKeys[0], "0199");
    EXPECT_EQ(back.PageLayout.DefaultPage, 3);
    EXPECT_TRUE(back.Reports.Print.AnswerKey);
    EXPECT_EQ(back.Reports.PixelFormat, 2);
    EXPECT_EQ(back.Reports.LastPdfFile, s.Reports.LastPdfFile);
    EXPECT_EQ(back.Exports.LastExportSvgFile, s.Exports.LastExportSvgFile);
    EXPECT_EQ(back.EditFont.FontName, "Liberation Serif");
    EXPECT_TRUE(back.EditFont.Italic);
    EXPECT_EQ(back.EditFont.Color, 0x00FF8000);
    EXPECT_EQ(back.Book.KeysPerPage, 6);
    EXPECT_FALSE(back.Book.PageNumbers);
    EXPECT_TRUE(back.Book.ContentsPage);
    EXPECT_TRUE(back.Book.FileOrder);
    EXPECT_EQ(back.Book.LastBookFile, s.Book.LastBookFile);
    // A second save of unchanged settings writes the same text.
    const std::string first = readFile(dir / kSettingsFileName);
    ASSERT_TRUE(SaveSettings(back, dir.path()));
    EXPECT_EQ(readFile(dir / kSettingsFileName), first);
}

// The tip the Tip of the Day starts with is a key of our own, behind the last key of Misc.
TEST_F(SettingsTest, TheNextTipIsKeptBehindShowTips)
{
    EXPECT_EQ(LoadSettings(dir.path()).Misc.NextTip, 0);
    Settings s = LoadSettings(dir.path());
    s.Misc.NextTip = 17;
    ASSERT_TRUE(SaveSettings(s, dir.path()));
    EXPECT_NE(readFile(dir / kSettingsFileName).find("Show Tips=Yes\r\nNext Tip=17\r\n\r\n[HTML]"), std::string::npos);
    EXPECT_EQ(LoadSettings(dir.path()).Misc.NextTip, 17);
}

TEST_F(SettingsTest, SavingKeepsWhatOtherProgramsWroteIntoTheFile)
{
    writeFile(dir / kSettingsFileName, "; notes\r\n[misc]\r\nwindow size=800\r\nMy Own Key=42\r\n[Extra]\r\nz=1\r\n");
    const Settings s = LoadSettings(dir.path());
    EXPECT_EQ(s.Misc.WindowSize, 800);
    const std::string text = settingsFileText(s, dir.path());
    // Keys already in the file keep their places; the others follow them in their section.
    EXPECT_TRUE(text.starts_with("; notes\r\n[misc]\r\nWindow Size=800\r\nMy Own Key=42\r\nLast Import Puzzle File="));
    EXPECT_NE(text.find("[Extra]\r\nz=1\r\n"), std::string::npos);
    EXPECT_EQ(ProfileDocument::parse(text).value("Misc", "my own key"), "42");
}

}  // namespace
}  // namespace qm
