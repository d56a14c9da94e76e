#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "layout/page_layout_test_support.h"
#include "support/record_images.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::layoutImage;
using test::objectAt;
using test::readFile;
using test::runCommand;
using test::TempDir;
using test::writeFile;

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

class LayoutsCommandsTest : public ::testing::Test {
protected:
    // Runs in the scratch folder, whose QMAZE3.INI gives the default layout.
    test::CommandOutput layouts(const std::string& arguments)
    {
        return runCommand("cd " + quoted(dir.path()) + " && '" + QM_CLI + "' layouts --dir " + quoted(dir.path()) +
                          " " + arguments);
    }

    TempDir dir;
    std::filesystem::path layoutFile = dir / "QZFPAGE.DAT";
    std::string letter = layoutImage("Worksheet", "Letter", 8.5, 11, 408, 528, 3).str();
    std::string poster = layoutImage("Affiche", "Custom", 27.94, 43.18, 558, 863, 0, false).str();
};

TEST_F(LayoutsCommandsTest, ListGivesEveryRecordInFileOrderWithTheDefaultOfTheWorkingFolder)
{
    writeFile(dir / "QMAZE3.INI", "[Page Layout]\r\nDefault Page=1\r\n");
    test::ImageBuilder broken = layoutImage("Caf\xE9", "A4", std::nan(""), 29.7, 0, -1, 99);
    writeFile(layoutFile, letter + poster + broken.str() + "partial");
    const auto result = layouts("list");
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], json({{"index", 0},
                            {"entry", "Worksheet (Letter)"},
                            {"Name", "Worksheet"},
                            {"PaperName", "Letter"},
                            {"PageWidth", 8.5},
                            {"PageHeight", 11.0},
                            {"PixelWidth", 408},
                            {"PixelHeight", 528},
                            {"Inches", true},
                            {"ObjectCount", 3},
                            {"Portrait", true},
                            {"Zoom", 1}}));
    EXPECT_EQ(out[1]["entry"], "Affiche (Custom 28\" x 43\")  <<DEFAULT>>");
    EXPECT_EQ(out[1]["Inches"], false);
    EXPECT_EQ(out[2]["entry"], "Caf\u00E9 (A4)");
    EXPECT_TRUE(out[2]["PageWidth"].is_null());
    EXPECT_EQ(out[2]["ObjectCount"], 20);
}

TEST_F(LayoutsCommandsTest, ListWithoutALayoutFileWarns)
{
    const auto result = layouts("list");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(json::parse(result.out), json::array());
    EXPECT_EQ(result.err, "No saved page layouts could be found.\n");
}

TEST_F(LayoutsCommandsTest, ExportThenImportCopiesTheRecordUnchanged)
{
    writeFile(layoutFile, letter + poster);
    const auto pag = dir / "poster.PAG";
    const auto exported = layouts("export 1 " + quoted(pag));
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(readFile(pag) == "PAG1.0" + poster);
    const auto imported = layouts("import " + quoted(pag));
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(json::parse(imported.out), json({{"index", 2}, {"entry", "Affiche (Custom 28\" x 43\")"}}));
    EXPECT_TRUE(readFile(layoutFile) == letter + poster + poster);
}

TEST_F(LayoutsCommandsTest, RefusalsGiveTheMessagesAndExitOne)
{
    writeFile(layoutFile, letter);
    writeFile(dir / "short.PAG", "PAG1.0" + letter.substr(0, 100));
    writeFile(dir / "shape.PAG", "LAY1.0" + letter);
    struct Case {
        std::string arguments;
        const char* message;
    };
    for (const Case& c :
         {Case{"export 1 " + quoted(dir / "x.PAG"), "No page layout selected."},
          Case{"export -1 " + quoted(dir / "x.PAG"),
               "INDEX: \"-1\" is not a number written in decimal digits\nRun with --help for more information."},
          Case{"export 0 " + quoted(dir / "none" / "x.PAG"), "Page layout could not be exported."},
          Case{"import " + quoted(dir / "short.PAG"), "Page layout file is corrupt or incompatible.  Import aborted."},
          Case{"import " + quoted(dir / "shape.PAG"), "Page layout file is corrupt or incompatible.  Import aborted."},
          Case{"import " + quoted(dir / "none.PAG"), "Page layout could not be imported."},
          Case{"default 1", "No page layout selected."}}) {
        const auto result = layouts(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, std::string(c.message) + "\n") << c.arguments;
    }
    EXPECT_TRUE(readFile(layoutFile) == letter);
    EXPECT_FALSE(std::filesystem::exists(dir / "QMAZE3.INI"));
}

TEST_F(LayoutsCommandsTest, DefaultWritesTheDefaultPageOfTheWorkingFolder)
{
    writeFile(layoutFile, letter + poster);
    writeFile(dir / "QMAZE3.INI", "[Misc]\r\nWindow Size=800\r\n");
    const auto result = layouts("default 1");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string ini = readFile(dir / "QMAZE3.INI");
    EXPECT_NE(ini.find("Default Page=1\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Window Size=800\r\n"), std::string::npos) << "the other settings stay";
    EXPECT_EQ(json::parse(layouts("list").out)[1]["entry"], "Affiche (Custom 28\" x 43\")  <<DEFAULT>>");
}

TEST_F(LayoutsCommandsTest, DumpShowsThePuzzlesLayoutWithItsObjects)
{
    test::ImageBuilder puzzle = test::puzzleImage("Animals", "Farm");
    constexpr std::size_t layout = 66932;
    puzzle.text(layout, "Farm page").text(layout + 21, "Letter").i16(layout + 58, 408).i16(layout + 60, 528);
    puzzle.i16(layout + 63, 2).byte(layout + 62, 1).i16(layout + 66, 1);
    const auto at = [&](int k, std::size_t field) { return layout + objectAt(k, field); };
    puzzle.i16(at(1, 0), 10).text(at(1, 2), "Text 1").i32(at(1, 18), 48).i32(at(1, 22), 400).i32(at(1, 26), 360);
    puzzle.i32(at(1, 30), 430).raw(at(1, 131), std::string("Nom\xE9\0stale", 10)).byte(at(1, 71), 1);
    puzzle.i16(at(2, 0), 99).text(at(2, 2), "Odd");
    puzzle.i16(at(3, 0), 1).text(at(3, 2), "Stale slot");
    writeFile(dir / "Farm.QZ3", puzzle.str());
    const auto result = runCommand(std::string("'") + QM_CLI + "' dump " + quoted(dir / "Farm.QZ3") + " 0");
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out)["Layout"];
    EXPECT_EQ(out["Name"], "Farm page");
    EXPECT_EQ(out["PixelWidth"], 408);
    EXPECT_EQ(out["ObjectCount"], 2);
    ASSERT_EQ(out["Objects"].size(), 2u) << "the stale third slot is left out";
    const json& text = out["Objects"][0];
    EXPECT_EQ(text["Kind"], 10);
    EXPECT_EQ(text["Name"], "Text 1");
    EXPECT_EQ(text["Bounds"], json({48, 400, 360, 430}));
    EXPECT_EQ(text["Text"], "Nom\u00E9");
    EXPECT_EQ(text["FontStyle"], json({true, false, false, false}));
    EXPECT_EQ(out["Objects"][1]["Kind"], 99);
    const std::vector<std::string> names = {
        "Kind",      "Name",        "Bounds",     "FontName",    "FontSize",   "FontColor",   "FontStyle",
        "Font2Name", "Font2Size",   "Font2Color", "Font2Style",  "BlockColor", "LineColor",   "LowerCase",
        "LineWidth", "Alignment",   "Text",       "Transparent", "Columns",    "MakeItFit",   "FillInShape",
        "FillColor", "BorderColor", "UseBorder",  "BorderWidth", "BitmapFile", "UsedFontSize"};
    std::vector<std::string> keys;
    const auto ordered = nlohmann::ordered_json::parse(result.out);
    for (const auto& item : ordered["Layout"]["Objects"][0].items()) keys.push_back(item.key());
    EXPECT_EQ(keys, names);
}

TEST_F(LayoutsCommandsTest, DumpOfABrokenLayoutShowsTwentyObjectsAtMost)
{
    test::ImageBuilder puzzle = test::puzzleImage("A", "B");
    puzzle.i16(66932 + 63, 32767);
    for (int k = 1; k <= 20; ++k) puzzle.raw(66932 + objectAt(k, 131), std::string(1001, 'x'));
    writeFile(dir / "Broken.QZ3", puzzle.str());
    const auto result = runCommand(std::string("'") + QM_CLI + "' dump " + quoted(dir / "Broken.QZ3") + " 0");
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out)["Layout"];
    EXPECT_EQ(out["ObjectCount"], 20);
    ASSERT_EQ(out["Objects"].size(), 20u);
    EXPECT_EQ(out["Objects"][19]["Text"].get<std::string>().size(), 1001u);
}

TEST_F(LayoutsCommandsTest, ChangeRescalesTheObjectsAsTheDesignerDoesAndSavesOverTheRecord)
{
    test::ImageBuilder worksheet = layoutImage("Worksheet", "Letter", 8.5, 11, 408, 528, 1);
    test::addObject(worksheet, 1, 1, 100, 10, 200, 22);
    writeFile(layoutFile, letter + worksheet.str());
    const auto result = layouts("change 1 --unit centimetres --zoom 2");
    ASSERT_EQ(result.status, 0) << result.err;
    const json out = json::parse(result.out);
    // 100 x 1.0583 = 105, then 105 x 1.5 = 157; 8.5 in is 21.59 cm.
    EXPECT_EQ(out["Objects"][0]["Bounds"], json({157, 15, 316, 34}));
    EXPECT_EQ(out["PageWidth"], 21.59);
    EXPECT_EQ(out["Inches"], false);
    EXPECT_EQ(out["Zoom"], 2);
    EXPECT_EQ(out["PixelWidth"], 647);
    const std::string stored = readFile(layoutFile);
    ASSERT_EQ(stored.size(), 2 * test::kLayoutSize) << "the record was overwritten, not appended";
    EXPECT_EQ(stored.substr(0, test::kLayoutSize), letter);

    EXPECT_NE(layouts("change 1 --zoom 4").status, 0);
    EXPECT_NE(layouts("change 5 --paper A4").status, 0);
}

}  // namespace
}  // namespace qm
