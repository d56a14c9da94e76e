// The render command: options from the settings, the layout and the flags; the page file as
// JSON; PDF files and pictures; the program's refusals; the fit warnings; and the shipped sample
// collection, which must print without one.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <memory>

#include "collection/collection_file.h"
#include "output/page/render_messages.h"
#include "output/print/print_messages.h"
#include "support/cli_command.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::readFile;
using test::runCommand;
using test::shellQuoted;
using test::TempDir;
using test::writeFile;

const std::filesystem::path kSample = std::filesystem::path(QM_PROGRAM_DIR) / "SAMPLE.QZ3";
// The samples, by index: Farm Animals on the Letter worksheet, Ocean Life on A4, The Planets with
// the bonus question, Ball Games in landscape.
constexpr int kFarmAnimals = 0, kOceanLife = 1, kPlanets = 3, kBallGames = 6;

std::unique_ptr<PuzzleRecord> samplePuzzle(int index)
{
    return std::move(CollectionFile(kSample).ReadPuzzle(index)).value();
}

int sampleCount() { return static_cast<int>(CollectionFile(kSample).ListPuzzles().PuzzleEntries.size()); }

// The letter the grid shows in its top-left cell: a word's, or the fill letter of a free cell.
std::string firstGridLetter(const PuzzleRecord& record)
{
    const std::uint8_t letter = record.Letters[0] == ' ' ? record.FillLetters[0] : record.Letters[0];
    return std::string(1, static_cast<char>(letter));
}

std::vector<std::string> placedWords(const PuzzleRecord& record)
{
    std::vector<std::string> words;
    for (int i = 0; i < record.WordCount; ++i)
        if (record.Placed[i]) words.emplace_back(record.Words[i].view());
    return words;
}

class RenderCommandTest : public ::testing::Test {
protected:
    // Runs in the scratch folder, whose QMAZE3.INI gives the print options.
    test::CommandOutput render(const std::filesystem::path& collection, int index, const std::string& arguments)
    {
        return runCommand("cd " + shellQuoted(dir.path()) + " && '" + QM_CLI + "' render " + shellQuoted(collection) +
                          " " + std::to_string(index) + " " + arguments);
    }
    // The page file of a rendering that must succeed, and what the command printed.
    std::pair<json, json> pageOf(const std::filesystem::path& collection, int index, const std::string& flags = "")
    {
        const auto result = render(collection, index, "--out " + shellQuoted(dir / "page.json") + " " + flags);
        EXPECT_EQ(result.status, 0) << result.err;
        if (result.status != 0) return {};
        return {json::parse(readFile(dir / "page.json")), json::parse(result.out)};
    }
    // A collection of the given records in the scratch folder.
    std::filesystem::path collectionOf(const std::vector<const PuzzleRecord*>& records)
    {
        const auto path = dir / "puzzles.QZ3";
        CollectionFile file(path);
        for (const PuzzleRecord* record : records) EXPECT_TRUE(file.AppendPuzzle(*record).ok());
        return path;
    }

    TempDir dir;
};

std::vector<json> operations(const json& page, const std::string& kind)
{
    std::vector<json> found;
    for (const json& op : page["operations"])
        if (op["op"] == kind) found.push_back(op);
    return found;
}

std::vector<std::string> texts(const json& page)
{
    std::vector<std::string> found;
    for (const json& op : operations(page, "text")) found.push_back(op["text"]);
    return found;
}

bool printed(const json& page, const std::string& text)
{
    const std::vector<std::string> all = texts(page);
    return std::find(all.begin(), all.end(), text) != all.end();
}

TEST_F(RenderCommandTest, JsonHoldsEveryOperationOfThePage)
{
    const auto [page, out] = pageOf(kSample, kFarmAnimals, "--answer-key");
    EXPECT_EQ(out, json::parse(R"({"page": {"width_in": 8.5, "height_in": 11.0}, "print_count": 12, "warnings": []})"));
    EXPECT_EQ(page["paper_code"], 1);
    EXPECT_EQ(page["orientation"], "portrait");
    EXPECT_EQ(page["width_in"], 8.5);
    EXPECT_EQ(page["height_in"], 11.0);
    EXPECT_EQ(operations(page, "arc").size(), 2u * 12);  // two arcs close each capsule
    EXPECT_EQ(operations(page, "move_to").size(), 2u * 12);
    EXPECT_EQ(page["operations"][0]["op"], "text_background");
    EXPECT_EQ(page["operations"][1], json({{"op", "font"},
                                           {"name", "Arial"},
                                           {"size", 20},
                                           {"color", "#000000"},
                                           {"bold", true},
                                           {"italic", false},
                                           {"underline", false},
                                           {"strike_out", false}}));
    const json title = page["operations"][2];
    EXPECT_EQ(title["op"], "text");
    EXPECT_EQ(title["text"], "Farm Animals");
    EXPECT_GT(title["x"].get<double>(), 1);
    EXPECT_LT(title["x"].get<double>(), 4.25);
    for (const json& arc : operations(page, "arc")) {
        EXPECT_TRUE(arc["box"].contains("left") && arc["start"].contains("x") && arc["end"].contains("y"));
        EXPECT_NEAR(arc["box"]["right"].get<double>() - arc["box"]["left"].get<double>(),
                    arc["box"]["bottom"].get<double>() - arc["box"]["top"].get<double>(), 1e-9);  // square cells
    }
    for (const std::string& word : placedWords(*samplePuzzle(kFarmAnimals))) EXPECT_TRUE(printed(page, word)) << word;
}

// QMAZE3.INI's options count first, the layout resets its columns, lower case and grid, and the
// flags come last.
TEST_F(RenderCommandTest, OptionsComeFromTheSettingsThenTheLayoutThenTheFlags)
{
    writeFile(dir / "QMAZE3.INI",
              "[Reports]\r\nAnswer Key=Yes\r\nWord Option=2\r\nNum Columns=9\r\nUse Grid=Yes\r\nLower Case=Yes\r\n");
    const auto [fromSettings, out] = pageOf(kSample, kFarmAnimals);
    EXPECT_EQ(out["warnings"], json::array());  // in the layout's 3 columns, not 9
    EXPECT_EQ(operations(fromSettings, "arc").size(), 2u * 12);
    EXPECT_TRUE(printed(fromSettings, "(COW) Gives us milk"));
    EXPECT_TRUE(printed(fromSettings, "Farm Animals"));
    EXPECT_EQ(operations(fromSettings, "move_to").size(), 2u * 12);  // the layout draws no grid
    const std::string firstLetter = firstGridLetter(*samplePuzzle(kFarmAnimals));
    EXPECT_TRUE(printed(fromSettings, firstLetter));  // the layout's upper case

    const auto [fromFlags, ignored] =
        pageOf(kSample, kFarmAnimals, "--word-option partial --first 2 --last 0 --grid --lower-case --no-title");
    EXPECT_FALSE(printed(fromFlags, "Farm Animals"));
    EXPECT_TRUE(printed(fromFlags, "DO...")) << "DONKEY";
    EXPECT_GT(operations(fromFlags, "move_to").size(), 2u * 12 + 200);  // a 15 x 15 grid
    EXPECT_TRUE(printed(fromFlags, std::string(1, static_cast<char>(firstLetter[0] - 'A' + 'a'))));

    const auto [without, none] = pageOf(kSample, kPlanets, "--no-body --no-words --no-bonus --no-title");
    EXPECT_EQ(texts(without), std::vector<std::string>{"Name: ______________________    Date: ____________"});
}

// Another layout of the layout file, with the columns it brings.
TEST_F(RenderCommandTest, AnotherLayoutReplacesThePuzzlesOwn)
{
    const auto [page, out] = pageOf(kSample, kFarmAnimals, "--layout 4");
    EXPECT_EQ(out["page"], json({{"width_in", 11.0}, {"height_in", 8.5}}));
    EXPECT_EQ(page["orientation"], "landscape");
}

TEST_F(RenderCommandTest, RefusesWhatTheProgramRefuses)
{
    auto blank = std::make_unique<PuzzleRecord>();
    const auto neverGenerated = collectionOf({blank.get()});
    struct Case {
        std::filesystem::path collection;
        int index;
        std::string arguments;
        std::string message;
    };
    const std::string layoutFile = (std::filesystem::path(QM_PROGRAM_DIR) / "QZFPAGE.DAT").string();
    const Case cases[] = {
        {kSample, 99, "--out p.pdf", PrintMessages::CannotLoadPuzzle.message},
        {dir / "missing.QZ3", 0, "--out p.pdf", PrintMessages::CannotLoadPuzzle.message},
        {neverGenerated, 0, "--out p.pdf", PrintMessages::NeverGenerated.message},
        {kSample, 0, "--out p.txt", "The output file must end in .pdf, .png or .json."},
        {kSample, 0, "--out p.pdf --columns 0", PrintMessages::InvalidColumns.message},
        {kSample, 0, "--out p.png --width 0", PrintMessages::InvalidPictureWidth.message},
        {kSample, 0, "--out p.png --width 10000", PrintMessages::InvalidPictureWidth.message},
        {kSample, 0, "--out p.pdf --layout 99", "There is no page layout number 99 in " + layoutFile + "."},
    };
    for (const Case& c : cases) {
        const auto result = render(c.collection, c.index, c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, c.message + "\n") << c.arguments;
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(render(kSample, 0, "--out p.pdf --word-option fancy").status, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "p.pdf"));
    EXPECT_FALSE(std::filesystem::exists(dir / "p.png"));
}

TEST_F(RenderCommandTest, AFileThatCannotBeWrittenIsAnInputOutputFailure)
{
    for (const char* name : {"p.pdf", "p.png", "p.json"}) {
        const auto target = dir / "no folder" / name;
        const auto result = render(kSample, 0, "--out " + shellQuoted(target));
        EXPECT_EQ(result.status, 2) << name;
        EXPECT_NE(result.err.find(target.string() + ": "), std::string::npos) << result.err;
    }
}

// A warning is told, in the order the status window shows them, and the page is still made.
TEST_F(RenderCommandTest, FitWarningsAreListedInTheirOrder)
{
    auto record = samplePuzzle(kFarmAnimals);
    PageLayoutRecord& layout = record->Layout;
    for (int k = 0; k < layout.ObjectCount; ++k)
        if (layout.Objects[k].kind() == PageObjectKind::Words)
            layout.Objects[k].Bounds.Bottom = layout.Objects[k].Bounds.Top + 2;  // lower than a line at 3 points
    PageObject& text = layout.Objects[layout.ObjectCount++];
    text = makePageObject(PageObjectKind::Text, "Notes");
    text.Bounds = {48, 500, 360, 520};
    std::string lines;
    for (int i = 0; i < 120; ++i) lines += "line\r\n";
    text.setText(lines);
    PageObject& picture = layout.Objects[layout.ObjectCount++];
    picture = makePageObject(PageObjectKind::Bitmap, "Picture");
    picture.BitmapFile.assign((dir / "missing.bmp").string());
    const auto collection = collectionOf({record.get()});

    const auto [words, wordsOut] = pageOf(collection, 0);
    EXPECT_EQ(wordsOut["warnings"], json({RenderMessages::BitmapMissingWarning, RenderMessages::WordsOverflowWarning,
                                          RenderMessages::TextOverflowWarning}));
    EXPECT_EQ(wordsOut["print_count"], 12);
    const auto [clues, cluesOut] = pageOf(collection, 0, "--word-option clues");
    EXPECT_EQ(cluesOut["warnings"], json({RenderMessages::BitmapMissingWarning, RenderMessages::CluesOverflowWarning,
                                          RenderMessages::TextOverflowWarning}));
    EXPECT_TRUE(printed(clues, "Farm Animals"));
}

TEST_F(RenderCommandTest, ScrambledWordsRepeatFromTheirSeed)
{
    const auto [first, out1] = pageOf(kSample, kFarmAnimals, "--word-option scramble --seed 7");
    const auto [second, out2] = pageOf(kSample, kFarmAnimals, "--word-option scramble --seed 7");
    EXPECT_EQ(first, second);
    EXPECT_FALSE(printed(first, "DONKEY"));
}

// pdfinfo gives the layout's sheet; pdftotext finds the title, the bonus question and every word.
TEST_F(RenderCommandTest, PdfIsTheLayoutsSheetWithItsTextSelectable)
{
    struct Case {
        int index;
        const char* pageSize;
        const char* title;
        const char* bonus;  // printed when the layout has a place for it
    };
    const Case cases[] = {
        {kFarmAnimals, "612 x 792 pts (letter)", "Farm Animals", nullptr},
        {kOceanLife, "595 x 842 pts (A4)", "Ocean Life", nullptr},
        {kPlanets, "612 x 792 pts (letter)", "The Planets", "Which planet is known as the red planet?"},
        {kBallGames, "792 x 612 pts (letter)", "Ball Games", nullptr},
    };
    for (const Case& c : cases) {
        const auto pdf = dir / "page.pdf";
        const auto result = render(kSample, c.index, "--answer-key --out " + shellQuoted(pdf));
        ASSERT_EQ(result.status, 0) << result.err;
        const auto info = runCommand("pdfinfo " + shellQuoted(pdf));
        EXPECT_NE(info.out.find("Page size:       " + std::string(c.pageSize) + "\n"), std::string::npos) << info.out;
        const auto text = runCommand("pdftotext " + shellQuoted(pdf) + " -");
        EXPECT_NE(text.out.find(c.title), std::string::npos) << c.title;
        if (c.bonus) {
            EXPECT_NE(text.out.find(c.bonus), std::string::npos) << text.out;
        }
        for (const std::string& word : placedWords(*samplePuzzle(c.index)))
            EXPECT_NE(text.out.find("\n" + word + "\n"), std::string::npos) << c.title << ": " << word;
    }
}

int pngWidth(const std::string& bytes)
{
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return -1;
    int width = 0;
    for (int i = 16; i < 20; ++i) width = width * 256 + static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return width;
}

TEST_F(RenderCommandTest, PicturesAreAsWideAsAskedOrAsTheSettingsSay)
{
    const auto picture = dir / "page.png";
    ASSERT_EQ(render(kSample, kFarmAnimals, "--width 500 --out " + shellQuoted(picture)).status, 0);
    EXPECT_EQ(pngWidth(readFile(picture)), 500);
    writeFile(dir / "QMAZE3.INI", "[Reports]\r\nPixel Width=320\r\n");
    ASSERT_EQ(render(kSample, kFarmAnimals, "--out " + shellQuoted(picture)).status, 0);
    EXPECT_EQ(pngWidth(readFile(picture)), 320);
}

// Every shipped sample prints whole on its own layout, as a word list and as clues: no warning,
// every word listed, every clue numbered.
TEST_F(RenderCommandTest, EverySamplePuzzleFitsItsLayout)
{
    ASSERT_EQ(sampleCount(), 7);
    for (int index = 0; index < sampleCount(); ++index) {
        const auto record = samplePuzzle(index);
        const std::string title(record->Title.view());
        const auto [words, wordsOut] = pageOf(kSample, index);
        EXPECT_EQ(wordsOut["warnings"], json::array()) << title;
        for (const std::string& word : placedWords(*record)) EXPECT_TRUE(printed(words, word)) << title << ": " << word;

        const auto [clues, cluesOut] = pageOf(kSample, index, "--word-option clues --answer-key");
        EXPECT_EQ(cluesOut["warnings"], json::array()) << title;
        for (int i = 1; i <= cluesOut["print_count"].get<int>(); ++i)
            EXPECT_TRUE(printed(clues, std::to_string(i) + ".")) << title << ": clue " << i;
    }
}

}  // namespace
}  // namespace qm
