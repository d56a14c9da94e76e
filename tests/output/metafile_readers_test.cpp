// Metafiles read back by programs we did not write: every WMF by ImageMagick and by libwmf's
// wmf2gd, every EMF by emf2svg-conv drawn by rsvg-convert. Each picture must have the page's
// size and show the drawings where the page has them.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "output/metafile/emf_writer.h"
#include "output/metafile/metafile_canvas.h"
#include "output/metafile/wmf_writer.h"
#include "output/metafile_fixtures.h"
#include "output/render_fixtures.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

// An 8-bit RGB picture.
struct Raster {
    int width = 0;
    int height = 0;
    std::string rgb;

    // How many pixels of the box (pixels left..right, top..bottom, inclusive) are dark, red or
    // white.
    int count(const PixelBox& box, const std::function<bool(int, int, int)>& test) const
    {
        int found = 0;
        for (int y = std::max(0, box.top); y <= std::min(height - 1, box.bottom); ++y)
            for (int x = std::max(0, box.left); x <= std::min(width - 1, box.right); ++x) {
                const auto* p = reinterpret_cast<const unsigned char*>(rgb.data()) + 3 * (y * width + x);
                found += test(p[0], p[1], p[2]);
            }
        return found;
    }
    int dark(const PixelBox& box) const
    {
        return count(box, [](int r, int g, int b) { return r + g + b < 3 * 128; });
    }
    int red(const PixelBox& box) const
    {
        return count(box, [](int r, int g, int b) { return r > 200 && g < 60 && b < 60; });
    }
};

// Any picture file as ImageMagick decodes it, flattened on white.
Raster decoded(const std::filesystem::path& picture, const std::string& options = "")
{
    const CommandOutput output =
        runCommand("convert " + options + " '" + picture.string() + "' -background white -alpha remove -depth 8 ppm:-");
    EXPECT_EQ(output.status, 0) << output.err;
    std::istringstream in(output.out);
    std::string magic;
    int maximum = 0;
    Raster raster;
    in >> magic >> raster.width >> raster.height >> maximum;
    in.get();
    EXPECT_EQ(magic, "P6");
    EXPECT_EQ(maximum, 255);
    raster.rgb = output.out.substr(static_cast<std::size_t>(in.tellg()));
    EXPECT_EQ(raster.rgb.size(), 3u * raster.width * raster.height);
    return raster;
}

struct Reader {
    const char* name;
    std::string (*write)(const PageFile&);
    // Draws the metafile into a picture file and decodes it.
    Raster (*draw)(const TempDir& scratch, const std::filesystem::path& metafile);
};

// The placeable header gives the page the enhanced metafile's physical size, 1.2 times the
// sheet (80 units an inch): read at 80 dots an inch, the picture has the page's 96-dpi pixels.
Raster drawnByImageMagick(const TempDir&, const std::filesystem::path& metafile)
{
    return decoded(metafile, "-density 80");
}

Raster drawnByWmf2gd(const TempDir& scratch, const std::filesystem::path& metafile)
{
    const auto png = scratch / "wmf2gd.png";
    const CommandOutput output = runCommand("wmf2gd --maxwidth=816 --maxheight=1056 --maxpect -o '" + png.string() +
                                            "' '" + metafile.string() + "'");
    EXPECT_EQ(output.status, 0) << output.err;
    return decoded(png);
}

Raster drawnByEmf2svg(const TempDir& scratch, const std::filesystem::path& metafile)
{
    const auto svg = scratch / "emf.svg";
    const auto png = scratch / "emf.png";
    const CommandOutput converted = runCommand("emf2svg-conv -i '" + metafile.string() + "' -o '" + svg.string() + "'");
    EXPECT_EQ(converted.status, 0) << converted.err;
    const CommandOutput drawn = runCommand("rsvg-convert '" + svg.string() + "' -o '" + png.string() + "'");
    EXPECT_EQ(drawn.status, 0) << drawn.err;
    return decoded(png);
}

const Reader kReaders[] = {
    {"WMF in ImageMagick", WmfBytes, drawnByImageMagick},
    {"WMF in wmf2gd", WmfBytes, drawnByWmf2gd},
    {"EMF in emf2svg-conv and rsvg-convert", EmfBytes, drawnByEmf2svg},
};

Raster readBack(const Reader& reader, const PageFile& page)
{
    TempDir scratch;
    const auto metafile = scratch / "page.meta";
    writeFile(metafile, reader.write(page));
    Raster raster = reader.draw(scratch, metafile);
    // emf2svg-conv sizes its picture by the difference of the header's inclusive bounds, one
    // pixel short of the page.
    EXPECT_GE(raster.width, 815);
    EXPECT_LE(raster.width, 816);
    EXPECT_GE(raster.height, 1055);
    EXPECT_LE(raster.height, 1056);
    return raster;
}

// A box of pixels around a point.
PixelBox around(int x, int y, int reach) { return {x - reach, y - reach, x + reach, y + reach}; }

TEST(MetafileReaders, SmallPageDrawnWhereThePageHasIt)
{
    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        const Raster raster = readBack(reader, smallPage());
        EXPECT_GT(raster.dark({96, 84, 120, 96}), 10) << "\"Hi\" stands on its baseline at (96, 96)";
        EXPECT_EQ(raster.dark({96, 97, 120, 120}), 0) << "nothing of \"Hi\" below its baseline";
        EXPECT_GT(raster.dark({100, 191, 280, 193}), 150) << "the line along y 192";
        EXPECT_GT(raster.dark({95, 330, 99, 342}), 0) << "the arc's left half";
        EXPECT_EQ(raster.dark({185, 300, 195, 372}), 0) << "no right half: the arc runs counter-clockwise";
        EXPECT_GT(raster.dark({381, 330, 386, 342}), 0) << "the circle's right edge";
        EXPECT_GT(raster.red({485, 485, 570, 570}), 80 * 80) << "the red square";
        EXPECT_EQ(raster.dark({600, 600, 800, 1000}), 0) << "the rest of the sheet white";
    }
}

TEST(MetafileReaders, GridLettersInTheirCellsAndTheAnswerKeyAroundThem)
{
    // Three by three cells of an inch from (1, 1) inch; A to E along the diagonal is a word.
    auto record = pageRecord();
    setGrid(*record, {"A.B", ".C.", "D.E"});
    for (std::uint8_t& cell : record->Letters)
        if (cell == '.') cell = 0;
    setWords(*record, {"ACE"});
    record->StartCell[0] = static_cast<std::int16_t>(cellNumber(1, 1));
    record->EndCell[0] = static_cast<std::int16_t>(cellNumber(3, 3));
    addObject(*record, PageObjectKind::Puzzle, {100, 100, 400, 400}).FontSize = 36;
    PrintOptions options = plainOptions();
    options.AnswerKey = true;
    const PageFile page = render(*record, options).page;

    for (const Reader& reader : kReaders) {
        SCOPED_TRACE(reader.name);
        const Raster raster = readBack(reader, page);
        for (int row = 1; row <= 3; ++row)
            for (int column = 1; column <= 3; ++column) {
                // The middle of the cell, clear of the answer key's lines.
                const PixelBox middle{96 * column + 29, 96 * row + 29, 96 * column + 67, 96 * row + 67};
                const bool letter = record->Letters[cellNumber(row, column) - 1] != 0;
                EXPECT_EQ(raster.dark(middle) > 20, letter) << "cell " << row << ", " << column;
            }
        // The capsule: its two lines, then the arc round the upper left of A, and nothing round its
        // lower right.
        EXPECT_GT(raster.dark(around(216, 264, 2)), 0);
        EXPECT_GT(raster.dark(around(264, 216, 2)), 0);
        EXPECT_GT(raster.dark(around(110, 110, 2)), 0);
        EXPECT_EQ(raster.dark(around(178, 178, 2)), 0);
    }
}

}  // namespace
}  // namespace qm::test
