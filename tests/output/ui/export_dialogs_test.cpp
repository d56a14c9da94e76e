// The preview's exports and their dialogs with scripted answers: the width and quality boxes,
// the save dialogs of every format, the metafile window, the web page and the text file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "output/export/export_messages.h"
#include "output/export/plain_text_export.h"
#include "output/export/ui/html_dialog.h"
#include "output/export/ui/jpeg_factor_dialog.h"
#include "output/export/ui/picture_width_dialog.h"
#include "output/export/ui/text_output_dialog.h"
#include "output/metafile/ui/metafile_dialog.h"
#include "print_scene.h"
#include "support/ui/modal_window.h"

namespace qm {
namespace {

using test::child;
using test::whileModalOpen;

QString pathText(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

class ExportTest : public ::testing::Test, protected test::PrintScene {
protected:
    ExportTest() { page = test::render(*previewPuzzle).page; }

    TMyPreview& open()
    {
        window = std::make_unique<TMyPreview>(previewContext, page);
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }
    // The entry of the Graphic Export menu.
    QAction* graphicEntry(const QString& text)
    {
        const QList<QAction*> menus = child<QMenuBar>(*window, "MainMenu")->actions();
        for (QAction* entry : menus[1]->menu()->actions())
            if (entry->text() == text) return entry;
        ADD_FAILURE() << text.toStdString();
        return nullptr;
    }
    // Answers the width dialog with the text; true when it closed.
    static bool answerWidth(TMyBitmapWidth& dialog, const QString& text)
    {
        child<QLineEdit>(dialog, "TheWidth")->setText(text);
        dialog.OkClick();
        return !dialog.isVisible();
    }

    PageFile page;  // Letter: 816 pixels wide at 100 percent
    std::unique_ptr<TMyPreview> window;
};

TEST_F(ExportTest, EveryExportIsUsableAndCtrlWIsTheMetafilesAlone)
{
    open();
    const QList<QAction*> menus = child<QMenuBar>(*window, "MainMenu")->actions();
    for (QAction* entry : menus[1]->menu()->actions()) EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();
    EXPECT_TRUE(menus[2]->isEnabled() && menus[3]->isEnabled());
    for (const char* button : {"SpeedHTML", "SpeedBitmap", "SpeedMeta", "SpeedJPEG"})
        EXPECT_TRUE(child<QToolButton>(*window, button)->isEnabled()) << button;
    window->setZoom(50);
    dialogs.cancelFile();
    QTest::keyClick(window.get(), Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests().size(), 1u);
    EXPECT_EQ(dialogs.fileRequests()[0].title, "Save Puzzle As MetaFile");
    EXPECT_DOUBLE_EQ(window->zoom(), 50);
}

// Each format: its width dialog (pictures), its save dialog preset with the last file of its
// kind, the file, and the name kept.
TEST_F(ExportTest, EachFormatAsksForItsFileAndWritesIt)
{
    struct Case {
        const char* entry;
        const char* widthCaption;  // null: a drawing, no width asked
        const char* title;
        const char* filter;
        const char* extension;
        std::string ExportFileSettings::*lastFile;
        const char* name;
        std::string signature;
    };
    const Case cases[] = {
        {"&Windows MetaFile (WMF)", nullptr, "Save Puzzle As MetaFile", "Metafile (*.WMF)|*.WMF", "WMF",
         &ExportFileSettings::LastExportWmfFile, "farm.wmf", "\xD7\xCD\xC6\x9A"},
        {"&Enhanced MetaFile (EMF)", nullptr, "Save Puzzle As Enhanced MetaFile", "Enhanced Metafile (*.EMF)|*.EMF",
         "EMF", &ExportFileSettings::LastExportEmfFile, "farm.emf", std::string("\x01\0\0\0", 4)},
        {"Windows &Bitmap (BMP)", "Bitmap", "Save Puzzle As Bitmap", "Bitmap (*.BMP)|*.BMP", "BMP",
         &ExportFileSettings::LastExportBitmapFile, "farm.bmp", "BM"},
        {"&JPEG (JPG)", "JPeg", "Save Puzzle As JPeg", "JPeg (*.JPG)|*.JPG", "JPG",
         &ExportFileSettings::LastExportJpegFile, "farm.jpg", "\xFF\xD8"},
        {"&Portable Network Graphics (PNG)", "PNG", "Save Puzzle As PNG", "PNG Picture (*.PNG)|*.PNG", "PNG",
         &ExportFileSettings::LastExportPngFile, "farm.png", "\x89PNG"},
        {"&Scalable Vector Graphics (SVG)", nullptr, "Save Puzzle As SVG", "SVG Drawing (*.SVG)|*.SVG", "SVG",
         &ExportFileSettings::LastExportSvgFile, "farm.svg", "<?xml"},
    };
    open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        settings.Exports.*c.lastFile = (dir / "last").string();
        const auto path = dir / c.name;
        dialogs.answerFile(pathText(path));
        QAction* entry = graphicEntry(c.entry);
        if (c.widthCaption) {
            whileModalOpen<TMyBitmapWidth>([entry] { entry->trigger(); },
                                           [&c](TMyBitmapWidth& width) {
                                               EXPECT_EQ(width.windowTitle(), c.widthCaption);
                                               EXPECT_TRUE(answerWidth(width, "320"));
                                           });
            EXPECT_EQ(settings.Reports.PixelWidth, 320);
        } else if (c.name != std::string("farm.svg")) {
            whileModalOpen<TDoMeta>([entry] { entry->trigger(); },
                                    [](TDoMeta& meta) {
                                        EXPECT_EQ(meta.windowTitle(), "Metafile Creation");
                                        EXPECT_TRUE(QTest::qWaitFor([&meta] { return meta.created(); }));
                                        child<QPushButton>(meta, "OkButton")->click();
                                    });
        } else {
            entry->trigger();
        }
        const FileRequest& request = dialogs.fileRequests().back();
        EXPECT_EQ(request.kind, FileDialogKind::Save);
        EXPECT_EQ(request.title, c.title);
        EXPECT_EQ(request.filter, c.filter);
        EXPECT_EQ(request.defaultExtension, c.extension);
        EXPECT_EQ(request.initialFile, pathText(dir / "last"));
        EXPECT_TRUE(request.promptOverwrite);
        EXPECT_TRUE(test::readFile(path).starts_with(c.signature));
        EXPECT_EQ(settings.Exports.*c.lastFile, path.string());
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

// The picture has the width asked whatever the zoom, and the zoom stays.
TEST_F(ExportTest, ABitmapIsAsWideAsAskedAndTheZoomStays)
{
    open();
    window->setZoom(50);
    dialogs.answerFile(pathText(dir / "farm.bmp"));
    whileModalOpen<TMyBitmapWidth>([this] { child<QToolButton>(*window, "SpeedBitmap")->click(); },
                                   [](TMyBitmapWidth& width) {
                                       EXPECT_EQ(child<QLineEdit>(width, "TheWidth")->text(), "640");
                                       EXPECT_EQ(child<QLineEdit>(width, "TheWidth")->maxLength(), 4);
                                       EXPECT_EQ(child<QPushButton>(width, "OkButton")->text(), "Create &Bitmap");
                                       EXPECT_TRUE(answerWidth(width, "1000"));
                                   });
    EXPECT_EQ(QImage(pathText(dir / "farm.bmp")).width(), 1000);
    EXPECT_DOUBLE_EQ(window->zoom(), 50);
    EXPECT_EQ(child<QLineEdit>(*window, "Pixels")->text(), "408");
}

TEST_F(ExportTest, CancelAfterARefusedWidthWritesNoFile)
{
    open();
    whileModalOpen<TMyBitmapWidth>([this] { window->JpegClick(); },
                                   [](TMyBitmapWidth& width) {
                                       EXPECT_EQ(width.windowTitle(), "JPeg");
                                       for (const char* refused : {"0", "wide", ""})
                                           EXPECT_FALSE(answerWidth(width, refused)) << refused;
                                       child<QPushButton>(width, "CancelButton")->click();
                                   });
    EXPECT_EQ(dialogs.log(), std::vector<std::string>(3, "message Error: Invalid width specified.  Please correct."));
    EXPECT_TRUE(dialogs.fileRequests().empty());
    EXPECT_EQ(settings.Reports.PixelWidth, 640);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST_F(ExportTest, TheJpegFactorIsKeptAndUsed)
{
    open();
    whileModalOpen<TTheJPegFactor>([this] { graphicEntry("JPEG Compression &Factor")->trigger(); },
                                   [](TTheJPegFactor& factor) {
                                       EXPECT_EQ(factor.windowTitle(), "JPEG Factor");
                                       auto* box = child<QLineEdit>(factor, "JPegNum");
                                       EXPECT_EQ(box->text(), "50");
                                       for (const char* refused : {"0", "101", "1e2"}) {
                                           box->setText(refused);
                                           factor.OkClick();
                                           EXPECT_TRUE(factor.isVisible()) << refused;
                                       }
                                       box->setText("100");
                                       factor.OkClick();
                                   });
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<QString>(3, QString::fromStdString(ExportMessages::InvalidJpegFactor.message)));
    EXPECT_EQ(settings.Reports.JpegCompressionQuality, 100);
}

TEST_F(ExportTest, AMetafileOfAPageWithAPictureWarnsFirst)
{
    // The picture's file is missing, so the page shows nothing of it; the layout still holds it.
    test::addObject(*previewPuzzle, PageObjectKind::Bitmap, {1, 1, 2, 2})
        .BitmapFile.assign((dir / "logo.bmp").string());
    page = test::render(*previewPuzzle).page;
    open();
    dialogs.answerFile(pathText(dir / "farm.wmf"));
    whileModalOpen<TDoMeta>([this] { child<QToolButton>(*window, "SpeedMeta")->click(); },
                            [this](TDoMeta& meta) {
                                EXPECT_EQ(dialogs.log().back(),
                                          "message Warning: Bitmaps in this puzzle will not be saved in the metafile.");
                                auto* ok = child<QPushButton>(meta, "OkButton");
                                EXPECT_EQ(child<QLabel>(meta, "Label1")->text(), "Creating Metafile...  Please Wait.");
                                EXPECT_FALSE(ok->isVisible());
                                EXPECT_TRUE(QTest::qWaitFor([&meta] { return meta.created(); }));
                                EXPECT_EQ(child<QLabel>(meta, "Label1")->text(), "Metafile Created");
                                EXPECT_TRUE(ok->isVisible());
                                ok->click();
                            });
    EXPECT_TRUE(std::filesystem::exists(dir / "farm.wmf"));
}

TEST_F(ExportTest, AMetafileThatCannotBeWrittenIsReportedAndItsWindowCloses)
{
    open();
    const auto path = dir / "no folder" / "farm.emf";
    dialogs.answerFile(pathText(path));
    window->EmfClick();
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(pathText(path)));
}

TEST_F(ExportTest, TheWebPageTakesItsBlocksAndWritesItsPicture)
{
    settings.Exports.LastExportHtmlFile = (dir / "old.htm").string();
    open();
    const auto writeInto = [this](const std::filesystem::path& path) {
        dialogs.answerFile(pathText(path));
        return [](TMyBitmapWidth& width) {
            EXPECT_EQ(width.windowTitle(), "JPeg");
            EXPECT_TRUE(answerWidth(width, "400"));
        };
    };
    whileModalOpen<TMyHtml>(
        [this] { child<QToolButton>(*window, "SpeedHTML")->click(); },
        [&](TMyHtml& html) {
            EXPECT_EQ(html.windowTitle(), "HTML Creation");
            EXPECT_EQ(child<QPlainTextEdit>(html, "Head1")->toPlainText(), "My Puzzle");
            EXPECT_TRUE(child<QCheckBox>(html, "Head1Bold")->isChecked());
            EXPECT_EQ(child<QComboBox>(html, "Head1Size")->currentText(), "14 pt");
            EXPECT_EQ(child<QLineEdit>(html, "WebTitle")->text(), "Word Search Puzzle");
            // Boxes and sizes are kept as they change; texts when the page is saved.
            child<QCheckBox>(html, "HorzUpper")->click();
            EXPECT_TRUE(settings.Html.HorizontalUpper);
            child<QComboBox>(html, "Foot1Size")->setCurrentIndex(6);
            EXPECT_EQ(settings.Html.FirstFooter.Font, 7);
            child<QPlainTextEdit>(html, "Foot1")->setPlainText("Line one\nLine two");
            child<QLineEdit>(html, "WebTitle")->setText("Farm Animals");

            whileModalOpen<TMyBitmapWidth>([&html] { html.SaveHtmlClick(); }, writeInto(dir / "none" / "farm.htm"));
            EXPECT_EQ(dialogs.messageTexts(),
                      std::vector<QString>{QString::fromStdString(ExportMessages::HtmlCannotCreate.message)});
            EXPECT_TRUE(html.isVisible());
            whileModalOpen<TMyBitmapWidth>([&html] { html.SaveHtmlClick(); }, writeInto(dir / "farm.htm"));
            EXPECT_FALSE(html.isVisible());
        });
    EXPECT_EQ(dialogs.fileRequests()[0].title, "Save HTML Document");
    EXPECT_EQ(dialogs.fileRequests()[0].initialFile, pathText(dir / "old.htm"));
    EXPECT_EQ(settings.Exports.LastExportHtmlFile, (dir / "farm.htm").string());
    EXPECT_EQ(settings.Html.FirstFooter.Text, "Line one\r\nLine two");
    EXPECT_EQ(settings.Html.WebTitle, "Farm Animals");
    const std::string written = test::readFile(dir / "farm.htm");
    EXPECT_NE(written.find("<TITLE>Farm Animals</TITLE>"), std::string::npos);
    EXPECT_NE(written.find("  <HR><P>\r\n  <CENTER><IMG SRC=\"farm.JPG\""), std::string::npos);
    EXPECT_NE(written.find("<FONT SIZE=7>Line one\r\nLine two</FONT>"), std::string::npos);
    EXPECT_EQ(QImage(pathText(dir / "farm.JPG")).width(), 400);
}

TEST_F(ExportTest, TheTextFileKeepsItsSpacingAndTellsWhenItIsMade)
{
    open();
    const auto path = dir / "farm.txt";
    whileModalOpen<TAsciiOutput>([this] { window->TextClick(); },
                                 [&](TAsciiOutput& text) {
                                     EXPECT_EQ(text.windowTitle(), "Output To Text File");
                                     EXPECT_TRUE(child<QRadioButton>(text, "OneLetter")->isChecked());
                                     EXPECT_TRUE(child<QRadioButton>(text, "SingleLine")->isChecked());
                                     child<QRadioButton>(text, "ThreeLetter")->click();
                                     child<QRadioButton>(text, "DoubleLine")->click();
                                     EXPECT_EQ(settings.Reports.Print.LetterSpacing, 4);
                                     EXPECT_EQ(settings.Reports.Print.LineSpacing, 2);
                                     dialogs.answerFile(pathText(dir / "none" / "farm.txt"));
                                     text.OkClick();
                                     EXPECT_TRUE(text.isVisible());
                                     dialogs.answerFile(pathText(path));
                                     child<QPushButton>(text, "OkButton")->click();
                                     EXPECT_FALSE(text.isVisible());
                                 });
    EXPECT_EQ(dialogs.log(), (std::vector<std::string>{"file Puzzle To Ascii Text File",
                                                       "message Error: Unable to save "
                                                       "puzzle.",
                                                       "file Puzzle To Ascii Text File",
                                                       "message Notice: File created succesfully."}));
    EXPECT_EQ(test::readFile(path), PlainTextPuzzle(*previewPuzzle, settings.Reports.Print));
    EXPECT_EQ(settings.Exports.LastExportTextFile, path.string());
}

}  // namespace
}  // namespace qm
