// JPEG pictures: the quality changes the size, the file decodes at the asked size (by libjpeg
// and by ImageMagick), and libjpeg's complaints come back as failures instead of ending the
// program.
#include <gtest/gtest.h>

// libjpeg's header needs FILE declared first.
#include <cstdio>
#include <jpeglib.h>
#include <string>
#include <vector>

#include "output/export/export_entries.h"
#include "output/export/export_messages.h"
#include "output/export/jpeg_writer.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm::test {
namespace {

// Lines padded to four bytes, as a Qt image keeps them, with something to compress: gradients
// crossed by a dark grid.
struct TestPicture {
    int width;
    int height;
    std::size_t bytesPerLine;
    std::vector<std::uint8_t> bytes;

    TestPicture(int w, int h) : width(w), height(h), bytesPerLine((static_cast<std::size_t>(w) * 3 + 3) / 4 * 4)
    {
        bytes.assign(bytesPerLine * static_cast<std::size_t>(h), 0xEE);  // the padding
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::uint8_t* pixel = &bytes[y * bytesPerLine + x * 3];
                const bool line = x % 40 == 0 || y % 40 == 0;
                pixel[0] = line ? 0 : static_cast<std::uint8_t>(x * 255 / w);
                pixel[1] = line ? 0 : static_cast<std::uint8_t>(y * 255 / h);
                pixel[2] = line ? 0 : static_cast<std::uint8_t>((x + y) % 256);
            }
    }
    RgbRows rows() const { return {width, height, bytesPerLine, bytes}; }
};

struct DecodedSize {
    int width = 0;
    int height = 0;
    int components = 0;
};

DecodedSize decodedSize(const std::filesystem::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return {};
    jpeg_decompress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    std::vector<JSAMPLE> line(static_cast<std::size_t>(info.output_width) * info.output_components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = line.data();
        jpeg_read_scanlines(&info, &row, 1);
    }
    const DecodedSize size{static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                           info.output_components};
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    std::fclose(file);
    return size;
}

TEST(JpegWriter, HigherQualityLargerFilesThatDecodeAtTheirSize)
{
    const TestPicture picture(801, 601);
    TempDir folder;
    std::uintmax_t previousSize = 0;
    for (const int quality : {1, 50, 100}) {
        SCOPED_TRACE(quality);
        const auto file = folder / ("page" + std::to_string(quality) + ".jpg");
        ASSERT_TRUE(SaveJpeg(picture.rows(), quality, file).ok());
        const DecodedSize size = decodedSize(file);
        EXPECT_EQ(size.width, 801);
        EXPECT_EQ(size.height, 601);
        EXPECT_EQ(size.components, 3);
        const CommandOutput identified = runCommand("identify -format '%m %w %h' '" + file.string() + "'");
        EXPECT_EQ(identified.out, "JPEG 801 601") << identified.err;
        EXPECT_GT(std::filesystem::file_size(file), previousSize);
        previousSize = std::filesystem::file_size(file);
    }
}

TEST(JpegWriter, QualityOutsideOneToHundredRefusedWithoutAFile)
{
    const TestPicture picture(8, 8);
    TempDir folder;
    for (const int quality : {0, 101, -5}) {
        const CommandOutcome outcome = SaveJpeg(picture.rows(), quality, folder / "page.jpg");
        EXPECT_EQ(outcome.kind, CommandOutcome::Kind::Refused);
        EXPECT_EQ(outcome.refusal, ExportMessages::InvalidJpegFactor);
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "page.jpg"));
}

TEST(JpegWriter, FailuresNameTheFileAndTheReason)
{
    TempDir folder;
    const auto file = folder / "page.jpg";
    const TestPicture picture(8, 8);
    const std::vector<std::uint8_t> wideLine(70000 * 3);
    struct Case {
        const char* name;
        RgbRows rows;
        std::filesystem::path path;
    };
    const Case cases[] = {
        {"libjpeg refuses an empty picture", {0, 8, 0, picture.bytes}, file},
        {"libjpeg refuses a picture too wide for the format", {70000, 1, wideLine.size(), wideLine}, file},
        {"fewer bytes than lines", {8, 9, picture.bytesPerLine, picture.bytes}, file},
        {"lines shorter than their pixels", {8, 8, 20, picture.bytes}, file},
        {"no such folder", picture.rows(), folder / "gone" / "page.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandOutcome outcome = SaveJpeg(c.rows, 50, c.path);
        EXPECT_EQ(outcome.kind, CommandOutcome::Kind::Failed);
        EXPECT_EQ(outcome.failure.path, c.path);
        EXPECT_FALSE(outcome.failure.reason.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(ExportEntries, PictureWidthAndJpegQuality)
{
    struct Case {
        const char* text;
        std::optional<int> width;
        std::optional<int> quality;
    };
    const Case cases[] = {
        {"640", 640, std::nullopt},
        {" 1 ", 1, 1},
        {"100", 100, 100},
        {"101", 101, std::nullopt},
        {"9999", 9999, std::nullopt},
        {"10000", std::nullopt, std::nullopt},
        {"0", std::nullopt, std::nullopt},
        {"-5", std::nullopt, std::nullopt},
        {"12px", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
        {"99999999999999999999", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePictureWidth(c.text), c.width) << '"' << c.text << '"';
        EXPECT_EQ(ParseJpegQuality(c.text), c.quality) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace qm::test
