// Every export of a page: pictures of the exact width asked in the colours asked, JPEG sizes that
// follow the quality, the refusals of the boxes, SVG text kept as text, and every format read
// back by programs we did not write showing the preview's picture of the same page.
#include <gtest/gtest.h>

#include <functional>

#include "output/export/export_messages.h"
#include "output/export/gui/page_exports.h"
#include "output/export/gui/page_writers.h"
#include "output/export/html_export.h"
#include "output/print/print_messages.h"
#include "page_pictures.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

std::string shellQuoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// A 5 x 5 grid of one-inch cells from (1, 1) inch, four cells outside the shape, with the answer
// key round a row, a column and a diagonal; a title above and the words below.
PuzzleRecord* answerKeyPuzzle()
{
    static const std::unique_ptr<PuzzleRecord> record = [] {
        auto made = pageRecord();
        made->Title.assign("Farm");
        setGrid(*made, {"CATXY", "DOGZQ", "PIGRS", "C.WU.", "H..WT"});
        for (std::uint8_t& cell : made->Letters)
            if (cell == '.') cell = 0;
        setWords(*made, {"CAT", "PIG", "XZRUW", "COGUT"});
        const std::pair<std::pair<int, int>, std::pair<int, int>> ends[] = {
            {{1, 1}, {1, 3}}, {{3, 1}, {3, 3}}, {{1, 4}, {5, 4}}, {{1, 1}, {5, 5}}};
        for (std::size_t i = 0; i < std::size(ends); ++i) {
            made->StartCell[i] = static_cast<std::int16_t>(cellNumber(ends[i].first.first, ends[i].first.second));
            made->EndCell[i] = static_cast<std::int16_t>(cellNumber(ends[i].second.first, ends[i].second.second));
        }
        made->Generated = true;
        addObject(*made, PageObjectKind::Title, {100, 30, 750, 90}).FontSize = 28;
        addObject(*made, PageObjectKind::Puzzle, {100, 100, 600, 600}).FontSize = 36;
        addObject(*made, PageObjectKind::Words, {100, 650, 750, 900}).FontSize = 18;
        return made;
    }();
    return record.get();
}

const PageFile& answerKeyPage()
{
    static const PageFile page = [] {
        PrintOptions options = plainOptions();
        options.AnswerKey = true;
        return renderedPage(*answerKeyPuzzle(), options);
    }();
    return page;
}

QImage loaded(const std::filesystem::path& path)
{
    QImage image(QString::fromStdString(path.string()));
    EXPECT_FALSE(image.isNull()) << path;
    return image.convertToFormat(QImage::Format_RGB32);
}

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

TEST(PageExports, BitmapsHaveTheWidthAskedInTheColoursAsked)
{
    struct Case {
        int width;
        BitmapColors colors;
        std::uint32_t height;
        std::uint32_t bitsPerPixel;
    };
    const Case cases[] = {
        {1000, BitmapColors::Millions, 1294, 24},
        {400, BitmapColors::Palette256, 518, 8},
        {1, BitmapColors::Millions, 1, 24},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const auto path = dir / "page.bmp";
        ASSERT_TRUE(ExportPage(answerKeyPage(), PageFormat::Bmp, {c.width, 50, c.colors}, path).ok());
        const std::string bytes = readFile(path);
        ASSERT_GE(bytes.size(), 54u);
        EXPECT_EQ(bytes.substr(0, 2), "BM");
        EXPECT_EQ(littleEndian(bytes, 18, 4), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(littleEndian(bytes, 22, 4), c.height);
        EXPECT_EQ(littleEndian(bytes, 28, 2), c.bitsPerPixel) << c.width;
    }
}

TEST(PageExports, JpegGrowsWithItsQualityAndDecodesAtTheWidthAsked)
{
    TempDir dir;
    std::uintmax_t previous = 0;
    for (const int quality : {1, 50, 100}) {
        const auto path = dir / ("page" + std::to_string(quality) + ".jpg");
        ASSERT_TRUE(ExportPage(answerKeyPage(), PageFormat::Jpeg, {700, quality}, path).ok());
        EXPECT_GT(std::filesystem::file_size(path), previous) << quality;
        previous = std::filesystem::file_size(path);
        EXPECT_EQ(loaded(path).size(), QSize(700, 906));
    }
}

TEST(PageExports, WidthsAndQualitiesTheBoxesRefuseWriteNothing)
{
    struct Case {
        PageFormat format;
        PictureSettings picture;
        std::string message;
    };
    const std::string width = PrintMessages::InvalidPictureWidth.message;
    const std::string factor = ExportMessages::InvalidJpegFactor.message;
    const Case cases[] = {
        {PageFormat::Bmp, {0, 50}, width},      {PageFormat::Png, {10000, 50}, width},
        {PageFormat::Jpeg, {-1, 50}, width},    {PageFormat::Jpeg, {640, 0}, factor},
        {PageFormat::Jpeg, {640, 101}, factor},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const CommandOutcome outcome = ExportPage(answerKeyPage(), c.format, c.picture, dir / "page");
        EXPECT_EQ(outcome.kind, CommandOutcome::Kind::Refused);
        EXPECT_EQ(outcome.refusal, (Refusal{c.message}));
        const CommandOutcome html = ExportHtmlPage(answerKeyPage(), HtmlSettings(), c.picture, dir / "page.htm");
        EXPECT_EQ(html.kind, CommandOutcome::Kind::Refused) << "the web page asks its picture's width and quality";
        std::filesystem::remove(dir / "page.htm");
        std::filesystem::remove(dir / "page.JPG");
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(PageExports, SvgKeepsTheTextAsTextOnASheetOfThePagesSize)
{
    TempDir dir;
    const auto path = dir / "page.svg";
    ASSERT_TRUE(ExportPage(answerKeyPage(), PageFormat::Svg, {}, path).ok());
    const std::string svg = readFile(path);
    EXPECT_NE(svg.find("viewBox=\"0 0 816 1056\""), std::string::npos);
    EXPECT_NE(svg.find("<title>Word Search Puzzle</title>"), std::string::npos);
    for (const char* text : {">Farm<", ">CAT<", ">XZRUW<", ">G<"}) EXPECT_NE(svg.find(text), std::string::npos) << text;
}

// The web page names its picture, which lies beside it; a page that cannot be created writes no
// picture.
TEST(PageExports, WebPageAndItsPicture)
{
    TempDir dir;
    ASSERT_TRUE(ExportHtmlPage(answerKeyPage(), HtmlSettings(), {500, 80}, dir / "farm.htm").ok());
    EXPECT_NE(readFile(dir / "farm.htm").find("<IMG SRC=\"farm.JPG\""), std::string::npos);
    EXPECT_EQ(loaded(dir / "farm.JPG").width(), 500);

    const CommandOutcome refused = ExportHtmlPage(answerKeyPage(), HtmlSettings(), {500, 80}, dir / "none" / "p.htm");
    EXPECT_EQ(refused.refusal, ExportMessages::HtmlCannotCreate);
    EXPECT_FALSE(std::filesystem::exists(dir / "none"));
}

// Each format written and drawn back into a picture of the sheet at 96 pixels an inch.
struct Reader {
    const char* name;
    PageFormat format;
    std::function<void(const std::filesystem::path& file, const std::filesystem::path& png)> draw;
    // libwmf (behind ImageMagick and wmf2gd) draws text at about 0.7 of the height the other
    // readers give the same font, so the ends of longer texts fall short of the preview's; the
    // places of its texts are still checked by the letters in their cells and the stray ink.
    bool drawsTextSmaller = false;
};

void run(const std::string& command)
{
    const CommandOutput output = runCommand(command);
    EXPECT_EQ(output.status, 0) << command << "\n" << output.err;
}

const Reader kReaders[] = {
    // The placeable header counts 80 units an inch (the enhanced metafile's physical size, 1.2
    // times the sheet): read at 80 dots an inch the picture has the page's 96-dpi pixels.
    {"WMF in ImageMagick", PageFormat::Wmf,
     [](const auto& file, const auto& png) {
         run("convert -density 80 " + shellQuoted(file) + " -background white -alpha remove " + shellQuoted(png));
     },
     true},
    {"WMF in wmf2gd", PageFormat::Wmf,
     [](const auto& file, const auto& png) {
         run("wmf2gd --maxwidth=816 --maxheight=1056 --maxpect -o " + shellQuoted(png) + " " + shellQuoted(file));
     },
     true},
    {"EMF in emf2svg-conv and rsvg-convert", PageFormat::Emf,
     [](const auto& file, const auto& png) {
         run("emf2svg-conv -i " + shellQuoted(file) + " -o " + shellQuoted(file.string() + ".svg"));
         run("rsvg-convert -b white " + shellQuoted(file.string() + ".svg") + " -o " + shellQuoted(png));
     }},
    {"SVG in rsvg-convert", PageFormat::Svg,
     [](const auto& file, const auto& png) {
         run("rsvg-convert -b white " + shellQuoted(file) + " -o " + shellQuoted(png));
     }},
    {"BMP in ImageMagick", PageFormat::Bmp,
     [](const auto& file, const auto& png) { run("convert " + shellQuoted(file) + " " + shellQuoted(png)); }},
    {"JPEG in ImageMagick", PageFormat::Jpeg,
     [](const auto& file, const auto& png) { run("convert " + shellQuoted(file) + " " + shellQuoted(png)); }},
    {"PNG", PageFormat::Png, [](const auto& file, const auto& png) { std::filesystem::copy_file(file, png); }},
};

// The picture in blocks of 12 pixels, each true when it holds ink.
constexpr int kBlock = 12;
std::vector<std::vector<bool>> inkedBlocks(const QImage& image)
{
    std::vector<std::vector<bool>> blocks((image.height() + kBlock - 1) / kBlock,
                                          std::vector<bool>((image.width() + kBlock - 1) / kBlock));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(image.pixel(x, y))) blocks[y / kBlock][x / kBlock] = true;
    return blocks;
}

// Blocks inked in one picture with no ink in the other at that block or next to it: what a
// drawing in the wrong place leaves, while a pixel of rounding or another face of a font does not.
int strayBlocks(const std::vector<std::vector<bool>>& from, const std::vector<std::vector<bool>>& in)
{
    int stray = 0;
    for (std::size_t y = 0; y < from.size(); ++y)
        for (std::size_t x = 0; x < from[y].size(); ++x) {
            if (!from[y][x]) continue;
            bool near = false;
            for (std::size_t ny = y ? y - 1 : 0; ny <= y + 1 && ny < in.size(); ++ny)
                for (std::size_t nx = x ? x - 1 : 0; nx <= x + 1 && nx < in[ny].size(); ++nx) near |= in[ny][nx];
            stray += !near;
        }
    return stray;
}

TEST(PageExports, EveryFormatReadBackShowsThePreviewsPictureOfThePage)
{
    const PageFile& page = answerKeyPage();
    const QImage preview = pageImage(page, 816);
    const auto previewBlocks = inkedBlocks(preview);
    const PuzzleRecord& record = *answerKeyPuzzle();
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        TempDir dir;
        const auto file = dir / "page";
        ASSERT_TRUE(ExportPage(page, reader.format, {816, 90}, file).ok());
        reader.draw(file, dir / "drawn.png");
        const QImage drawn = loaded(dir / "drawn.png");
        // emf2svg-conv sizes its picture by the header's inclusive bounds, a pixel short.
        EXPECT_NEAR(drawn.width(), 816, 1);
        EXPECT_NEAR(drawn.height(), 1056, 1);

        // The letters in their cells, nothing in the cells outside the shape.
        for (int row = 1; row <= 5; ++row)
            for (int column = 1; column <= 5; ++column) {
                const QRect middle(96 * column + 30, 96 * row + 30, 36, 36);
                const bool letter = record.Letters[cellNumber(row, column) - 1] != 0;
                EXPECT_EQ(!inkBounds(drawn, middle).isEmpty(), letter) << "cell " << row << ", " << column;
            }
        // The capsules, the title and the words where the preview has them, and nothing else.
        const auto blocks = inkedBlocks(drawn);
        EXPECT_EQ(strayBlocks(blocks, previewBlocks), 0) << "ink where the preview has none";
        if (!reader.drawsTextSmaller) EXPECT_EQ(strayBlocks(previewBlocks, blocks), 0) << "the preview's ink missing";
    }
}

}  // namespace
}  // namespace qm::test
