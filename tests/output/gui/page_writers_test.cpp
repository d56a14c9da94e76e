// The page written out: PDF files of the sheet's size with embedded, selectable text, pictures of
// an exact width, and failures that name the file.
#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <sstream>

#include "common/binary_file.h"
#include "output/export/gui/page_writers.h"
#include "output/export/gui/pdf_document_writer.h"
#include "page_pictures.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// What a tool prints after the label, up to the end of its line.
std::string valueAfter(const std::string& out, const std::string& label)
{
    const auto start = out.find(label);
    if (start == std::string::npos) return {};
    const auto from = out.find_first_not_of(' ', start + label.size());
    return out.substr(from, out.find('\n', from) - from);
}

std::vector<std::string> wordsOf(const std::string& line)
{
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// A sheet with one line of text, as the page file of a layout lays it.
PageFile textSheet(PaperCode paper, Orientation orientation, PaperSize asItLies)
{
    FontSpec font;
    font.Size = 20;
    PageFile page = sheetWith({SetFontOp{font}, TextOp{{1, 1.5}, "Quillmaze"}}, asItLies);
    page.paper = paper;
    page.orientation = orientation;
    return page;
}

TEST(PageWriters, PdfPageHasTheSheetsSizeAndOrientation)
{
    struct Case {
        PaperCode paper;
        Orientation orientation;
        PaperSize asItLies;
        const char* pageSize;  // as pdfinfo gives it
    };
    const Case cases[] = {
        {PaperCode::Letter, Orientation::Portrait, {8.5, 11}, "612 x 792 pts (letter)"},
        {PaperCode::Letter, Orientation::Landscape, {11, 8.5}, "792 x 612 pts (letter)"},
        {PaperCode::A4, Orientation::Portrait, *standardPaperSize(PaperCode::A4), "595 x 842 pts (A4)"},
        {PaperCode::Custom, Orientation::Portrait, {11, 17}, "792 x 1224 pts"},
        {PaperCode::Custom, Orientation::Landscape, {17, 11}, "1224 x 792 pts"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        const auto path = dir / "page.pdf";
        ASSERT_TRUE(writePagePdf(textSheet(c.paper, c.orientation, c.asItLies), path).ok());
        const CommandOutput info = runCommand("pdfinfo " + quoted(path));
        ASSERT_EQ(info.status, 0) << info.err;
        EXPECT_EQ(valueAfter(info.out, "Page size:"), c.pageSize);
        EXPECT_EQ(valueAfter(info.out, "Pages:"), "1");
    }
}

// The fonts travel with the file, and the text is text: found where it was measured to lie.
TEST(PageWriters, PdfTextIsEmbeddedSelectableAndAsWideAsMeasured)
{
    TempDir dir;
    const auto path = dir / "page.pdf";
    const PageFile page = textSheet(PaperCode::Letter, Orientation::Portrait, {8.5, 11});
    ASSERT_TRUE(writePagePdf(page, path).ok());

    const CommandOutput fonts = runCommand("pdffonts " + quoted(path));
    ASSERT_EQ(fonts.status, 0) << fonts.err;
    // After the name: the type (two words), encoding, embedded, subset, Unicode map, object id.
    const std::vector<std::string> font = wordsOf(valueAfter(fonts.out, "\nLiberationSans"));
    ASSERT_EQ(font.size(), 8u) << fonts.out;
    EXPECT_EQ(font[3], "yes");
    EXPECT_EQ(font[5], "yes");

    const CommandOutput words = runCommand("pdftotext -bbox " + quoted(path) + " -");
    ASSERT_EQ(words.status, 0) << words.err;
    const auto word = words.out.rfind("<word", words.out.find(">Quillmaze<"));
    double xMin = 0, yMin = 0, xMax = 0;
    ASSERT_EQ(
        std::sscanf(words.out.c_str() + word, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\"", &xMin, &yMin, &xMax), 3)
        << words.out;
    const QtTextMetrics metrics;
    EXPECT_NEAR(xMin, 72, 0.1);
    EXPECT_NEAR(xMax - xMin, metrics.width(std::get<SetFontOp>(page.operations[0]).font, "Quillmaze") * 72, 0.2);
}

TEST(PageWriters, PicturesHaveTheWidthAskedAndTheSheetsProportions)
{
    struct Case {
        PaperSize asItLies;
        int width;
        QSize expected;
    };
    const Case cases[] = {
        {{8.5, 11}, 1000, {1000, 1294}},
        {{11, 8.5}, 1000, {1000, 773}},
        {*standardPaperSize(PaperCode::A4), 640, {640, 905}},
        {{8.5, 11}, 0, {1, 1}},
    };
    for (const Case& c : cases) {
        const QImage image = pageImage(textSheet(PaperCode::Custom, Orientation::Portrait, c.asItLies), c.width);
        EXPECT_EQ(image.size(), c.expected);
        EXPECT_EQ(image.pixelColor(0, 0), Qt::white);
    }
    EXPECT_TRUE(pageImage(textSheet(PaperCode::Custom, Orientation::Portrait, {1, 200}), 9999).isNull());
}

TEST(PageWriters, PngIsThePictureOfThePage)
{
    TempDir dir;
    const PageFile page = textSheet(PaperCode::Letter, Orientation::Portrait, {8.5, 11});
    ASSERT_TRUE(writePagePng(page, 850, dir / "page.png").ok());
    const QImage read(QString::fromStdString((dir / "page.png").string()));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), pageImage(page, 850));
}

// A file that cannot be written is reported with its path and the system's reason.
TEST(PageWriters, FailuresNameTheFileAndTheReason)
{
    TempDir dir;
    const PageFile page = textSheet(PaperCode::Letter, Orientation::Portrait, {8.5, 11});
    const auto path = dir / "no such folder" / "page";
    for (const Status& written : {writePagePdf(page, path), writePagePng(page, 100, path)}) {
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.failure().path, path);
        EXPECT_FALSE(written.failure().reason.empty());
    }
    const Status tooLarge = writePagePng(textSheet(PaperCode::Custom, Orientation::Portrait, {1, 200}), 9999, path);
    ASSERT_FALSE(tooLarge.ok());
    EXPECT_EQ(tooLarge.failure().reason, "the picture is too large to be held in memory");
    EXPECT_FALSE(std::filesystem::exists(dir / "no such folder"));
}

// A document of many pages keeps each page's sheet, and replaces its file only when finished.
TEST(PageWriters, PdfDocumentKeepsEachSheetAndAppearsOnlyWhenFinished)
{
    TempDir dir;
    const auto path = dir / "book.pdf";
    ASSERT_TRUE(writeFileAtomically(path, "the old book").ok());
    {
        auto abandoned = PdfDocumentWriter::create(path);
        ASSERT_TRUE(abandoned);
        ASSERT_TRUE((*abandoned)->addPage(textSheet(PaperCode::Letter, Orientation::Portrait, {8.5, 11})).ok());
    }
    EXPECT_EQ(*readWholeFile(path), "the old book");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";

    auto document = PdfDocumentWriter::create(path);
    ASSERT_TRUE(document);
    ASSERT_TRUE((*document)->addPage(textSheet(PaperCode::Letter, Orientation::Portrait, {8.5, 11})).ok());
    ASSERT_TRUE((*document)->addPage(textSheet(PaperCode::A4, Orientation::Landscape, {11.69, 8.27})).ok());
    ASSERT_TRUE((*document)->addPage(textSheet(PaperCode::Letter, Orientation::Portrait, {8.5, 11})).ok());
    ASSERT_TRUE((*document)->finish().ok());
    const CommandOutput info = runCommand("pdfinfo -f 1 -l 3 " + quoted(path));
    ASSERT_EQ(info.status, 0) << info.err;
    EXPECT_EQ(valueAfter(info.out, "Pages:"), "3");
    EXPECT_EQ(valueAfter(info.out, "Page    1 size:"), "612 x 792 pts (letter)");
    EXPECT_EQ(valueAfter(info.out, "Page    2 size:").substr(0, 9), "842 x 595");
    EXPECT_EQ(valueAfter(info.out, "Page    3 size:"), "612 x 792 pts (letter)");
    const CommandOutput text = runCommand("pdftotext -f 2 -l 2 " + quoted(path) + " -");
    EXPECT_NE(text.out.find("Quillmaze"), std::string::npos);
}

}  // namespace
}  // namespace qm::test
