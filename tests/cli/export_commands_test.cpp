// The export command: every format of the page and the puzzle as text, the settings of
// QMAZE3.INI and the flags over them, and the dialogs' refusals.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "collection/collection_file.h"
#include "output/export/export_messages.h"
#include "output/export/plain_text_export.h"
#include "output/print/print_messages.h"
#include "output/print/print_options.h"
#include "support/cli_command.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using nlohmann::json;
using test::readFile;
using test::runCommand;
using test::shellQuoted;
using test::writeFile;

const std::filesystem::path kSample = std::filesystem::path(QM_PROGRAM_DIR) / "SAMPLE.QZ3";

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

class ExportCommandTest : public ::testing::Test {
protected:
    // Runs in the scratch folder, whose QMAZE3.INI gives the settings.
    test::CommandOutput exportPage(const std::string& arguments, const std::filesystem::path& collection = kSample)
    {
        return runCommand("cd " + shellQuoted(dir.path()) + " && '" + QM_CLI + "' export " + shellQuoted(collection) +
                          " 0 " + arguments);
    }
    // An export that must succeed, and what it printed.
    json exported(const std::string& arguments)
    {
        const auto result = exportPage(arguments);
        EXPECT_EQ(result.status, 0) << result.err;
        return result.status == 0 ? json::parse(result.out) : json();
    }

    test::TempDir dir;
};

TEST_F(ExportCommandTest, EveryFormatWritesItsFile)
{
    struct Case {
        const char* format;
        const char* name;
        std::string signature;
    };
    const Case cases[] = {
        {"wmf", "farm.wmf", "\xD7\xCD\xC6\x9A"},
        {"EMF", "farm.emf", std::string("\x01\0\0\0", 4)},
        {"bmp", "farm.bmp", "BM"},
        {"jpg", "farm.jpg", "\xFF\xD8"},
        {"png", "farm.png", "\x89PNG"},
        {"svg", "farm.svg", "<?xml"},
        {"html", "farm.htm", "<HTML>\r\n"},
        {"txt", "farm.txt", "Farm Animals\r\n"},
    };
    for (const Case& c : cases) {
        const auto path = dir / c.name;
        const json out = exported(std::string("--format ") + c.format + " --out " + shellQuoted(path));
        EXPECT_TRUE(readFile(path).starts_with(c.signature)) << c.format;
        EXPECT_EQ(out["files"][0], path.string()) << c.format;
    }
    EXPECT_EQ(exported("--format html --out " + shellQuoted(dir / "farm.htm"))["files"][1],
              (dir / "farm.JPG").string());
    EXPECT_TRUE(readFile(dir / "farm.JPG").starts_with("\xFF\xD8"));
}

// QMAZE3.INI's width, colours, quality, spacing and web page, then the flags.
TEST_F(ExportCommandTest, SettingsComeFromQmaze3IniThenTheFlags)
{
    writeFile(dir / "QMAZE3.INI", "[Reports]\r\nPixel Width=320\r\nPixel Format=2\r\nLetter Spacing=1\r\n"
                                  "[HTML]\r\nWeb Title=Barnyard\r\n");
    const auto bmp = dir / "farm.bmp";
    exported("--format bmp --out " + shellQuoted(bmp));
    EXPECT_EQ(littleEndian(readFile(bmp), 18, 4), 320u);
    EXPECT_EQ(littleEndian(readFile(bmp), 28, 2), 8u);
    exported("--format bmp --width 1000 --out " + shellQuoted(bmp));
    EXPECT_EQ(littleEndian(readFile(bmp), 18, 4), 1000u);

    exported("--format html --out " + shellQuoted(dir / "farm.htm"));
    EXPECT_NE(readFile(dir / "farm.htm").find("<TITLE>Barnyard</TITLE>"), std::string::npos);

    auto record = std::move(CollectionFile(kSample).ReadPuzzle(0)).value();
    PrintOptions options;
    ApplyLayoutOptions(options, record->Layout);
    options.LetterSpacing = 1;
    exported("--format txt --out " + shellQuoted(dir / "farm.txt"));
    EXPECT_EQ(readFile(dir / "farm.txt"), PlainTextPuzzle(*record, options));
    options.LetterSpacing = 4;
    options.LineSpacing = 2;
    exported("--format txt --letter-spacing 3 --line-spacing 2 --out " + shellQuoted(dir / "farm.txt"));
    EXPECT_EQ(readFile(dir / "farm.txt"), PlainTextPuzzle(*record, options));
}

TEST_F(ExportCommandTest, RefusesWithTheDialogsMessages)
{
    struct Case {
        std::string arguments;
        std::string message;
    };
    const std::string width = PrintMessages::InvalidPictureWidth.message;
    const std::string factor = ExportMessages::InvalidJpegFactor.message;
    const Case cases[] = {
        {"--format bmp --width 0 --out p", width},
        {"--format png --width 10000 --out p", width},
        {"--format jpg --quality 0 --out p", factor},
        {"--format html --quality 101 --out p.htm", factor},
        {"--format html --out " + shellQuoted(dir / "none" / "p.htm"), ExportMessages::HtmlCannotCreate.message},
        {"--format txt --out " + shellQuoted(dir / "none" / "p.txt"), ExportMessages::TextCannotSave.message},
        {"--format svg --width 100 --out p", "--width is for bmp, jpg, png and html."},
        {"--format png --quality 50 --out p", "--quality is for jpg and html."},
        {"--format wmf --letter-spacing 1 --out p", "--letter-spacing and --line-spacing are for txt."},
    };
    for (const Case& c : cases) {
        const auto result = exportPage(c.arguments);
        EXPECT_EQ(result.status, 1) << c.arguments;
        EXPECT_EQ(result.err, c.message + "\n") << c.arguments;
    }
    for (const char* wrong :
         {"--format gif --out p", "--format txt --letter-spacing 4 --out p", "--format txt --line-spacing 3 --out p"})
        EXPECT_EQ(exportPage(wrong).status, 1) << wrong;
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(ExportCommandTest, AFileThatCannotBeWrittenIsAnInputOutputFailure)
{
    const auto target = dir / "no folder" / "p.wmf";
    const auto result = exportPage("--format wmf --out " + shellQuoted(target));
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(target.string() + ": "), std::string::npos) << result.err;
}

TEST_F(ExportCommandTest, AMetafileWarnsThatItLeavesThePicturesOut)
{
    auto record = std::move(CollectionFile(kSample).ReadPuzzle(0)).value();
    PageLayoutRecord& layout = record->Layout;
    PageObject& picture = layout.Objects[layout.ObjectCount++];
    picture = makePageObject(PageObjectKind::Bitmap, "Picture");
    picture.Bounds = {10, 10, 60, 60};
    writeFile(dir / "logo.png", "");
    // Also a picture whose file is missing, which the page does not show, is left out.
    for (const char* file : {"logo.png", "missing.png"}) {
        SCOPED_TRACE(file);
        picture.BitmapFile.assign((dir / file).string());
        const auto collection = dir / (std::string(file) + ".QZ3");
        ASSERT_TRUE(CollectionFile(collection).AppendPuzzle(*record).ok());
        const auto result = exportPage("--format emf --out " + shellQuoted(dir / "p.emf"), collection);
        ASSERT_EQ(result.status, 0) << result.err;
        const json warnings = json::parse(result.out)["warnings"];
        EXPECT_NE(std::find(warnings.begin(), warnings.end(), ExportMessages::MetafileBitmaps.message), warnings.end())
            << warnings;
    }
}

}  // namespace
}  // namespace qm
